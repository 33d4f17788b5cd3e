#include "record/local_time.h"

namespace velka {

std::tm LocalTime(std::int64_t seconds) {
    std::tm fields{};
    const auto value = static_cast<std::time_t>(seconds);
    localtime_r(&value, &fields);
    return fields;
}

std::string FormatLocalTime(std::int64_t seconds, const char* format) {
    std::tm fields{};
    const auto value = static_cast<std::time_t>(seconds);
    if (localtime_r(&value, &fields) == nullptr)
        return {};
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &fields);
    return std::string(buffer, length);
}

std::string FormatLocalDateTime(std::int64_t seconds, char separator) {
    const std::string format = std::string(kDateFormat) + separator + kTimeOfDayFormat;
    return FormatLocalTime(seconds, format.c_str());
}

}  // namespace velka
