#pragma once
// The logger's side of the report protocol over its 16,384-byte memory. It knows nothing of
// how reports reach it: the in-process emulated logger and a virtual HID device in front of
// the kernel both feed it the 64 payload bytes of each output report (without the report ID)
// and send back the payloads it answers.

#include "device/hid_report.h"
#include "record/logger_image.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace velka {

using ReportPayload = std::array<std::uint8_t, kReportPayloadSize>;

class EmulatedLoggerDevice {
public:
    explicit EmulatedLoggerDevice(const LoggerImage& memory) : memory_(memory) {}

    // Handles one output report. A read command is answered with the 64 bytes at its word
    // address; write and erase-write commands take the next report as their data; the final
    // command ends an erase. Reports the logger would not understand are ignored, unanswered.
    std::optional<ReportPayload>
    HandleOutputReport(std::span<const std::uint8_t, kReportPayloadSize> payload);

    const LoggerImage& Memory() const { return memory_; }
    // How many final commands arrived (the end of each erase).
    int FinalCommandCount() const { return finalCommandCount_; }
    // Whether a write or erase-write command waits for its data report.
    bool AwaitingData() const { return pendingWrite_.has_value(); }

private:
    struct PendingWrite {
        std::size_t offset = 0;
        bool accepted = true;  // an erase-write with a wrong erase code writes nothing
    };

    static std::optional<std::size_t>
    BlockOffset(std::span<const std::uint8_t, kReportPayloadSize> payload);

    LoggerImage memory_;
    std::optional<PendingWrite> pendingWrite_;
    int finalCommandCount_ = 0;
};

}  // namespace velka
