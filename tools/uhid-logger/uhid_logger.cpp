#include "uhid_logger.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <linux/uhid.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace velka {
namespace {

constexpr const char* kUhidPath = "/dev/uhid";
constexpr const char* kDeviceName = "Velka virtual temperature logger";

// One vendor-defined application collection with one 64-byte input and one 64-byte output
// report and no report IDs: the logger's report layout, so that hidraw treats both alike.
// clang-format off
constexpr std::uint8_t kReportDescriptor[] = {
    0x06, 0x00, 0xFF,           // Usage Page (vendor defined 0xFF00)
    0x09, 0x01,                 // Usage (1)
    0xA1, 0x01,                 // Collection (Application)
    0x15, 0x00,                 //   Logical Minimum (0)
    0x26, 0xFF, 0x00,           //   Logical Maximum (255)
    0x75, 0x08,                 //   Report Size (8 bits)
    0x95, kReportPayloadSize,   //   Report Count (64)
    0x09, 0x02,                 //   Usage (2)
    0x81, 0x02,                 //   Input (Data, Variable, Absolute)
    0x95, kReportPayloadSize,   //   Report Count (64)
    0x09, 0x03,                 //   Usage (3)
    0x91, 0x02,                 //   Output (Data, Variable, Absolute)
    0xC0,                       // End Collection
};
// clang-format on

std::system_error SystemError(const char* what) {
    return std::system_error(errno, std::generic_category(), what);
}

// Copies a text into a zero-filled field of the event, keeping its terminating zero.
void CopyText(std::uint8_t* field, std::size_t capacity, const char* text) {
    std::copy_n(text, std::min(capacity - 1, std::strlen(text)), field);
}

}  // namespace

std::optional<ReportPayload> PayloadOfOutputReport(std::span<const std::uint8_t> data) {
    ReportPayload payload{};
    if (data.size() == kReportSize && data[0] == kReportId) {
        std::copy(data.begin() + 1, data.end(), payload.begin());
        return payload;
    }
    if (data.size() == kReportPayloadSize) {
        std::copy(data.begin(), data.end(), payload.begin());
        return payload;
    }
    return std::nullopt;
}

UhidLogger::UhidLogger(const LoggerImage& memory) : device_(memory) {
    uhidFd_ = ::open(kUhidPath, O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (uhidFd_ < 0)
        throw SystemError("cannot open /dev/uhid");
}

UhidLogger::~UhidLogger() {
    // Closing /dev/uhid destroys a device that is still plugged in.
    ::close(uhidFd_);
}

void UhidLogger::WriteEvent(const void* event, std::size_t size) {
    // /dev/uhid takes one whole event per write and never writes part of one.
    if (::write(uhidFd_, event, size) != static_cast<ssize_t>(size))
        throw SystemError("cannot write to /dev/uhid");
}

void UhidLogger::Plug() {
    if (plugged_)
        return;
    uhid_event event{};
    event.type = UHID_CREATE2;
    CopyText(event.u.create2.name, sizeof event.u.create2.name, kDeviceName);
    CopyText(event.u.create2.phys, sizeof event.u.create2.phys, "uhid-logger");
    event.u.create2.rd_size = sizeof kReportDescriptor;
    event.u.create2.bus = BUS_USB;
    event.u.create2.vendor = kLoggerVendorId;
    event.u.create2.product = kLoggerProductId;
    event.u.create2.version = 0x0100;
    event.u.create2.country = 0;
    std::memcpy(event.u.create2.rd_data, kReportDescriptor, sizeof kReportDescriptor);
    WriteEvent(&event, sizeof event);
    plugged_ = true;
    reportsSincePlug_ = 0;
    // A logger that loses power forgets a write command that waited for its data.
    device_ = EmulatedLoggerDevice(device_.Memory());
}

void UhidLogger::Unplug() {
    if (!plugged_)
        return;
    uhid_event event{};
    event.type = UHID_DESTROY;
    WriteEvent(&event, sizeof event);
    plugged_ = false;
}

void UhidLogger::HandleEvents() {
    while (plugged_) {
        uhid_event event{};
        const ssize_t got = ::read(uhidFd_, &event, sizeof event);
        if (got < 0) {
            if (errno == EAGAIN || errno == EINTR)
                return;
            throw SystemError("cannot read /dev/uhid");
        }
        if (static_cast<std::size_t>(got) < sizeof event.type)
            continue;
        switch (event.type) {
        case UHID_OUTPUT:
            HandleOutput(std::span<const std::uint8_t>(
                event.u.output.data, std::min<std::size_t>(event.u.output.size, UHID_DATA_MAX)));
            break;
        case UHID_GET_REPORT:
            ReplyToReportRequest(UHID_GET_REPORT_REPLY, event.u.get_report.id);
            break;
        case UHID_SET_REPORT:
            ReplyToReportRequest(UHID_SET_REPORT_REPLY, event.u.set_report.id);
            break;
        default:  // start, stop, open and close need no answer
            break;
        }
    }
}

void UhidLogger::HandleOutput(std::span<const std::uint8_t> data) {
    ++statistics_.outputReports;
    statistics_.outputReportLengths.insert(data.size());
    if (unplugAtReport_ > 0 && ++reportsSincePlug_ >= unplugAtReport_) {
        Unplug();
        return;
    }
    const auto payload = PayloadOfOutputReport(data);
    if (!payload) {
        ++statistics_.ignoredReports;
        return;
    }
    if (const auto answer = device_.HandleOutputReport(*payload)) {
        std::this_thread::sleep_for(answerDelay_);
        SendInput(*answer);
    }
}

void UhidLogger::SendInput(const ReportPayload& payload) {
    uhid_event event{};
    event.type = UHID_INPUT2;
    event.u.input2.size = kReportPayloadSize;
    std::memcpy(event.u.input2.data, payload.data(), payload.size());
    WriteEvent(&event, sizeof event);
    ++statistics_.answers;
}

void UhidLogger::ReplyToReportRequest(std::uint32_t eventType, std::uint32_t requestId) {
    // The logger has no feature reports and takes nothing over the control pipe; answering
    // at once spares the kernel its five-second wait.
    uhid_event event{};
    event.type = eventType;
    if (eventType == UHID_GET_REPORT_REPLY) {
        event.u.get_report_reply.id = requestId;
        event.u.get_report_reply.err = EIO;
    } else {
        event.u.set_report_reply.id = requestId;
        event.u.set_report_reply.err = EIO;
    }
    WriteEvent(&event, sizeof event);
}

}  // namespace velka
