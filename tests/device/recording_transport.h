#pragma once
// A transport for protocol tests: records every report written and answers each read from a
// script (a report, a time-out, a removal or an error).

#include "device/hid_transport.h"

#include <deque>
#include <vector>

namespace velka::testing {

struct ScriptedRead {
    TransportResult result;
    HidReport report{};
};

struct TransportLog {
    std::vector<HidReport> written;
    std::vector<int> readTimeoutsMs;
    std::deque<ScriptedRead> reads;
    int opens = 0;
};

class RecordingTransport final : public HidTransport {
public:
    explicit RecordingTransport(TransportLog& log) : log_(log) {}
    TransportResult WriteReport(const HidReport& report) override {
        log_.written.push_back(report);
        return {TransportStatus::Ok, 0, kReportSize};
    }
    TransportResult ReadReport(HidReport& report, int timeoutMs) override {
        log_.readTimeoutsMs.push_back(timeoutMs);
        if (log_.reads.empty())
            return {TransportStatus::TimedOut, 0, 0};
        const ScriptedRead read = log_.reads.front();
        log_.reads.pop_front();
        report = read.report;
        return read.result;
    }

private:
    TransportLog& log_;
};

// One recording transport on a bus that holds a logger or not.
class RecordingProvider final : public HidDeviceProvider {
public:
    explicit RecordingProvider(TransportLog& log) : log_(log) {}
    std::optional<std::string> FindLogger() override {
        if (!present)
            return std::nullopt;
        return std::string("/dev/hidraw7");
    }
    OpenResult Open(const std::string&) override {
        ++log_.opens;
        return {std::make_unique<RecordingTransport>(log_), kResultSuccess};
    }
    bool present = true;

private:
    TransportLog& log_;
};

}  // namespace velka::testing
