#pragma once
// How a sample beyond its limits is marked wherever samples are listed (the record table, the
// PDF's sample rows): by a sign before its temperature, so that colour is not the only cue, and
// in a red dark enough for text (#C00000: 5.7:1 on white; text needs 4.5:1).

#include "services/translation.h"

#include <cstdint>
#include <string_view>

namespace velka {

struct AlarmTextColor {
    std::uint8_t red = 0xC0;
    std::uint8_t green = 0x00;
    std::uint8_t blue = 0x00;
};
inline constexpr AlarmTextColor kAlarmTextColor{};

// "▲ " above the upper limit (alarm +1), "▼ " below the lower (−1), "" within them.
constexpr std::string_view AlarmMarker(std::int32_t alarm) {
    return alarm > 0 ? "▲ " : alarm < 0 ? "▼ " : "";
}
// The workbook's "Alarm" column: "above", "below" or empty.
constexpr UiText AlarmWord(std::int32_t alarm) {
    return alarm > 0   ? VELKA_TEXT("Report", "above")
           : alarm < 0 ? VELKA_TEXT("Report", "below")
                       : UiText{"Report", ""};
}

}  // namespace velka
