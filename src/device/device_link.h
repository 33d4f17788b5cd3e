#pragma once
// The report protocol and the three transfers of the logger's memory: reading the image,
// writing the settings area back, and erasing the record. Each transfer opens the logger,
// works, and closes it again; no transport stays open between user actions.

#include "device/hid_report.h"
#include "device/hid_transport.h"
#include "device/result_code.h"
#include "record/logger_image.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>

namespace velka {

struct DeviceLinkOptions {
    // The longest wait for one answer; a logger that stops answering fails its block with
    // kResultTimeout instead of freezing the program.
    int readTimeoutMs = 2000;
    // The pauses between the steps of the erase; tests replace it so they do not sleep.
    std::function<void(std::chrono::milliseconds)> pause;
};

// What an erase achieved: whether the logger could be opened at all (the user is then asked to
// connect it) and the first failure.
struct EraseOutcome {
    bool opened = false;
    ResultCode result = kResultSuccess;
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

    // The search: keeps devicePath as it was when no logger is present.
    void FindLogger();
    // Closes an open transport, searches, and opens the logger found.
    ResultCode OpenDevice();
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
    // Opens the logger, writes image bytes 14848…16383 (24 blocks), closes it.
    ResultCode WriteSettings(const LoggerImage& image);
    // Opens the logger and empties its record; on success `image` holds the erased content.
    EraseOutcome EraseRecord(LoggerImage& image);

    // When set, every report written and read is dumped there as one hex line.
    void SetReportTrace(std::ostream* trace) { trace_ = trace; }

private:
    ResultCode Send(const HidReport& report);
    ResultCode Receive(HidReport& report);
    ResultCode ResultOf(const TransportResult& result) const;
    void Pause(std::chrono::milliseconds duration);
    EraseOutcome EraseOpenedRecord(LoggerImage& image);

    HidDeviceProvider& provider_;
    DeviceLinkOptions options_;
    std::string devicePath_;
    std::unique_ptr<HidTransport> transport_;
    bool devicePresent_ = false;
    std::ostream* trace_ = nullptr;
};

}  // namespace velka
