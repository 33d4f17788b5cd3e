#include "device/device_link.h"

#include "services/translation.h"

#include <algorithm>

namespace velka {
namespace {

constexpr std::chrono::milliseconds kErasePause{50};

std::string StepText(TransferStep step) {
    switch (step) {
    case TransferStep::None:
        break;
    case TransferStep::ReadImage:
        return Tr("Device", "reading the logger");
    case TransferStep::WriteSettings:
        return Tr("Device", "writing the settings");
    case TransferStep::ReadStatus:
        return Tr("Device", "reading the status block");
    case TransferStep::EraseStatus:
        return Tr("Device", "clearing the status block");
    case TransferStep::ReadBack:
        return Tr("Device", "reading the logger back");
    case TransferStep::EraseSamples:
        return Tr("Device", "emptying the record");
    case TransferStep::WriteBack:
        return Tr("Device", "writing the settings back");
    case TransferStep::FinalCommand:
        return Tr("Device", "the final command");
    }
    return Tr("Device", "the transfer");
}

// Status block bytes that the erase rewrites: 0…7 cleared, 16…21 the clearCode.
constexpr std::size_t kStatusClearedBytes = 8;
constexpr std::size_t kStatusClearCodeOffset = kClearCodeOffset - kStatusBlockOffset;

// The settings that the logger keeps through an erase: image bytes 14848…14861.
constexpr std::size_t kErasedTailOffset = kDeliveryDateOffset;  // 14862

std::span<std::uint8_t, kBlockBytes> ImageBlock(LoggerImage& image, std::uint16_t wordAddress) {
    return std::span<std::uint8_t, kBlockBytes>(image.data() + ImageOffsetOfWord(wordAddress),
                                                kBlockBytes);
}

std::span<const std::uint8_t, kBlockBytes> ImageBlock(const LoggerImage& image,
                                                      std::uint16_t wordAddress) {
    return std::span<const std::uint8_t, kBlockBytes>(image.data() + ImageOffsetOfWord(wordAddress),
                                                      kBlockBytes);
}

}  // namespace

DeviceLink::DeviceLink(HidDeviceProvider& provider, DeviceLinkOptions options)
    : provider_(provider), options_(std::move(options)) {
    if (!options_.pause)
        options_.pause = SleepFor;
    if (!options_.waitForLogger)
        options_.waitForLogger = SleepFor;
}

DeviceLink::~DeviceLink() = default;

std::string DescribeTransferFailure(const TransferFailure& failure) {
    const std::string reason = DescribeResult(failure.result);
    if (failure.step == TransferStep::FinalCommand)
        return WithArguments(Tr("Device", "final command not acknowledged: %1"), {reason});
    if (failure.block > 0)
        return WithArguments(Tr("Device", "%1 failed at block %2 of %3: %4"),
                             {StepText(failure.step), std::to_string(failure.block),
                              std::to_string(failure.blockCount), reason});
    return WithArguments(Tr("Device", "%1 failed: %2"), {StepText(failure.step), reason});
}

bool DeviceLink::FindLogger() {
    auto path = provider_.FindLogger();
    if (!path)
        return false;
    devicePath_ = std::move(*path);
    return true;
}

ResultCode DeviceLink::OpenDevice(WhenInUse whenInUse) {
    CloseDevice();
    awaitingData_ = false;
    lastFailure_ = {};
    const bool found = FindLogger();
    if (devicePath_.empty())
        return kResultNoLogger;
    constexpr std::chrono::milliseconds kStep{100};
    HidDeviceProvider::OpenResult opened = provider_.Open(devicePath_);
    for (std::chrono::milliseconds waited{0};
         whenInUse == WhenInUse::Wait && opened.error == kResultLoggerInUse &&
         waited < options_.loggerInUsePatience;
         waited += kStep) {
        options_.waitForLogger(kStep);
        opened = provider_.Open(devicePath_);
    }
    if (!opened.transport) {
        // The path of a logger that has gone since (the search kept it) opens nothing: that
        // is no logger, not a logger that refuses to open.
        if (!found || opened.error == kResultSuccess)
            return kResultNoLogger;
        return opened.error;
    }
    transport_ = std::move(opened.transport);
    return kResultSuccess;
}

void DeviceLink::CloseDevice() {
    transport_.reset();
}

void DeviceLink::ResetForArrival() {
    devicePath_.clear();
    CloseDevice();
}

ResultCode DeviceLink::ResultOf(const TransportResult& result) const {
    switch (result.status) {
    case TransportStatus::Ok:
        return kResultSuccess;
    case TransportStatus::TimedOut:
        return kResultTimeout;
    case TransportStatus::Removed:
        return kResultDeviceRemoved;
    case TransportStatus::Failed:
        break;
    }
    return ResultFromSystemError(result.systemError);
}

ResultCode DeviceLink::Send(const HidReport& report) {
    if (trace_ != nullptr)
        WriteReportHex(*trace_, "out", report);
    return ResultOf(transport_->WriteReport(report));
}

ResultCode DeviceLink::Receive(HidReport& report) {
    const TransportResult result = transport_->ReadReport(report, options_.readTimeoutMs);
    if (result.status != TransportStatus::Ok) {
        if (trace_ != nullptr)
            *trace_ << "in  (" << DescribeResult(ResultOf(result)) << ")\n";
        return ResultOf(result);
    }
    if (trace_ != nullptr)
        WriteReportHex(*trace_, "in ",
                       std::span(report.data(), std::min(result.length, kReportSize)));
    if (result.length != kReportSize || report[0] != kReportId)
        return kResultMalformedAnswer;
    return kResultSuccess;
}

void DeviceLink::Pause(std::chrono::milliseconds duration) {
    options_.pause(duration);
}

ResultCode DeviceLink::ReadBlock(std::uint16_t wordAddress,
                                 std::span<std::uint8_t, kBlockBytes> out) {
    if (!transport_)
        return kResultNotOpen;
    if (const ResultCode result = Send(MakeCommandReport(kReadCommand, wordAddress)))
        return result;
    HidReport answer{};
    // A failed or malformed answer leaves `out` untouched: no block is ever made of guesses.
    if (const ResultCode result = Receive(answer))
        return result;
    std::copy(answer.begin() + 1, answer.end(), out.begin());
    return kResultSuccess;
}

ResultCode DeviceLink::WriteBlock(std::uint16_t wordAddress,
                                  std::span<const std::uint8_t, kBlockBytes> data) {
    if (!transport_)
        return kResultNotOpen;
    if (const ResultCode result = Send(MakeCommandReport(kWriteCommand, wordAddress)))
        return result;
    const ResultCode result = Send(MakeDataReport(data));
    awaitingData_ = result != kResultSuccess;
    return result;
}

ResultCode DeviceLink::EraseWriteBlock(std::uint16_t wordAddress,
                                       std::span<const std::uint8_t, kBlockBytes> data) {
    if (!transport_)
        return kResultNotOpen;
    if (const ResultCode result = Send(MakeEraseWriteReport(wordAddress)))
        return result;
    const ResultCode result = Send(MakeDataReport(data));
    awaitingData_ = result != kResultSuccess;
    return result;
}

ResultCode DeviceLink::Fail(TransferStep step, ResultCode result, int block, int blockCount) {
    lastFailure_ = {step, result, block, blockCount};
    return result;
}

template <typename Step>
ResultCode DeviceLink::Walk(TransferStep step, BlockRange range, Step blockStep) {
    const BlockWalk<ResultCode> walk = WalkBlocks(range, blockStep);
    if (walk.result == kResultSuccess)
        return kResultSuccess;
    return Fail(step, walk.result, walk.failedBlock, range.Count());
}

ResultCode DeviceLink::ReadImage(LoggerImage& image) {
    lastFailure_ = {};
    return Walk(TransferStep::ReadImage, kTransferredBlocks, [&](std::uint16_t address) {
        return ReadBlock(address, ImageBlock(image, address));
    });
}

ResultCode DeviceLink::WriteSettings(const LoggerImage& image) {
    if (const ResultCode opened = OpenDevice())
        return opened;
    const ResultCode result = WriteSettingsArea(image);
    CloseDevice();
    return result;
}

ResultCode DeviceLink::WriteSettings(const WritePreparation& prepare) {
    if (const ResultCode opened = OpenDevice())
        return opened;
    LoggerImage current{};
    ResultCode result = ReadImage(current);
    if (result == kResultSuccess) {
        const std::optional<LoggerImage> prepared = prepare(current);
        result = prepared ? WriteSettingsArea(*prepared) : kResultWriteRefused;
    }
    CloseDevice();
    return result;
}

ResultCode DeviceLink::WriteSettingsArea(const LoggerImage& image) {
    return Walk(TransferStep::WriteSettings, kSettingsBlocks, [&](std::uint16_t address) {
        return WriteBlock(address, ImageBlock(image, address));
    });
}

EraseOutcome DeviceLink::EraseRecord(LoggerImage& image, const EraseCheck& check) {
    if (const ResultCode opened = OpenDevice())
        return {false, false, opened, {}};
    EraseOutcome outcome = EraseOpenedRecord(image, check);
    outcome.failure = lastFailure_;
    CloseDevice();
    return outcome;
}

EraseOutcome DeviceLink::EraseOpenedRecord(LoggerImage& image, const EraseCheck& check) {
    if (check) {
        // What the logger holds now decides, not an image read some time ago: it may have
        // recorded on since.
        LoggerImage current = image;
        if (const ResultCode result = ReadImage(current))
            return {true, false, result, {}};
        if (!check(current))
            return {true, true, kResultSuccess, {}};
    }

    // The status block is rewritten from what the logger holds: if that read fails, writing
    // the cleared buffer would wipe the serial number and the calibration words. Nothing has
    // been written then, so there is no erase for the final command to end either.
    BlockBytes status{};
    if (const ResultCode result = ReadBlock(kStatusBlockWordAddress, status))
        return {true, false, Fail(TransferStep::ReadStatus, result), {}};
    std::fill_n(status.begin(), kStatusClearedBytes, std::uint8_t{0});
    std::copy_n(kEraseCode.begin(), kEraseCodeSignificantBytes,
                status.begin() + kStatusClearCodeOffset);
    Pause(kErasePause);

    // Unlike the rest of the erase, a failure here ends it. After a lost data report the
    // logger may still wait for the status block's data, and whatever came next (the
    // read-back's first command, the final command) would be written over the serial number
    // and the calibration words, which nothing could restore.
    if (const ResultCode result = EraseWriteBlock(kStatusBlockWordAddress, status))
        return {true, false, Fail(TransferStep::EraseStatus, result), {}};
    Pause(kErasePause);

    // The settings written back below come from this read-back; a half-read image must never
    // reach the logger, so the erase writes nothing more when it fails and `image` stays as it
    // was. A read leaves the logger waiting for nothing, so the final command still ends the
    // erase on its side.
    LoggerImage erased = image;
    if (const ResultCode result = ReadImage(erased)) {
        lastFailure_.step = TransferStep::ReadBack;
        Pause(kErasePause);
        SendFinalCommand();
        return {true, false, result, {}};
    }
    Pause(kErasePause);

    std::fill(erased.begin() + kSampleRegionOffset, erased.begin() + kSampleRegionEnd,
              std::uint8_t{0});
    std::fill(erased.begin() + kErasedTailOffset, erased.end(), std::uint8_t{0});
    image = erased;

    // The status block is left out here: the erase-write above was its only write. A failing
    // sample block ends the sample loop only: the settings are still written back and the
    // final command still ends the erase, unless a lost data report left the logger waiting
    // for data, which the next report would then become.
    const ResultCode samples =
        Walk(TransferStep::EraseSamples, kSampleBlocks, [&](std::uint16_t address) {
            return EraseWriteBlock(address, ImageBlock(image, address));
        });
    Pause(kErasePause);
    if (awaitingData_)
        return {true, false, samples, {}};

    const TransferFailure samplesFailure = lastFailure_;
    const ResultCode settings =
        Walk(TransferStep::WriteBack, kSettingsBlocks, [&](std::uint16_t address) {
            return WriteBlock(address, ImageBlock(image, address));
        });
    Pause(kErasePause);
    // The first failure is the one reported.
    if (samples != kResultSuccess)
        lastFailure_ = samplesFailure;
    if (awaitingData_)
        return {true, false, samples != kResultSuccess ? samples : settings, {}};

    const ResultCode finalCommand = SendFinalCommand();
    if (samples != kResultSuccess || settings != kResultSuccess)
        return {true, false, samples != kResultSuccess ? samples : settings, {}};
    return {true, false, finalCommand, {}};
}

ResultCode DeviceLink::SendFinalCommand() {
    if (!transport_)
        return kResultSuccess;
    const ResultCode result = Send(MakeCommandReport(kFinalCommand, 0));
    if (result != kResultSuccess && lastFailure_.step == TransferStep::None)
        Fail(TransferStep::FinalCommand, result);
    return result;
}

}  // namespace velka
