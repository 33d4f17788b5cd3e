#include "device/emulated_logger.h"

#include "storage/exclusive_lock.h"

#include <algorithm>
#include <cerrno>
#include <thread>

namespace velka {

// A malformed answer: a report cut after half its block.
constexpr std::size_t kMalformedAnswerLength = 33;

// The open "file" on the logger: it keeps the answers that arrived since it was opened.
class EmulatedLogger::Transport final : public HidTransport {
public:
    Transport(EmulatedLogger& logger, ExclusiveLock lock)
        : logger_(logger), lock_(std::move(lock)) {}
    TransportResult WriteReport(const HidReport& report) override {
        return logger_.Write(report, answers_);
    }
    TransportResult ReadReport(HidReport& report, int timeoutMs) override {
        return logger_.Read(report, timeoutMs, answers_);
    }

private:
    EmulatedLogger& logger_;
    ExclusiveLock lock_;
    std::deque<ReportPayload> answers_;
};

EmulatedLogger::EmulatedLogger(const LoggerImage& memory, EmulatorScenario scenario,
                               WaitFunction wait)
    : device_(memory), scenario_(scenario), wait_(std::move(wait)) {
    if (!wait_)
        wait_ = [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

std::optional<std::string> EmulatedLogger::FindLogger() {
    if (!plugged_)
        return std::nullopt;
    return std::string(kDevicePath);
}

HidDeviceProvider::OpenResult EmulatedLogger::Open(const std::string& devicePath) {
    if (!plugged_ || devicePath != kDevicePath)
        return {nullptr, ResultFromSystemError(ENOENT)};
    ExclusiveLock lock;
    if (!lockFile_.empty()) {
        lock = ExclusiveLock(lockFile_);
        if (lock.Busy())
            return {nullptr, kResultLoggerInUse};
        if (!lock.Held())
            return {nullptr, ResultFromSystemError(lock.Error().value())};
    }
    return {std::make_unique<Transport>(*this, std::move(lock)), kResultSuccess};
}

void EmulatedLogger::Plug() {
    plugged_ = true;
    reportCount_ = 0;
    faultPending_ = false;
}

void EmulatedLogger::Unplug() {
    plugged_ = false;
}

std::optional<TransportResult> EmulatedLogger::CountReportAndApplyFault() {
    const int reportNumber = ++reportCount_;
    if (!FaultActive())
        return std::nullopt;
    switch (scenario_.fault) {
    case EmulatedFault::RemovedAtReport:
        Unplug();
        return TransportResult{TransportStatus::Removed, ENODEV, 0};
    case EmulatedFault::ErrorAtReport:
        if (reportNumber == scenario_.atReport)
            return TransportResult{TransportStatus::Failed, EIO, 0};
        break;
    case EmulatedFault::MalformedAnswer:
        if (reportNumber == scenario_.atReport)
            faultPending_ = true;
        break;
    default:
        break;
    }
    return std::nullopt;
}

TransportResult EmulatedLogger::Write(const HidReport& report, std::deque<ReportPayload>& answers) {
    if (!plugged_)
        return {TransportStatus::Removed, ENODEV, 0};
    if (const auto fault = CountReportAndApplyFault())
        return *fault;
    ReportPayload payload{};
    std::copy(report.begin() + 1, report.end(), payload.begin());
    if (auto answer = device_.HandleOutputReport(payload))
        answers.push_back(*answer);
    return {TransportStatus::Ok, 0, kReportSize};
}

TransportResult EmulatedLogger::Read(HidReport& report, int timeoutMs,
                                     std::deque<ReportPayload>& answers) {
    if (!plugged_)
        return {TransportStatus::Removed, ENODEV, 0};
    const std::chrono::milliseconds timeout{std::max(timeoutMs, 0)};
    if (const auto fault = CountReportAndApplyFault())
        return *fault;
    if (FaultActive() && scenario_.fault == EmulatedFault::NoAnswer) {
        // The logger has hung: whatever it was asked, nothing comes back.
        answers.clear();
        wait_(timeout);
        return {TransportStatus::TimedOut, 0, 0};
    }
    if (answers.empty()) {
        wait_(timeout);
        return {TransportStatus::TimedOut, 0, 0};
    }
    if (scenario_.fault == EmulatedFault::Slow) {
        if (scenario_.answerDelayMs > timeoutMs) {
            wait_(timeout);
            return {TransportStatus::TimedOut, 0, 0};
        }
        wait_(std::chrono::milliseconds(scenario_.answerDelayMs));
    }
    const ReportPayload answer = answers.front();
    answers.pop_front();
    report.fill(0);
    report[0] = kReportId;
    std::copy(answer.begin(), answer.end(), report.begin() + 1);
    if (faultPending_) {
        faultPending_ = false;
        std::fill(report.begin() + kMalformedAnswerLength, report.end(), std::uint8_t{0});
        return {TransportStatus::Ok, 0, kMalformedAnswerLength};
    }
    return {TransportStatus::Ok, 0, kReportSize};
}

}  // namespace velka
