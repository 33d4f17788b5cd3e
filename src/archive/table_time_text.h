#pragma once
// Times as the history and record tables show them, in the machine's local time.

#include "record/shown_forms.h"

#include <cstdint>
#include <string>

namespace velka {

// The date in the forms' order ("2018-05-04" in the fixed forms) followed by `separator` and
// "%02d:%02d:%02d". Empty when the time has no local date.
std::u16string LocalDateTimeText(std::int64_t seconds, char separator, const ShownForms& forms);
// The date alone.
std::u16string LocalDateText(std::int64_t seconds, const ShownForms& forms);

// A picker's value, seconds since 1970 in 64 bits, as the unsigned 32-bit time the queries
// compare with: earlier than 1970 counts as 0, later than February 2106 as the last second.
std::uint32_t QueryTimeFromPicker(std::int64_t seconds);

}  // namespace velka
