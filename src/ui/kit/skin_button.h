#pragma once
// A button drawn entirely from pictures: one at rest, one while pressed or checked, one under
// the mouse, one disabled and one with the keyboard focus, each stretched over the button.
// Besides plain push behaviour it acts as a check box or as a radio button, and it can carry
// a tooltip. The window's navigation, close and minimise buttons, the chart page's zoom
// buttons and the system page's buttons are of this kind.

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <optional>

namespace velka {

// The five pictures; any of them may be missing (a null pixmap).
struct SkinPictures {
    QPixmap normal;
    QPixmap down;
    QPixmap over;
    QPixmap disabled;
    QPixmap focus;
};

class CxSkinButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Push, CheckBox, Radio };

    explicit CxSkinButton(QWidget* parent = nullptr, Kind kind = Kind::Push);

    // Loads the five pictures by bitmap id (SkinBitmap), sets pressShift and repaints. An id
    // without a picture leaves that picture missing.
    void ApplySkin(int normal, int down, int over, int disabled, int focus, bool pressShift);
    void ApplySkin(SkinPictures pictures, bool pressShift);
    const SkinPictures& Pictures() const { return pictures_; }
    bool PressShift() const { return pressShift_; }

    // The tooltip shown while the mouse rests on the button; a later call replaces the text.
    void SetTipText(const QString& text);

    Kind ButtonKind() const { return kind_; }
    void SetButtonKind(Kind kind);

    // Radio-kind buttons with the same parent and the same group number form one group:
    // checking one unchecks the others. A window may hold several groups.
    void SetRadioGroup(int group) { radioGroup_ = group; }
    int RadioGroup() const { return radioGroup_; }

    // The check state. A push-kind button is never checked, whatever it is told.
    void SetCheck(bool checked);
    bool GetCheck() const { return isChecked(); }

    // The colour of an enabled caption; the palette's button text colour at first.
    void SetCaptionColor(const QColor& color);
    QColor CaptionColor() const { return captionColor_; }

    // A caption written on the pictures as their own words once were: in `place` (button
    // coordinates), in `font`, in `active` while the button shows its accent picture (checked,
    // pressed or under the mouse) and in the caption colour otherwise. Without one the caption
    // is centred in the button's font.
    struct CaptionLook {
        QRect place;
        QFont font;
        QColor active;
        Qt::Alignment alignment = Qt::AlignCenter;
    };
    void SetCaptionLook(const CaptionLook& look);
    const std::optional<CaptionLook>& Caption() const { return captionLook_; }

    bool Hovering() const { return hovering_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void nextCheckState() override;

private:
    void UncheckGroupSiblings();
    void DrawCaption(QPainter& painter, const QRect& rect, const QColor& color);

    Kind kind_ = Kind::Push;
    int radioGroup_ = 0;
    SkinPictures pictures_;
    bool pressShift_ = false;
    bool hovering_ = false;
    QColor captionColor_;
    std::optional<CaptionLook> captionLook_;
};

}  // namespace velka
