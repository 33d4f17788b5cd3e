#pragma once
// The numeric edit: a single-line edit that takes only decimal digits. A typed character other
// than a digit or backspace is discarded, as are the shortcuts that arrive as control
// characters (copy, cut, paste from the keyboard); text that arrives any other way (pasted from
// the context menu, dropped, set by the program) is filtered to its digits. With a maximum, a
// typed digit that would pass it is refused, and other text is cut at it with the caret at its
// end.

#include <QLineEdit>

namespace velka {

class CNumEdit : public QLineEdit {
public:
    explicit CNumEdit(QWidget* parent = nullptr);

    // The largest value the field takes; none by default.
    void SetMaximum(int maximum);
    // The text read as a decimal number; 0 for an empty text.
    int Value() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class DigitsValidator;

    DigitsValidator* validator_;
};

}  // namespace velka
