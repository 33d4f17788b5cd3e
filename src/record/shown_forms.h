#pragma once
// How the window writes numbers and dates for the language it shows: German readers expect
// "5,1" and "04.05.2018", Chinese readers "2018/05/04". Files, reports and pictures that leave
// the program keep the fixed forms (kFixedForms) whatever the language, and so does the window
// in English. Never a group separator: a temperature of "1.000,5" would only confuse.

#include "record/local_time.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velka {

struct ShownForms {
    // The decimal separator, UTF-8.
    std::string decimalPoint = ".";
    // A date as strftime writes it, with four-digit years and two-digit months and days so
    // that columns of dates line up: "%Y-%m-%d", "%d.%m.%Y", "%Y/%m/%d".
    std::string dateFormat = kDateFormat;

    bool operator==(const ShownForms&) const = default;
};

inline const ShownForms kFixedForms{};

// FixedDecimal with the forms' separator: ShownDecimal(5.06, 1, german) is "5,1".
std::string ShownDecimal(double value, int decimals, const ShownForms& forms);
// The local date, and the local date, `separator` and the time of day ("%H:%M:%S"); empty when
// the time has no local date.
std::string ShownDate(std::int64_t seconds, const ShownForms& forms);
std::string ShownDateTime(std::int64_t seconds, const ShownForms& forms, char separator = ' ');
// The local date and the time to the minute.
std::string ShownDateMinute(std::int64_t seconds, const ShownForms& forms);

// A number typed in the window as the C locale reads it: the forms' separator becomes a point
// (a point typed in a comma language still counts as one). Other text is left as typed, for the
// caller's own check.
std::string TypedDecimal(std::string_view typed, const ShownForms& forms);

}  // namespace velka
