#pragma once
// What the archive pages are built from: controls placed in pixels with their texts, white
// texts on the page's picture, the date-time pickers, and the reading of typed values back
// from the fields bound to the page's state.

#include "services/message_service.h"

#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>
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

// Each control is created as a child of `page` at `geometry`, named `name` (how tests and
// style sheets find it). Buttons never act on Enter: a page has no default button.
QPushButton* PlaceButton(QWidget& page, const QString& text, const QRect& geometry,
                         const char* name);
QLineEdit* PlaceEdit(QWidget& page, const QRect& geometry, const char* name, bool centred = false);
// The page count after a page's page number: a "/" and, at `geometry`, a field named
// "pageCount" that the page writes and the user only reads.
QLineEdit* PlacePageCount(QWidget& page, const QRect& geometry);
// Labels, radio buttons and group boxes are written in white on the page's picture.
QLabel* PlaceLabel(QWidget& page, const QString& text, const QRect& geometry);
QRadioButton* PlaceRadio(QWidget& page, const QString& text, const QRect& geometry,
                         const char* name);
QGroupBox* PlaceGroupBox(QWidget& page, const QString& title, const QRect& geometry);
// A picker of local date and time shown as "yyyy-MM-dd HH:mm:ss", edited with its arrows (no
// calendar), limited to the times a stored recording can carry (1970 to February 2106).
QDateTimeEdit* PlacePicker(QWidget& page, const QRect& geometry, const char* name);

// Seconds since 1970 to and from a picker.
void SetPickerSeconds(QDateTimeEdit& picker, std::int64_t seconds);
std::int64_t PickerSeconds(const QDateTimeEdit& picker);

// A signed 32-bit decimal integer, blanks around it allowed.
std::optional<std::int32_t> ParseIntegerText(const QString& text);
// A finite decimal number with a point ("5.5", "-30", "1e1"), blanks around it allowed.
std::optional<double> ParseNumberText(const QString& text);
// How a number field shows its value: up to 15 significant digits, no trailing zeros.
QString NumberText(double value);

// Reads a bound field back into `value`. A text that is not a valid value is refused with
// "Enter an integer." or "Enter a number.", the focus goes to the field and `value` keeps
// what it held; the result is then false.
bool ReadIntegerField(QLineEdit& field, std::int32_t& value, MessageService& messages);
bool ReadNumberField(QLineEdit& field, double& value, MessageService& messages);

}  // namespace velka
