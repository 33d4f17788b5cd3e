#pragma once
// A virtual logger in front of the Linux kernel: a HID device created through /dev/uhid with
// the logger's USB identity and report layout, so that the kernel's HID and hidraw drivers give
// it a hidraw node exactly like a real logger's. The logger's side of the protocol is the
// emulated logger's own (EmulatedLoggerDevice); this class only carries reports between it and
// the kernel, and plugs and unplugs the device.

#include "device/emulated_logger_device.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <set>
#include <span>

namespace velka {

// What came in and went out since the program started.
struct UhidLoggerStatistics {
    int outputReports = 0;   // reports the host wrote
    int answers = 0;         // input reports sent back
    int ignoredReports = 0;  // output reports of a length the logger does not take
    std::set<std::size_t> outputReportLengths;  // as the kernel handed them over
};

// The 64 payload bytes of an output report as the kernel hands it over. For a device without
// report IDs, hidraw passes the host's write on unchanged: 65 bytes with the report ID 0x00
// first (what hidapi writes), or 64 bytes where a layer below has already dropped it.
std::optional<ReportPayload> PayloadOfOutputReport(std::span<const std::uint8_t> data);

class UhidLogger {
public:
    // Opens /dev/uhid; throws std::system_error when it cannot. Starts unplugged.
    explicit UhidLogger(const LoggerImage& memory);
    ~UhidLogger();
    UhidLogger(const UhidLogger&) = delete;
    UhidLogger& operator=(const UhidLogger&) = delete;

    // Creates the HID device (a plug-in); a logger that is plugged in stays as it is.
    void Plug();
    // Destroys the HID device (a pull-out); the memory stays as it is.
    void Unplug();
    bool Plugged() const { return plugged_; }

    // From the k-th output report after a plug-in on, the logger is pulled out instead of
    // answering: a removal in the middle of a transfer. 0 never pulls it out.
    void UnplugAtReport(int reportNumber) { unplugAtReport_ = reportNumber; }
    // Every answer waits this long first: a slow logger, whose transfers take long enough for
    // a second program to meet the first one on it.
    void DelayAnswers(std::chrono::milliseconds delay) { answerDelay_ = delay; }

    // Readable when the kernel has events for the device.
    int FileDescriptor() const { return uhidFd_; }
    // Handles every event that waits, never blocking.
    void HandleEvents();

    const LoggerImage& Memory() const { return device_.Memory(); }
    const UhidLoggerStatistics& Statistics() const { return statistics_; }

private:
    void HandleOutput(std::span<const std::uint8_t> data);
    void SendInput(const ReportPayload& payload);
    void ReplyToReportRequest(std::uint32_t eventType, std::uint32_t requestId);
    void WriteEvent(const void* event, std::size_t size);

    int uhidFd_ = -1;
    EmulatedLoggerDevice device_;
    bool plugged_ = false;
    int unplugAtReport_ = 0;
    int reportsSincePlug_ = 0;
    std::chrono::milliseconds answerDelay_{0};
    UhidLoggerStatistics statistics_;
};

}  // namespace velka
