#pragma once
// The report protocol and the three transfers of the logger's memory: reading the image,
// writing the settings area back, and erasing the record. Each transfer opens the logger,
// works, and closes it again; no transport stays open between user actions.

#include "device/hid_report.h"
#include "device/hid_transport.h"
#include "device/result_code.h"
#include "record/logger_image.h"
#include "storage/exclusive_lock.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace velka {

struct DeviceLinkOptions {
    // The longest wait for one answer; a logger that stops answering fails its block with
    // kResultTimeout instead of freezing the program.
    int readTimeoutMs = 2000;
    // The pauses between the steps of the erase; tests replace it so they do not sleep.
    std::function<void(std::chrono::milliseconds)> pause;
    // How long a read that a plug-in started waits for a logger that another program holds
    // (that program archives the record meanwhile), and how it waits: the window keeps its
    // event loop running.
    std::chrono::milliseconds loggerInUsePatience{10000};
    LockWait waitForLogger = SleepFor;
};

// What opening does with a logger that another program holds: a transfer the user started is
// refused at once; a read that a plug-in started waits for it.
enum class WhenInUse { Refuse, Wait };

// The step of a transfer at which it stopped.
enum class TransferStep {
    None,
    ReadImage,      // reading the image (an acquisition, or the erase's first look)
    WriteSettings,  // writing the settings area
    ReadStatus,     // erase: reading the status block
    EraseStatus,    // erase: erase-writing the status block
    ReadBack,       // erase: reading the image back
    EraseSamples,   // erase: erase-writing the sample blocks
    WriteBack,      // erase: writing the settings area back
    FinalCommand,   // erase: the final command
};

struct TransferFailure {
    TransferStep step = TransferStep::None;
    ResultCode result = kResultSuccess;
    int block = 0;  // the failing block of the step, from 1; 0 for a step of one report
    int blockCount = 0;
};

// "writing the settings back failed at block 24 of 24: the logger did not answer in time".
std::string DescribeTransferFailure(const TransferFailure& failure);

// Decides, from what the logger holds (image bytes 3776…16383 as just read from it), whether
// it may be emptied.
using EraseCheck = std::function<bool(const LoggerImage& loggerImage)>;

// Makes, from what the logger holds (image bytes 3776…16383 as just read from it), the image
// whose settings area is written to it; nothing refuses the write.
using WritePreparation = std::function<std::optional<LoggerImage>(const LoggerImage& loggerImage)>;

// What an erase achieved: whether the logger could be opened at all, whether the check
// refused it (then nothing was written), and the first failure with its step.
struct EraseOutcome {
    bool opened = false;
    bool refused = false;
    ResultCode result = kResultSuccess;
    TransferFailure failure;
};

class DeviceLink {
public:
    explicit DeviceLink(HidDeviceProvider& provider, DeviceLinkOptions options = {});
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // The path of the logger found by the last successful search; empty at start-up.
    const std::string& devicePath() const { return devicePath_; }
    // True after an acquisition opened the logger, false after a failed one and after removal.
    bool devicePresent() const { return devicePresent_; }
    void SetDevicePresent(bool present) { devicePresent_ = present; }
    bool IsOpen() const { return transport_ != nullptr; }

    // The search: keeps devicePath as it was when no logger is present; whether one was found.
    bool FindLogger();
    // Closes an open transport, searches, and opens the logger found: kResultNoLogger when
    // none is there (a path kept from an earlier search that no longer opens counts as none),
    // otherwise the provider's reason when the logger found cannot be opened
    // (kResultLoggerInUse while another program holds it).
    ResultCode OpenDevice(WhenInUse whenInUse = WhenInUse::Refuse);
    void CloseDevice();
    // Before a new acquisition: no path known, nothing open.
    void ResetForArrival();

    ResultCode ReadBlock(std::uint16_t wordAddress, std::span<std::uint8_t, kBlockBytes> out);
    ResultCode WriteBlock(std::uint16_t wordAddress,
                          std::span<const std::uint8_t, kBlockBytes> data);
    ResultCode EraseWriteBlock(std::uint16_t wordAddress,
                               std::span<const std::uint8_t, kBlockBytes> data);

    // Reads image bytes 3776…16383 (197 blocks) from the open logger, stopping at the first
    // failure; the blocks not read keep what `image` held.
    ResultCode ReadImage(LoggerImage& image);
    // Opens the logger, writes image bytes 14848…16383 (24 blocks), closes it. The reason
    // when the logger cannot be opened, as OpenDevice gives it.
    ResultCode WriteSettings(const LoggerImage& image);
    // The same for the image that `prepare` makes of what the logger holds, read first within
    // the same opening: kResultWriteRefused, with nothing written, when it makes none.
    ResultCode WriteSettings(const WritePreparation& prepare);
    // Opens the logger and empties its record; on success `image` holds the erased content.
    // With a check, the logger is read first and left untouched unless the check agrees.
    EraseOutcome EraseRecord(LoggerImage& image, const EraseCheck& check = {});
    // Where the last transfer stopped (step None after one that went through).
    const TransferFailure& LastFailure() const { return lastFailure_; }

    // When set, every report written and read is dumped there as one hex line.
    void SetReportTrace(std::ostream* trace) { trace_ = trace; }

private:
    ResultCode Send(const HidReport& report);
    ResultCode Receive(HidReport& report);
    ResultCode ResultOf(const TransportResult& result) const;
    void Pause(std::chrono::milliseconds duration);
    EraseOutcome EraseOpenedRecord(LoggerImage& image, const EraseCheck& check);
    // Sends the final command when the transport is still open; its failure is recorded
    // only when nothing failed before it.
    ResultCode SendFinalCommand();
    ResultCode Fail(TransferStep step, ResultCode result, int block = 0, int blockCount = 0);
    ResultCode WriteSettingsArea(const LoggerImage& image);
    template <typename Step> ResultCode Walk(TransferStep step, BlockRange range, Step blockStep);

    HidDeviceProvider& provider_;
    DeviceLinkOptions options_;
    std::string devicePath_;
    std::unique_ptr<HidTransport> transport_;
    bool devicePresent_ = false;
    // A write command went out but its data report did not: the logger may still wait for
    // the block's data and would take the next report as that data.
    bool awaitingData_ = false;
    TransferFailure lastFailure_;
    std::ostream* trace_ = nullptr;
};

}  // namespace velka
