#pragma once
// The up-down buttons beside a read-only number field: each step changes the field's whole
// number by one within a range (up raises it), holding a button down repeats the step, and the
// Up and Down keys in the field step as well. While the buttons are disabled nothing steps.
// The field may show each whole number in a form of its own (a limit in whole °C as °F).

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QLineEdit;

namespace velka {

class SpinButtons : public QWidget {
public:
    SpinButtons(QLineEdit& field, int minimum, int maximum, QWidget* parent = nullptr);

    // Steps the field's value by `steps` (negative: down), held within the range.
    void StepBy(int steps);

    // How the field shows a value and which value a text shows; the decimal number by default.
    using TextOfValue = std::function<QString(int)>;
    using ValueOfText = std::function<std::optional<int>(const QString&)>;
    void SetValueForm(TextOfValue textOf, ValueOfText valueOf);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int Value() const;
    QRect UpRect() const;
    QRect DownRect() const;

    QLineEdit& field_;
    TextOfValue textOf_;
    ValueOfText valueOf_;
    int minimum_;
    int maximum_;
    int heldStep_ = 0;  // +1 or -1 while a button is held down
    QTimer repeat_;
};

}  // namespace velka
