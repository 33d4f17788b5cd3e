#pragma once
// Times are shown in the machine's local time (the TZ of the process).

#include <cstdint>
#include <ctime>
#include <string>

namespace velka {

// Broken-down local time of 64-bit seconds since 1970.
std::tm LocalTime(std::int64_t seconds);
// strftime of the local time; an empty string when the time cannot be represented.
std::string FormatLocalTime(std::int64_t seconds, const char* format);

}  // namespace velka
