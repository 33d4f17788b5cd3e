#include "archive/table_time_text.h"

#include <cstdio>
#include <ctime>
#include <limits>

namespace velka {
namespace {

std::u16string Widen(const char* text, int length) {
    std::u16string wide;
    for (int i = 0; i < length; ++i)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i])));
    return wide;
}

bool LocalFields(std::int64_t seconds, std::tm& fields) {
    const auto value = static_cast<std::time_t>(seconds);
    return localtime_r(&value, &fields) != nullptr;
}

}  // namespace

std::u16string LocalDateTimeText(std::int64_t seconds, char separator) {
    std::tm t{};
    if (!LocalFields(seconds, t))
        return {};
    char text[96];
    const int length =
        std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d:%02d", t.tm_year + 1900,
                      t.tm_mon + 1, t.tm_mday, separator, t.tm_hour, t.tm_min, t.tm_sec);
    return Widen(text, length);
}

std::u16string LocalDateText(std::int64_t seconds) {
    std::tm t{};
    if (!LocalFields(seconds, t))
        return {};
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.tm_year + 1900,
                                     t.tm_mon + 1, t.tm_mday);
    return Widen(text, length);
}

std::uint32_t QueryTimeFromPicker(std::int64_t seconds) {
    if (seconds < 0)
        return 0;
    if (seconds > std::numeric_limits<std::uint32_t>::max())
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(seconds);
}

}  // namespace velka
