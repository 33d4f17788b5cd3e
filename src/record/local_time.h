#pragma once
// Times are shown in the machine's local time (the TZ of the process), in these forms.

#include <cstdint>
#include <ctime>
#include <string>

namespace velka {

inline constexpr const char* kDateFormat = "%Y-%m-%d";
inline constexpr const char* kTimeOfDayFormat = "%H:%M:%S";
inline constexpr const char* kDateTimeFormat = "%Y-%m-%d %H:%M:%S";

// Broken-down local time of 64-bit seconds since 1970.
std::tm LocalTime(std::int64_t seconds);
// strftime of the local time; an empty string when the time cannot be represented.
std::string FormatLocalTime(std::int64_t seconds, const char* format);
// The date, `separator`, the time of day: "2018-05-04 09:07:05" or "2018-05-04_09:07:05".
std::string FormatLocalDateTime(std::int64_t seconds, char separator = ' ');

}  // namespace velka
