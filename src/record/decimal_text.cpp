#include "record/decimal_text.h"

#include <charconv>

namespace velka {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::string FixedDecimal(double value, int decimals) {
    // Room for the longest finite double: a sign, 309 digits, the point and the decimals.
    std::string text(312 + static_cast<std::size_t>(decimals > 0 ? decimals : 0), '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

std::optional<LeadingFloat> ParseLeadingFloat(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    // from_chars takes a minus sign but not a plus sign.
    if (start + 1 < text.size() && text[start] == '+' && text[start + 1] != '-')
        ++start;
    LeadingFloat parsed;
    const char* const end = text.data() + text.size();
    const auto result = std::from_chars(text.data() + start, end, parsed.value);
    if (result.ec != std::errc())
        return std::nullopt;
    parsed.rest = text.substr(static_cast<std::size_t>(result.ptr - text.data()));
    return parsed;
}

}  // namespace velka
