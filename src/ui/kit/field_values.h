#pragma once
// The values a page's fields show and the reading of typed values back from them.

#include "record/shown_forms.h"
#include "services/message_service.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class QLineEdit;

namespace velka {

// A signed 32-bit decimal integer, blanks around it allowed.
std::optional<std::int32_t> ParseIntegerText(const QString& text);
// A finite decimal number ("5.5", "-30", "1e1"), blanks around it allowed; the forms' decimal
// separator counts as the point ("5,5" in German).
std::optional<double> ParseNumberText(const QString& text, const ShownForms& forms);
// How a number field shows its value: up to 15 significant digits, no trailing zeros, the
// forms' decimal separator.
QString NumberText(double value, const ShownForms& forms);

// Reads a bound field back into `value`. A text that is not a valid value is refused with
// "Enter an integer." or "Enter a number.", the focus goes to the field and `value` keeps
// what it held; the result is then false.
bool ReadIntegerField(QLineEdit& field, std::int32_t& value, MessageService& messages);
bool ReadNumberField(QLineEdit& field, double& value, MessageService& messages,
                     const ShownForms& forms);

// The image's texts are UTF-16, as the fields are.
std::u16string Utf16(const QLineEdit& field);
QString FromUtf16(const std::u16string& text);

}  // namespace velka
