#include "archive/table_time_text.h"

#include "record/local_time.h"

#include <limits>

namespace velka {
namespace {

std::u16string Widen(const std::string& text) {
    std::u16string wide;
    for (const char c : text)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return wide;
}

}  // namespace

std::u16string LocalDateTimeText(std::int64_t seconds, char separator) {
    return Widen(FormatLocalDateTime(seconds, separator));
}

std::u16string LocalDateText(std::int64_t seconds) {
    return Widen(FormatLocalTime(seconds, kDateFormat));
}

std::uint32_t QueryTimeFromPicker(std::int64_t seconds) {
    if (seconds < 0)
        return 0;
    if (seconds > std::numeric_limits<std::uint32_t>::max())
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(seconds);
}

}  // namespace velka
