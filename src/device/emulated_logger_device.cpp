#include "device/emulated_logger_device.h"

#include <algorithm>

namespace velka {
namespace {

// Payload byte k is report byte k + 1.
constexpr std::size_t kPayloadMarker = 0;
constexpr std::size_t kPayloadCommand = 1;
constexpr std::size_t kPayloadAddressLow = 2;
constexpr std::size_t kPayloadAddressHigh = 3;
constexpr std::size_t kPayloadEraseCode = kEraseCodeReportOffset - 1;

}  // namespace

std::optional<std::size_t>
EmulatedLoggerDevice::BlockOffset(std::span<const std::uint8_t, kReportPayloadSize> payload) {
    const auto wordAddress = static_cast<std::uint16_t>(payload[kPayloadAddressLow] |
                                                        (payload[kPayloadAddressHigh] << 8));
    const std::size_t offset = ImageOffsetOfWord(wordAddress);
    if (offset + kBlockBytes > kImageSize)
        return std::nullopt;
    return offset;
}

std::optional<ReportPayload> EmulatedLoggerDevice::HandleOutputReport(
    std::span<const std::uint8_t, kReportPayloadSize> payload) {
    if (pendingWrite_) {
        // The report after a write command is its data, whatever it looks like.
        const PendingWrite write = *pendingWrite_;
        pendingWrite_.reset();
        if (write.accepted)
            std::copy(payload.begin(), payload.end(),
                      memory_.begin() + static_cast<std::ptrdiff_t>(write.offset));
        return std::nullopt;
    }
    if (payload[kPayloadMarker] != kCommandMarker)
        return std::nullopt;

    switch (payload[kPayloadCommand]) {
    case kReadCommand: {
        const auto offset = BlockOffset(payload);
        if (!offset)
            return std::nullopt;
        ReportPayload answer{};
        std::copy_n(memory_.begin() + static_cast<std::ptrdiff_t>(*offset), kBlockBytes,
                    answer.begin());
        return answer;
    }
    case kWriteCommand:
        if (const auto offset = BlockOffset(payload))
            pendingWrite_ = PendingWrite{*offset, true};
        return std::nullopt;
    case kEraseWriteCommand:
        if (const auto offset = BlockOffset(payload)) {
            const bool codeMatches = std::equal(kEraseCode.begin(), kEraseCode.end(),
                                                payload.begin() + kPayloadEraseCode);
            pendingWrite_ = PendingWrite{*offset, codeMatches};
        }
        return std::nullopt;
    case kFinalCommand:
        ++finalCommandCount_;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

}  // namespace velka
