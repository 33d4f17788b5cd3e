#pragma once
// The transport under the protocol: it moves whole 65-byte reports and nothing else. The
// hidapi transport, the emulated logger and test fakes implement it, so the protocol never
// knows which one it talks to.

#include "device/hid_report.h"
#include "device/result_code.h"

#include <memory>
#include <optional>
#include <string>

namespace velka {

enum class TransportStatus {
    Ok,
    TimedOut,  // no answer within the wait
    Removed,   // the device is gone
    Failed,    // any other error; systemError holds its errno value
};

struct TransportResult {
    TransportStatus status = TransportStatus::Ok;
    int systemError = 0;
    // Bytes of the report received (reads only): 65 for a well-formed answer.
    std::size_t length = 0;
};

class HidTransport {
public:
    virtual ~HidTransport() = default;
    // Sends one 65-byte report, report ID in byte 0.
    virtual TransportResult WriteReport(const HidReport& report) = 0;
    // Waits at most timeoutMs for one report and puts it into `report` with the report ID in
    // byte 0, whatever the platform delivers.
    virtual TransportResult ReadReport(HidReport& report, int timeoutMs) = 0;
};

// Where loggers are found and opened: the USB bus through hidapi, or an emulated logger.
class HidDeviceProvider {
public:
    virtual ~HidDeviceProvider() = default;

    // The path of the first logger present (vendor 0x0FE6, product 0x0413), if any.
    virtual std::optional<std::string> FindLogger() = 0;

    struct OpenResult {
        std::unique_ptr<HidTransport> transport;  // null when the open failed
        ResultCode error = kResultSuccess;
    };
    // Opens the logger for this program alone: kResultLoggerInUse while another program has
    // it open. The transport holds it until it is destroyed.
    virtual OpenResult Open(const std::string& devicePath) = 0;
};

}  // namespace velka
