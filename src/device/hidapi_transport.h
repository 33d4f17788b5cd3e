#pragma once
// The real logger through hidapi's hidraw backend.

#include "device/hid_transport.h"

#include <string>

namespace velka {

class HidapiProvider final : public HidDeviceProvider {
public:
    // Initialises hidapi; keep one provider for the life of the program.
    HidapiProvider();
    ~HidapiProvider() override;
    HidapiProvider(const HidapiProvider&) = delete;
    HidapiProvider& operator=(const HidapiProvider&) = delete;

    // The first present HID device with vendor 0x0FE6 and product 0x0413, matched on the
    // numbers; its hidraw node ("/dev/hidrawN") is the path.
    std::optional<std::string> FindLogger() override;
    OpenResult Open(const std::string& devicePath) override;
};

}  // namespace velka
