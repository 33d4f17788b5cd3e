#pragma once
// An emulated logger on an emulated USB bus: the logger's own protocol logic
// (EmulatedLoggerDevice) behind an in-process transport, with the faults of a scenario. Tests,
// `velka-cli --emulate` and the window's demo mode talk to it exactly as to a real logger.

#include "device/emulated_logger_device.h"
#include "device/emulator_scenario.h"
#include "device/hid_transport.h"

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>

namespace velka {

class EmulatedLogger final : public HidDeviceProvider {
public:
    // Waits of the emulated logger: a slow answer, or a read waiting out its time-out. Tests
    // record them instead of sleeping.
    using WaitFunction = std::function<void(std::chrono::milliseconds)>;

    static constexpr const char* kDevicePath = "emulated:logger";

    explicit EmulatedLogger(const LoggerImage& memory, EmulatorScenario scenario = {},
                            WaitFunction wait = {});

    std::optional<std::string> FindLogger() override;
    OpenResult Open(const std::string& devicePath) override;

    // Opening takes the lock that a real logger's node gets, on `memoryFile` (the file this
    // logger's memory came from), so two programs emulating one logger meet as two programs
    // on one real logger do.
    void LockThrough(std::filesystem::path memoryFile) { lockFile_ = std::move(memoryFile); }

    // Plugging in starts the report count of the scenario anew.
    void Plug();
    void Unplug();
    bool Plugged() const { return plugged_; }

    const EmulatedLoggerDevice& Device() const { return device_; }
    const LoggerImage& Memory() const { return device_.Memory(); }
    int ReportCount() const { return reportCount_; }

private:
    class Transport;

    TransportResult Write(const HidReport& report, std::deque<ReportPayload>& answers);
    TransportResult Read(HidReport& report, int timeoutMs, std::deque<ReportPayload>& answers);
    // Counts one report and tells whether the scenario's fault applies from it on.
    // Counts the report and applies the faults that strike writes and reads alike (removal, an
    // error at report k, a malformed answer armed at report k); the result when one ends the
    // transfer of this report.
    std::optional<TransportResult> CountReportAndApplyFault();
    // Whether the scenario's fault has started (from report k on).
    bool FaultActive() const {
        return scenario_.fault != EmulatedFault::None && reportCount_ >= scenario_.atReport;
    }

    EmulatedLoggerDevice device_;
    std::filesystem::path lockFile_;
    EmulatorScenario scenario_;
    WaitFunction wait_;
    bool plugged_ = true;
    int reportCount_ = 0;
    bool faultPending_ = false;  // a fault that hits the first answer at or after report k
};

}  // namespace velka
