#include "record/logger_image.h"

namespace velka {

std::u16string ReadSlotText(std::span<const std::uint8_t> bytes, std::size_t offset,
                            std::size_t slotBytes) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < slotBytes; i += 2) {
        const char16_t unit = static_cast<char16_t>(ReadU16(bytes, offset + i));
        if (unit == 0)
            break;
        text.push_back(unit);
    }
    return text;
}

void WriteSlotText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t slotBytes,
                   const std::u16string& text) {
    for (std::size_t i = 0; i < slotBytes; ++i)
        bytes[offset + i] = 0;
    for (std::size_t unit = 0; unit < text.size() && 2 * unit + 1 < slotBytes; ++unit)
        WriteU16(bytes, offset + 2 * unit, static_cast<std::uint16_t>(text[unit]));
}

std::int64_t RecordingStartTime(std::uint32_t clockSetTime, std::uint32_t startOffset) {
    return static_cast<std::uint32_t>(clockSetTime + startOffset);
}

std::int64_t RecordingStopTime(std::int64_t startTime, std::uint32_t logInterval,
                               std::size_t sampleCount) {
    const auto span =
        static_cast<std::uint32_t>(logInterval * static_cast<std::uint64_t>(sampleCount));
    return static_cast<std::uint32_t>(static_cast<std::uint32_t>(startTime) + span);
}

}  // namespace velka
