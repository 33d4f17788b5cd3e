#pragma once
// The real logger through hidapi's hidraw backend.

#include "device/hid_transport.h"

#include <filesystem>
#include <string>

namespace velka {

class HidapiProvider final : public HidDeviceProvider {
public:
    // Initialises hidapi; keep one provider for the life of the program. `sysfsRoot` is where
    // the kernel's device tree is mounted (tests hand in their own).
    explicit HidapiProvider(std::filesystem::path sysfsRoot = "/sys");
    ~HidapiProvider() override;
    HidapiProvider(const HidapiProvider&) = delete;
    HidapiProvider& operator=(const HidapiProvider&) = delete;

    // The first present HID device with vendor 0x0FE6 and product 0x0413, matched on the
    // numbers; its hidraw node ("/dev/hidrawN") is the path.
    std::optional<std::string> FindLogger() override;
    // Opens the hidraw node only when the HID device behind it is the logger: Linux hands a
    // freed hidraw number to the next HID device plugged in, so a path kept from an earlier
    // search may now name a keyboard.
    OpenResult Open(const std::string& devicePath) override;

private:
    std::filesystem::path sysfsRoot_;
};

}  // namespace velka
