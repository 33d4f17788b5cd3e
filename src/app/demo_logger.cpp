#include "app/demo_logger.h"

#include "record/synthetic_recording.h"
#include "storage/file_io.h"

#include <iostream>

namespace velka {
namespace {

constexpr std::uint32_t kDemoSerialNumber = 0x00A4C215;
constexpr std::uint16_t kDemoIntervalSeconds = 300;

SyntheticRecording DemoRecording(std::uint32_t serialNumber, std::uint32_t seed,
                                 const ReferenceTables& tables, std::int64_t now) {
    SyntheticRecordingOptions options;
    options.serialNumber = serialNumber;
    options.logIntervalSeconds = kDemoIntervalSeconds;
    // Two to six days on the road, ending an hour ago.
    options.sampleCount = 576 + (seed * 193u) % 1152;
    options.startTime =
        now - 3600 - static_cast<std::int64_t>(options.sampleCount) * kDemoIntervalSeconds;
    options.seed = seed;
    options.excursions = seed % 3 != 2;
    return SynthesizeRecording(options, tables);
}

}  // namespace

// The open logger: forwards every report and, once the transfer is over, saves what changed.
class DemoLogger::SavingTransport final : public HidTransport {
public:
    SavingTransport(DemoLogger& owner, std::unique_ptr<HidTransport> transport)
        : owner_(owner), transport_(std::move(transport)) {}
    ~SavingTransport() override { owner_.SaveIfChanged(); }

    TransportResult WriteReport(const HidReport& report) override {
        return transport_->WriteReport(report);
    }
    TransportResult ReadReport(HidReport& report, int timeoutMs) override {
        return transport_->ReadReport(report, timeoutMs);
    }

private:
    DemoLogger& owner_;
    std::unique_ptr<HidTransport> transport_;
};

std::filesystem::path DemoLoggerFile(const DataRoot& dataRoot) {
    return dataRoot.Root() / "demo" / "logger.bin";
}

DemoLogger::DemoLogger(const DataRoot& dataRoot, const ReferenceTables& tables, const Clock& clock)
    : tables_(tables), clock_(clock), memoryFile_(DemoLoggerFile(dataRoot)) {
    LoggerImage memory{};
    // A missing or cut file (the demo's own) gets a fresh recording.
    if (ReadImageFile(memoryFile_, memory) == kImageSize) {
        logger_ = std::make_unique<EmulatedLogger>(memory);
        logger_->LockThrough(memoryFile_);
        saved_ = memory;
    } else {
        const std::int64_t now = clock_.Now();
        logger_ = std::make_unique<EmulatedLogger>(
            DemoRecording(kDemoSerialNumber, static_cast<std::uint32_t>(now), tables_, now).image);
        logger_->LockThrough(memoryFile_);
        SaveIfChanged();
        // Saved or not, the made-up memory counts as what the file should hold.
        saved_ = logger_->Memory();
    }
    logger_->Unplug();
}

DemoLogger::~DemoLogger() = default;

std::optional<std::string> DemoLogger::FindLogger() {
    return logger_->FindLogger();
}

HidDeviceProvider::OpenResult DemoLogger::Open(const std::string& devicePath) {
    OpenResult opened = logger_->Open(devicePath);
    if (opened.transport)
        opened.transport = std::make_unique<SavingTransport>(*this, std::move(opened.transport));
    return opened;
}

void DemoLogger::StartNewRecording() {
    const std::uint32_t serialNumber = ReadU32(logger_->Memory(), kSerialNumberOffset);
    const std::int64_t now = clock_.Now();
    const auto seed = static_cast<std::uint32_t>(now) + ++recordingsMade_;
    Replace(DemoRecording(serialNumber, seed, tables_, now).image);
}

void DemoLogger::Replace(const LoggerImage& memory) {
    const bool plugged = logger_->Plugged();
    logger_ = std::make_unique<EmulatedLogger>(memory);
    logger_->LockThrough(memoryFile_);
    if (!plugged)
        logger_->Unplug();
    SaveIfChanged();
}

void DemoLogger::SaveIfChanged() {
    const LoggerImage& memory = logger_->Memory();
    if (memory == saved_ && std::filesystem::exists(memoryFile_))
        return;
    std::error_code error;
    if (!EnsureDirectory(memoryFile_.parent_path()))
        error = std::make_error_code(std::errc::not_a_directory);
    else
        error = WriteFileAtomically(memoryFile_, memory);
    saveFailed_ = static_cast<bool>(error);
    if (error) {
        std::cerr << "velka: the demo logger's memory cannot be saved to " << memoryFile_.string()
                  << ": " << error.message() << '\n';
        return;
    }
    saved_ = memory;
}

}  // namespace velka
