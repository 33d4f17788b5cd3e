#include "ui/kit/field_values.h"

#include "services/translation.h"

#include <QLineEdit>
#include <charconv>
#include <cmath>

namespace velka {
namespace {

constexpr UiText kEnterIntegerText = VELKA_TEXT("Fields", "Enter an integer.");
constexpr UiText kEnterNumberText = VELKA_TEXT("Fields", "Enter a number.");

void Refuse(QLineEdit& field, const std::string& text, MessageService& messages) {
    messages.ShowMessage(text, MessageIcon::Warning);
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
}

QString Trimmed(const QString& text) {
    // Blanks and tabs only: a line break is not something a user types into a field.
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && (text[first] == u' ' || text[first] == u'\t'))
        ++first;
    while (end > first && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return text.mid(first, end - first);
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(const QString& text) {
    const QByteArray digits = Trimmed(text).toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    if (first != last && *first == '+' && (last - first == 1 || first[1] != '-'))
        ++first;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, 10);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

std::optional<double> ParseNumberText(const QString& text, const ShownForms& forms) {
    const QString trimmed =
        Trimmed(text).replace(QString::fromStdString(forms.decimalPoint), QStringLiteral("."));
    // toLatin1 turns every other character into '?', which no number contains.
    const QByteArray digits = trimmed.toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    if (first != last && *first == '+' && (last - first == 1 || first[1] != '-'))
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || first == last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString NumberText(double value, const ShownForms& forms) {
    return QString::number(value, 'g', 15)
        .replace(QStringLiteral("."), QString::fromStdString(forms.decimalPoint));
}

bool ReadIntegerField(QLineEdit& field, std::int32_t& value, MessageService& messages) {
    const std::optional<std::int32_t> typed = ParseIntegerText(field.text());
    if (!typed) {
        Refuse(field, Tr(kEnterIntegerText), messages);
        return false;
    }
    value = *typed;
    return true;
}

bool ReadNumberField(QLineEdit& field, double& value, MessageService& messages,
                     const ShownForms& forms) {
    const std::optional<double> typed = ParseNumberText(field.text(), forms);
    if (!typed) {
        Refuse(field, Tr(kEnterNumberText), messages);
        return false;
    }
    value = *typed;
    return true;
}

std::u16string Utf16(const QLineEdit& field) {
    return field.text().toStdU16String();
}

QString FromUtf16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

}  // namespace velka
