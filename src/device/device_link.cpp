#include "device/device_link.h"

#include <algorithm>
#include <thread>

namespace velka {
namespace {

constexpr std::chrono::milliseconds kErasePause{50};

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
        options_.pause = [](std::chrono::milliseconds duration) {
            std::this_thread::sleep_for(duration);
        };
}

DeviceLink::~DeviceLink() = default;

void DeviceLink::FindLogger() {
    if (auto path = provider_.FindLogger())
        devicePath_ = std::move(*path);
}

ResultCode DeviceLink::OpenDevice() {
    CloseDevice();
    FindLogger();
    if (devicePath_.empty())
        return kResultNoLogger;
    HidDeviceProvider::OpenResult opened = provider_.Open(devicePath_);
    if (!opened.transport)
        return opened.error != kResultSuccess ? opened.error : kResultNoLogger;
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
    return Send(MakeDataReport(data));
}

ResultCode DeviceLink::EraseWriteBlock(std::uint16_t wordAddress,
                                       std::span<const std::uint8_t, kBlockBytes> data) {
    if (!transport_)
        return kResultNotOpen;
    if (const ResultCode result = Send(MakeEraseWriteReport(wordAddress)))
        return result;
    return Send(MakeDataReport(data));
}

ResultCode DeviceLink::ReadImage(LoggerImage& image) {
    ResultCode result = kResultSuccess;
    for (std::uint16_t address = kFirstReadWordAddress; address <= kLastWordAddress;
         address += kWordsPerBlock) {
        result = ReadBlock(address, ImageBlock(image, address));
        if (result != kResultSuccess)
            break;
    }
    return result;
}

ResultCode DeviceLink::WriteSettings(const LoggerImage& image) {
    if (OpenDevice() != kResultSuccess)
        return kResultNoLogger;
    ResultCode result = kResultSuccess;
    for (std::uint16_t address = kSettingsWordAddress; address <= kLastWordAddress;
         address += kWordsPerBlock) {
        result = WriteBlock(address, ImageBlock(image, address));
        if (result != kResultSuccess)
            break;
    }
    CloseDevice();
    return result;
}

EraseOutcome DeviceLink::EraseRecord(LoggerImage& image) {
    if (const ResultCode opened = OpenDevice())
        return {false, opened};
    const EraseOutcome outcome = EraseOpenedRecord(image);
    CloseDevice();
    return outcome;
}

EraseOutcome DeviceLink::EraseOpenedRecord(LoggerImage& image) {
    // The status block is rewritten from what the logger holds: if that read fails, writing
    // the cleared buffer would wipe the serial number and the calibration words.
    BlockBytes status{};
    if (const ResultCode result = ReadBlock(kStatusBlockWordAddress, status))
        return {true, result};
    std::fill_n(status.begin(), kStatusClearedBytes, std::uint8_t{0});
    std::copy_n(kEraseCode.begin(), kEraseCodeSignificantBytes,
                status.begin() + kStatusClearCodeOffset);
    Pause(kErasePause);

    if (const ResultCode result = EraseWriteBlock(kStatusBlockWordAddress, status))
        return {true, result};
    Pause(kErasePause);

    // The settings written back below come from this read-back; a half-read image must never
    // reach the logger, so the erase stops here when it fails and `image` stays as it was.
    LoggerImage erased = image;
    if (const ResultCode result = ReadImage(erased))
        return {true, result};
    Pause(kErasePause);

    std::fill(erased.begin() + kSampleRegionOffset, erased.begin() + kSampleRegionEnd,
              std::uint8_t{0});
    std::fill(erased.begin() + kErasedTailOffset, erased.end(), std::uint8_t{0});
    image = erased;

    // The status block is left out here: the erase-write above was its only write. Each of the
    // two loops stops at its first failure, but the settings are still written back and the
    // final command still ends the erase on the logger's side; the first failure is reported.
    ResultCode firstFailure = kResultSuccess;
    for (std::uint16_t address = kFirstReadWordAddress; address <= kLastSampleWordAddress;
         address += kWordsPerBlock) {
        if (const ResultCode result = EraseWriteBlock(address, ImageBlock(image, address))) {
            firstFailure = result;
            break;
        }
    }
    Pause(kErasePause);

    for (std::uint16_t address = kSettingsWordAddress; address <= kLastWordAddress;
         address += kWordsPerBlock) {
        if (const ResultCode result = WriteBlock(address, ImageBlock(image, address))) {
            if (firstFailure == kResultSuccess)
                firstFailure = result;
            break;
        }
    }
    Pause(kErasePause);

    // The final command has no answer to check.
    if (transport_)
        Send(MakeCommandReport(kFinalCommand, 0));
    return {true, firstFailure};
}

}  // namespace velka
