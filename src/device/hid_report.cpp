#include "device/hid_report.h"

#include <algorithm>
#include <ostream>

namespace velka {

HidReport MakeCommandReport(std::uint8_t command, std::uint16_t wordAddress) {
    HidReport report{};
    report[0] = kReportId;
    report[1] = kCommandMarker;
    report[2] = command;
    if (command != kFinalCommand) {
        report[3] = static_cast<std::uint8_t>(wordAddress & 0xFF);
        report[4] = static_cast<std::uint8_t>(wordAddress >> 8);
    }
    return report;
}

HidReport MakeEraseWriteReport(std::uint16_t wordAddress) {
    HidReport report = MakeCommandReport(kEraseWriteCommand, wordAddress);
    std::copy(kEraseCode.begin(), kEraseCode.end(), report.begin() + kEraseCodeReportOffset);
    return report;
}

HidReport MakeDataReport(std::span<const std::uint8_t, kBlockBytes> block) {
    HidReport report{};
    report[0] = kReportId;
    std::copy(block.begin(), block.end(), report.begin() + 1);
    return report;
}

void WriteReportHex(std::ostream& stream, std::string_view direction,
                    std::span<const std::uint8_t> report) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line(direction);
    for (const std::uint8_t byte : report) {
        line += ' ';
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0x0F];
    }
    line += '\n';
    stream << line;
}

}  // namespace velka
