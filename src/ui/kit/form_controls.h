#pragma once
// Building blocks of the parameter page: controls placed in pixels on the page, text fields
// that keep to a length, and date pickers that hold times as the image stores them.

#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <cstdint>

namespace velka {

// A label at `rect` of the page: field labels are right-aligned against their field, captions
// and units left-aligned.
QLabel* PlaceLabel(QWidget& page, const char* text, const QRect& rect,
                   Qt::Alignment alignment = Qt::AlignRight);

// Places `control` at `rect` and names it for the tests and the accessibility tools.
template <class Control> Control* Place(Control* control, const QRect& rect, const char* name) {
    control->setGeometry(rect);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The text keeps what its slot in the image can carry: NUL characters (from a paste) are
// removed, and a text longer than `units` UTF-16 code units is cut to its first ones (never
// between the halves of a surrogate pair), the caret then at its end.
void LimitTextLength(QLineEdit& edit, int units);

// A date picker with a calendar, showing the date in the system locale's short format (with a
// four-digit year when asked) and keeping the time of day it was given. It holds only the times
// an unsigned 32-bit count of seconds since 1970 can store. Starts at `now`.
QDateTimeEdit* MakeDatePicker(QWidget& page, bool fourDigitYear, std::int64_t now);

std::int64_t PickedTime(const QDateTimeEdit& picker);
void SetPickedTime(QDateTimeEdit& picker, std::int64_t seconds);

// An alarm limit as its field shows it: a whole number such as 30 or -5.
QString WholeNumberText(double value);

}  // namespace velka
