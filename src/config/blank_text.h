#pragma once
// A required text the user filled with spaces only is as good as none: the logger would carry
// a company or product that prints as nothing.

#include <algorithm>
#include <string_view>

namespace velka {

inline bool IsBlankText(std::u16string_view text) {
    // Space, tab, line breaks, no-break space and the ideographic space of CJK input methods.
    constexpr std::u16string_view kSpaces = u" \t\r\n\u00A0\u3000";
    return std::all_of(text.begin(), text.end(),
                       [&](char16_t unit) { return kSpaces.find(unit) != kSpaces.npos; });
}

}  // namespace velka
