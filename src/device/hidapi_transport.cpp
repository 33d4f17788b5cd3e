#include "device/hidapi_transport.h"

#include "device/hotplug_event.h"
#include "storage/exclusive_lock.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <hidapi/hidapi.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velka {
namespace {

class HidapiTransport final : public HidTransport {
public:
    HidapiTransport(hid_device* device, std::string devicePath, ExclusiveLock lock)
        : device_(device), devicePath_(std::move(devicePath)), lock_(std::move(lock)) {}
    ~HidapiTransport() override { hid_close(device_); }
    HidapiTransport(const HidapiTransport&) = delete;
    HidapiTransport& operator=(const HidapiTransport&) = delete;

    TransportResult WriteReport(const HidReport& report) override {
        // hidapi takes the report ID as the first byte and the kernel strips ID 0 again.
        errno = 0;
        const int written = hid_write(device_, report.data(), report.size());
        if (written < 0)
            return Failure(errno);
        return {TransportStatus::Ok, 0, static_cast<std::size_t>(written)};
    }

    TransportResult ReadReport(HidReport& report, int timeoutMs) override {
        // hidraw delivers an unnumbered report without its report ID: the 64 data bytes go
        // behind byte 0, which holds the ID the logger did not send.
        report.fill(0);
        errno = 0;
        const int got = hid_read_timeout(device_, report.data() + 1, kReportPayloadSize, timeoutMs);
        if (got == 0)
            return {TransportStatus::TimedOut, 0, 0};
        // hidapi gives up without an errno when its poll sees a hang-up or an error on the
        // node, which hidraw reports only once the device is gone. The node itself may still
        // be there for a moment, so its absence cannot tell.
        if (got < 0 && errno == 0)
            return {TransportStatus::Removed, ENODEV, 0};
        if (got < 0)
            return Failure(errno);
        report[0] = kReportId;
        return {TransportStatus::Ok, 0, static_cast<std::size_t>(got) + 1};
    }

private:
    // A write to a node whose device is gone fails with ENODEV; otherwise a node that has
    // disappeared tells a removal from another error.
    TransportResult Failure(int errorNumber) const {
        if (errorNumber == ENODEV || ::access(devicePath_.c_str(), F_OK) != 0)
            return {TransportStatus::Removed, ENODEV, 0};
        return {TransportStatus::Failed, errorNumber != 0 ? errorNumber : EIO, 0};
    }

    hid_device* device_;
    std::string devicePath_;
    ExclusiveLock lock_;  // released after hid_close, with the transport
};

// The HID_ID ("BUS:VENDOR:PRODUCT") of the HID device behind a hidraw node, or "" when it
// cannot be read.
std::string HidIdOfNode(const std::filesystem::path& hidrawEntry) {
    std::ifstream uevent(hidrawEntry / "device" / "uevent");
    constexpr std::string_view kKey = "HID_ID=";
    for (std::string line; std::getline(uevent, line);) {
        if (line.rfind(kKey, 0) == 0)
            return line.substr(kKey.size());
    }
    return {};
}

}  // namespace

HidapiProvider::HidapiProvider(std::filesystem::path sysfsRoot) : sysfsRoot_(std::move(sysfsRoot)) {
    hid_init();
}

HidapiProvider::~HidapiProvider() {
    hid_exit();
}

std::optional<std::string> HidapiProvider::FindLogger() {
    hid_device_info* devices = hid_enumerate(kLoggerVendorId, kLoggerProductId);
    std::optional<std::string> path;
    // Only the first match is used; a second logger plugged in at the same time is not seen.
    for (const hid_device_info* device = devices; device != nullptr; device = device->next) {
        if (device->vendor_id == kLoggerVendorId && device->product_id == kLoggerProductId &&
            device->path != nullptr && *device->path != '\0') {
            path = device->path;
            break;
        }
    }
    hid_free_enumeration(devices);
    return path;
}

HidDeviceProvider::OpenResult HidapiProvider::Open(const std::string& devicePath) {
    // hidapi 0.13 crashes when asked to open a node that is not a hidraw device, so only a
    // character device that the hidraw class lists is handed to it.
    struct stat status {};
    if (::stat(devicePath.c_str(), &status) != 0)
        return {nullptr, ResultFromSystemError(errno)};
    std::error_code error;
    const auto hidrawEntry =
        sysfsRoot_ / "class" / "hidraw" / std::filesystem::path(devicePath).filename();
    if (!S_ISCHR(status.st_mode) || !std::filesystem::exists(hidrawEntry, error))
        return {nullptr, ResultFromSystemError(ENODEV)};
    const std::optional<HidIdentity> identity = ParseHidId(HidIdOfNode(hidrawEntry));
    if (!identity || identity->vendor != kLoggerVendorId || identity->product != kLoggerProductId)
        return {nullptr, ResultFromSystemError(ENODEV)};
    // hidapi keeps its descriptor to itself, so the lock is taken on a descriptor of our own;
    // every program that may open the node may lock it.
    ExclusiveLock lock(devicePath);
    if (lock.Busy())
        return {nullptr, kResultLoggerInUse};
    if (!lock.Held())
        return {nullptr, ResultFromSystemError(lock.Error().value())};
    errno = 0;
    hid_device* device = hid_open_path(devicePath.c_str());
    if (device == nullptr) {
        const int errorNumber = errno;
        return {nullptr, ResultFromSystemError(errorNumber != 0 ? errorNumber : ENODEV)};
    }
    return {std::make_unique<HidapiTransport>(device, devicePath, std::move(lock)), kResultSuccess};
}

}  // namespace velka
