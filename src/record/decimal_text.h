#pragma once
// Numbers in files, reports and pictures, written and read the same way whatever the user's
// locale. printf, scanf and strtod follow LC_NUMERIC, which Qt sets from the environment when
// the application starts: on a German desktop they would write "5,1" and read "5.1" as 5.

#include <optional>
#include <string>
#include <string_view>

namespace velka {

// printf's "%.Nf" in the "C" locale: FixedDecimal(5.06, 1) is "5.1", FixedDecimal(-0.04, 1)
// is "-0.0". Rounding is exact, as printf's.
std::string FixedDecimal(double value, int decimals);

// A number at the start of `text` as scanf's "%f" reads it in the "C" locale: blanks first, an
// optional sign, decimal digits with a point and an exponent, or "inf" and "nan". Returns the
// value and the text after it; nothing when no number starts there or it lies beyond a float.
struct LeadingFloat {
    float value = 0.0f;
    std::string_view rest;
};
std::optional<LeadingFloat> ParseLeadingFloat(std::string_view text);

}  // namespace velka
