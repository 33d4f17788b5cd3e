#pragma once
// What the pages are built from: controls placed in pixels with their texts, white texts on
// the page's picture, text fields that keep to a length, and the date pickers with their
// conversions to and from seconds since 1970.

#include "record/shown_forms.h"
#include "services/translation.h"

#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velka {

// Makes the control's type smaller, a pixel at a time and no smaller than 9 pixels, until
// `sample` in it takes at most `widthPixels`: the pages' texts must be read whole.
void FitFontToText(QWidget& control, const QString& sample, int widthPixels);
// Gives controls that stand together (a row of buttons, a set of radio buttons) the type of
// the smallest among them, so that they read as one.
void UseOneFontSize(const std::vector<QWidget*>& controls);

// Places `control` at `geometry` and names it `name` (how tests, style sheets and the
// accessibility tools find it).
template <class Control> Control* Place(Control* control, const QRect& geometry, const char* name) {
    control->setGeometry(geometry);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Each control is created as a child of `page` at `geometry`, named `name`. Buttons never act
// on Enter: a page has no default button.
QPushButton* PlaceButton(QWidget& page, const QString& text, const QRect& geometry,
                         const char* name);
QLineEdit* PlaceEdit(QWidget& page, const QRect& geometry, const char* name, bool centred = false);
// The page count after a page's page number: a "/" and, at `geometry`, a field named
// "pageCount" that the page writes and the user only reads.
QLineEdit* PlacePageCount(QWidget& page, const QRect& geometry);
// A label in the page's text colour: field labels are right-aligned against their field,
// captions and units left-aligned.
QLabel* PlaceLabel(QWidget& page, const QString& text, const QRect& geometry,
                   Qt::Alignment alignment = Qt::AlignRight);
// A required field's label: its title marked with a "*".
QString RequiredTitle(UiText title);
// Labels, radio buttons and group boxes on the archive pages' picture are written in white,
// their type made small enough for the text to be read whole.
QLabel* PlaceWhiteLabel(QWidget& page, const QString& text, const QRect& geometry);
QRadioButton* PlaceRadio(QWidget& page, const QString& text, const QRect& geometry,
                         const char* name);
QGroupBox* PlaceGroupBox(QWidget& page, const QString& title, const QRect& geometry);

// A text field that keeps what its slot in the image can carry (see LimitTextLength).
QLineEdit* PlaceTextField(QWidget& page, const QRect& geometry, const char* name, int units);
// NUL characters (from a paste) are removed, and a text longer than `units` UTF-16 code units
// is cut to its first ones (never between the halves of a surrogate pair), the caret then at
// its end.
void LimitTextLength(QLineEdit& edit, int units);

// Both pickers hold only the times an unsigned 32-bit count of seconds since 1970 can store
// (1970 to February 2106).
// A picker of local date and time shown as the window's date and "HH:mm:ss" ("yyyy-MM-dd
// HH:mm:ss" in the fixed forms), edited with its arrows (no calendar).
QDateTimeEdit* PlacePicker(QWidget& page, const QRect& geometry, const char* name,
                           const ShownForms& forms);
// A date picker with a calendar, keeping the time of day it was given; starts at `now`. The
// window's date when it shows a language of its own, else the system locale's short format,
// with a four-digit year when asked.
QDateTimeEdit* MakeDatePicker(QWidget& page, bool fourDigitYear, std::int64_t now,
                              const ShownForms& forms);

// Seconds since 1970 to and from a picker.
void SetPickerSeconds(QDateTimeEdit& picker, std::int64_t seconds);
std::int64_t PickerSeconds(const QDateTimeEdit& picker);

}  // namespace velka
