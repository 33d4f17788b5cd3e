#include "record/shown_forms.h"

#include "record/decimal_text.h"

namespace velka {
namespace {

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    if (from.empty() || from == to)
        return text;
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

std::string ShownDecimal(double value, int decimals, const ShownForms& forms) {
    return Replaced(FixedDecimal(value, decimals), ".", forms.decimalPoint);
}

std::string ShownDate(std::int64_t seconds, const ShownForms& forms) {
    return FormatLocalTime(seconds, forms.dateFormat.c_str());
}

std::string ShownDateTime(std::int64_t seconds, const ShownForms& forms, char separator) {
    const std::string format = forms.dateFormat + separator + kTimeOfDayFormat;
    return FormatLocalTime(seconds, format.c_str());
}

std::string ShownDateMinute(std::int64_t seconds, const ShownForms& forms) {
    const std::string format = forms.dateFormat + " %H:%M";
    return FormatLocalTime(seconds, format.c_str());
}

std::string TypedDecimal(std::string_view typed, const ShownForms& forms) {
    return Replaced(std::string(typed), forms.decimalPoint, ".");
}

}  // namespace velka
