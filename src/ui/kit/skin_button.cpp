#include "ui/kit/skin_button.h"

#include "ui/kit/skin_bitmaps.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace velka {

CxSkinButton::CxSkinButton(QWidget* parent, Kind kind)
    : QAbstractButton(parent), captionColor_(palette().color(QPalette::ButtonText)) {
    // The over picture follows the mouse without a button held.
    setMouseTracking(true);
    SetButtonKind(kind);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked && kind_ == Kind::Radio) {
            UncheckGroupSiblings();
        }
    });
}

void CxSkinButton::ApplySkin(int normal, int down, int over, int disabled, int focus,
                             bool pressShift) {
    ApplySkin(SkinPictures{SkinBitmap(normal), SkinBitmap(down), SkinBitmap(over),
                           SkinBitmap(disabled), SkinBitmap(focus)},
              pressShift);
}

void CxSkinButton::ApplySkin(SkinPictures pictures, bool pressShift) {
    pictures_ = std::move(pictures);
    pressShift_ = pressShift;
    updateGeometry();
    update();
}

void CxSkinButton::SetTipText(const QString& text) {
    setToolTip(text);
    // A picture button says nothing else a screen reader could read.
    if (accessibleName().isEmpty())
        setAccessibleName(text);
}

void CxSkinButton::SetButtonKind(Kind kind) {
    kind_ = kind;
    // Qt's own exclusivity would refuse to uncheck the checked button of a group; the group
    // rule here lets the window clear every button of a group, as it does when it switches
    // pages itself.
    setAutoExclusive(false);
    if (kind == Kind::Push) {
        setChecked(false);
    }
    setCheckable(kind != Kind::Push);
}

void CxSkinButton::SetCheck(bool checked) {
    // Not checkable (push kind): Qt ignores the call, so the button stays unchecked.
    setChecked(checked);
    update();
}

void CxSkinButton::SetCaptionColor(const QColor& color) {
    captionColor_ = color;
    update();
}

QSize CxSkinButton::sizeHint() const {
    if (pictures_.normal.isNull()) {
        return QAbstractButton::sizeHint();
    }
    return pictures_.normal.deviceIndependentSize().toSize();
}

void CxSkinButton::UncheckGroupSiblings() {
    if (parentWidget() == nullptr) {
        return;
    }
    const auto siblings = parentWidget()->findChildren<CxSkinButton*>(Qt::FindDirectChildrenOnly);
    for (CxSkinButton* sibling : siblings) {
        if (sibling != this && sibling->kind_ == Kind::Radio &&
            sibling->radioGroup_ == radioGroup_) {
            sibling->SetCheck(false);
        }
    }
}

void CxSkinButton::nextCheckState() {
    // A click checks a radio button (clicking it again keeps it checked) and toggles a check
    // box.
    if (kind_ == Kind::Radio) {
        setChecked(true);
    } else {
        QAbstractButton::nextCheckState();
    }
}

void CxSkinButton::enterEvent(QEnterEvent* event) {
    if (!isDown()) {
        hovering_ = true;
        update();
    }
    QAbstractButton::enterEvent(event);
}

void CxSkinButton::leaveEvent(QEvent* event) {
    hovering_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CxSkinButton::mouseMoveEvent(QMouseEvent* event) {
    // While the left button is held, the base shows the pushed picture only while the mouse
    // is over the button. Otherwise the first move over it shows the over picture.
    if (event->buttons() == Qt::NoButton && !hovering_ && rect().contains(event->pos())) {
        hovering_ = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CxSkinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        hovering_ = false;
    }
    QAbstractButton::mousePressEvent(event);
}

void CxSkinButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as a press, so a double click gives two
    // clicks. Qt usually delivers that press itself just before; then there is nothing to do.
    if (!isDown()) {
        mousePressEvent(event);
    }
}

void CxSkinButton::SetCaptionLook(const CaptionLook& look) {
    captionLook_ = look;
    update();
}

void CxSkinButton::DrawCaption(QPainter& painter, const QRect& rect, const QColor& color) {
    if (text().isEmpty()) {
        return;
    }
    if (captionLook_) {
        // The accent pictures: pressed or checked, and the hover and focus pictures that stand
        // in for the normal one.
        const bool active = isDown() || isChecked() || (hovering_ && !pictures_.over.isNull()) ||
                            (hasFocus() && !pictures_.focus.isNull());
        painter.save();
        painter.setFont(captionLook_->font);
        painter.setPen(active ? captionLook_->active : color);
        painter.drawText(captionLook_->place, captionLook_->alignment | Qt::TextSingleLine, text());
        painter.restore();
        return;
    }
    painter.setPen(color);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void CxSkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect item = rect();
    QRect caption = item.adjusted(2, 0, -2, 0);
    const auto drawPicture = [&](const QPixmap& picture) {
        if (picture.isNull()) {
            painter.fillRect(item, palette().color(QPalette::Button));
        } else {
            painter.drawPixmap(item, picture);
        }
    };

    if (!isEnabled()) {
        drawPicture(pictures_.disabled);
        // An engraved caption: the light 3-D edge colour underneath, the grey text on top.
        if (pressShift_ && isChecked()) {
            caption.translate(1, 1);
        }
        DrawCaption(painter, caption, palette().color(QPalette::Light));
        if (pressShift_) {
            caption.translate(-1, -1);
        }
        DrawCaption(painter, caption, palette().color(QPalette::Disabled, QPalette::ButtonText));
        return;
    }

    if (isDown() || isChecked()) {
        drawPicture(pictures_.down);
        if (pressShift_) {
            caption.translate(1, 1);
        }
    } else if (!pictures_.normal.isNull() && hovering_ && !pictures_.over.isNull()) {
        // The hover and focus pictures only stand in for a normal one.
        drawPicture(pictures_.over);
    } else if (!pictures_.normal.isNull() && hasFocus() && !pictures_.focus.isNull()) {
        drawPicture(pictures_.focus);
    } else {
        drawPicture(pictures_.normal);
    }
    DrawCaption(painter, caption, captionColor_);
    // The buttons take the focus from the keyboard only (a click leaves it where it was): a
    // button that has it is the one Space presses, and shows it.
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(item).adjusted(3, 3, -3, -3), 6, 6);
    }
}

}  // namespace velka
