#pragma once
// The logger's HID conventions in one place: every report is 65 bytes, byte 0 the report ID
// (always 0x00, the logger uses unnumbered reports), bytes 1…64 the command or the block.

#include "record/image_blocks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string_view>

namespace velka {

constexpr std::size_t kReportSize = 65;
constexpr std::size_t kReportPayloadSize = 64;
constexpr std::uint8_t kReportId = 0x00;
using HidReport = std::array<std::uint8_t, kReportSize>;

// The logger's identity on the USB bus.
constexpr std::uint16_t kLoggerVendorId = 0x0FE6;
constexpr std::uint16_t kLoggerProductId = 0x0413;

// Command reports: byte 1 marks a command, byte 2 names it, bytes 3 and 4 the word address.
constexpr std::uint8_t kCommandMarker = 0x53;
constexpr std::uint8_t kReadCommand = 0xB0;
constexpr std::uint8_t kWriteCommand = 0xB1;
constexpr std::uint8_t kEraseWriteCommand = 0x4B;
constexpr std::uint8_t kFinalCommand = 0x5C;
constexpr std::size_t kEraseCodeReportOffset = 5;

// The memory moves in blocks of 32 words (record/image_blocks.h).

// The erase code: six significant bytes chosen once for every logger, then two zero bytes. The
// erase-write command carries all eight; the status block keeps the six as its clearCode.
constexpr std::size_t kEraseCodeSignificantBytes = 6;
constexpr std::array<std::uint8_t, 8> kEraseCode = {0x56, 0x4C, 0x4B, 0x45, 0x52, 0x41, 0x00, 0x00};

using BlockBytes = std::array<std::uint8_t, kBlockBytes>;

// A read, write or final command for a word address (the final command carries none).
HidReport MakeCommandReport(std::uint8_t command, std::uint16_t wordAddress);
// The erase-write command: a command report that carries the erase code in bytes 5…12.
HidReport MakeEraseWriteReport(std::uint16_t wordAddress);
// The data report that follows a write or erase-write command.
HidReport MakeDataReport(std::span<const std::uint8_t, kBlockBytes> block);

// One line "<direction> 00 53 B0 …" of a report, for the report trace.
void WriteReportHex(std::ostream& stream, std::string_view direction,
                    std::span<const std::uint8_t> report);

}  // namespace velka
