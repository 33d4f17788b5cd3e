#include "archive/table_time_text.h"

#include "record/text_encoding.h"

#include <limits>

namespace velka {

std::u16string LocalDateTimeText(std::int64_t seconds, char separator, const ShownForms& forms) {
    return Utf16FromUtf8(ShownDateTime(seconds, forms, separator));
}

std::u16string LocalDateText(std::int64_t seconds, const ShownForms& forms) {
    return Utf16FromUtf8(ShownDate(seconds, forms));
}

std::uint32_t QueryTimeFromPicker(std::int64_t seconds) {
    if (seconds < 0)
        return 0;
    if (seconds > std::numeric_limits<std::uint32_t>::max())
        return std::numeric_limits<std::uint32_t>::max();
    return static_cast<std::uint32_t>(seconds);
}

}  // namespace velka
