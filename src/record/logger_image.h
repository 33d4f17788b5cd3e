#pragma once
// The logger's 16,384-byte memory, which is also the exact content of every archived .bin file.
// Multi-byte fields are little-endian and never assumed to be aligned.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace velka {

constexpr std::size_t kImageSize = 16384;
using LoggerImage = std::array<std::uint8_t, kImageSize>;

// Regions of the image.
constexpr std::size_t kSampleRegionOffset = 0x0EC0;  // 172 blocks of 51 packed samples
constexpr std::size_t kSampleBlockSize = 64;
constexpr std::size_t kSampleBlockCount = 172;
constexpr std::size_t kSamplesPerBlock = 51;
constexpr std::size_t kMaxSamples = kSampleBlockCount * kSamplesPerBlock;  // 8,772
constexpr std::size_t kSampleRegionEnd = kSampleRegionOffset + kSampleBlockCount * kSampleBlockSize;
constexpr std::size_t kStatusBlockOffset = 0x39C0;
constexpr std::size_t kSettingsBlockOffset = 0x3A00;
constexpr std::size_t kProductTableOffset = 0x3A9E;
constexpr std::size_t kProductTableSize = 1376;
constexpr std::size_t kTableTailOffset = 0x3FFE;
// The product table and the two-byte tail are stored and restored together.
constexpr std::size_t kProductAreaSize = kProductTableSize + 2;  // 1,378

// Fields of the status block.
constexpr std::size_t kWriteProtectFlagOffset = 0x39C0;
constexpr std::size_t kStartOffsetOffset = 0x39C4;
constexpr std::size_t kCalibrationAOffset = 0x39C8;
constexpr std::size_t kCalibrationBOffset = 0x39CA;
constexpr std::size_t kSerialNumberOffset = 0x39CC;
constexpr std::size_t kClearCodeOffset = 0x39D0;

// Fields of the settings block.
constexpr std::size_t kLogIntervalOffset = 0x3A00;
constexpr std::size_t kStartDelayOffset = 0x3A02;
constexpr std::size_t kLowerLimitCodeOffset = 0x3A04;
constexpr std::size_t kUpperLimitCodeOffset = 0x3A06;
constexpr std::size_t kAlarmDelayCountOffset = 0x3A08;
constexpr std::size_t kLedBlinkIntervalOffset = 0x3A09;
constexpr std::size_t kClockSetTimeOffset = 0x3A0A;
constexpr std::size_t kDeliveryDateOffset = 0x3A0E;
constexpr std::size_t kDeliveryCompanyOffset = 0x3A12;
constexpr std::size_t kReceivingCompanyOffset = 0x3A3A;
constexpr std::size_t kTransportCompanyOffset = 0x3A62;
constexpr std::size_t kTransportNumberOffset = 0x3A8A;
constexpr std::size_t kCompanySlotBytes = 40;
constexpr std::size_t kTransportNumberSlotBytes = 20;

inline std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline std::uint64_t ReadU64(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint64_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, bytes.data() + offset, sizeof value);  // one unaligned load
    } else {
        for (std::size_t i = 0; i < 8; ++i)
            value |= static_cast<std::uint64_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

inline void WriteU16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void WriteU32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Reads a UTF-16LE text from a fixed slot: it ends at the first zero code unit or at the end
// of the slot (a text that fills its slot has no terminator).
std::u16string ReadSlotText(std::span<const std::uint8_t> bytes, std::size_t offset,
                            std::size_t slotBytes);

// Writes a text into a zero-filled slot, cut to the slot's size.
void WriteSlotText(std::span<std::uint8_t> bytes, std::size_t offset, std::size_t slotBytes,
                   const std::u16string& text);

// Start of the recording: clockSetTime + startOffset as a 32-bit sum, widened to 64-bit
// seconds so that nothing breaks after January 2038.
std::int64_t RecordingStartTime(std::uint32_t clockSetTime, std::uint32_t startOffset);
// End of the recording: start + logInterval x sampleCount, again as a 32-bit sum.
std::int64_t RecordingStopTime(std::int64_t startTime, std::uint32_t logInterval,
                               std::size_t sampleCount);

}  // namespace velka
