#include "ui/kit/spin_buttons.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace velka {
namespace {

constexpr int kFirstRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;

}  // namespace

SpinButtons::SpinButtons(QLineEdit& field, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), field_(field), textOf_([](int value) { return QString::number(value); }),
      valueOf_([](const QString& text) -> std::optional<int> {
          bool ok = false;
          const int value = text.toInt(&ok);
          return ok ? std::optional<int>(value) : std::nullopt;
      }),
      minimum_(minimum), maximum_(maximum) {
    // Like the platform's up-down control, the buttons never take the focus: the keys reach
    // them through the field.
    setFocusPolicy(Qt::NoFocus);
    field_.installEventFilter(this);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(kRepeatIntervalMs);
        StepBy(heldStep_);
    });
    connect(&field_, &QLineEdit::textChanged, this, [this] { update(); });
}

void SpinButtons::SetValueForm(TextOfValue textOf, ValueOfText valueOf) {
    textOf_ = std::move(textOf);
    valueOf_ = std::move(valueOf);
    update();
}

int SpinButtons::Value() const {
    const std::optional<int> value = valueOf_(field_.text());
    return value ? std::clamp(*value, minimum_, maximum_) : minimum_;
}

void SpinButtons::StepBy(int steps) {
    if (!isEnabled())
        return;
    const int value = std::clamp(Value() + steps, minimum_, maximum_);
    field_.setText(textOf_(value));
}

QRect SpinButtons::UpRect() const {
    return QRect(0, 0, width(), height() / 2);
}

QRect SpinButtons::DownRect() const {
    return QRect(0, height() / 2, width(), height() - height() / 2);
}

void SpinButtons::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int value = Value();
    const struct {
        QRect rect;
        int step;
        bool canStep;
        QStyle::PrimitiveElement arrow;
    } halves[] = {{UpRect(), +1, value < maximum_, QStyle::PE_IndicatorArrowUp},
                  {DownRect(), -1, value > minimum_, QStyle::PE_IndicatorArrowDown}};
    for (const auto& half : halves) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = half.rect;
        button.state |= heldStep_ == half.step ? QStyle::State_Sunken : QStyle::State_Raised;
        if (!half.canStep)
            button.state &= ~QStyle::State_Enabled;
        style()->drawControl(QStyle::CE_PushButtonBevel, &button, &painter, this);
        QStyleOption arrow = button;
        arrow.rect = half.rect.adjusted(3, 2, -3, -2);
        style()->drawPrimitive(half.arrow, &arrow, &painter, this);
    }
}

void SpinButtons::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    heldStep_ = UpRect().contains(event->position().toPoint()) ? +1 : -1;
    StepBy(heldStep_);
    repeat_.start(kFirstRepeatDelayMs);
    update();
}

void SpinButtons::mouseReleaseEvent(QMouseEvent*) {
    repeat_.stop();
    heldStep_ = 0;
    update();
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            StepBy(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpinButtons::changeEvent(QEvent* event) {
    // Disabled in the middle of a held press: the repeat must not go on.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        repeat_.stop();
        heldStep_ = 0;
    }
    QWidget::changeEvent(event);
}

}  // namespace velka
