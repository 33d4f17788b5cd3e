// The hidapi transport as far as a machine without the logger allows: the search, a failed
// open with its system error, and the link's "no logger" outcome.

#include "device/device_link.h"
#include "device/hidapi_transport.h"
#include "temp_dir.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(HidapiTransport, OpeningAMissingNodeGivesItsSystemError) {
    HidapiProvider provider;
    const auto opened = provider.Open("/dev/velka-no-such-hidraw");
    EXPECT_FALSE(opened.transport);
    EXPECT_EQ(opened.error, kSystemErrorBase + ENOENT);
}

TEST(HidapiTransport, OpeningANodeThatIsNoHidDeviceFails) {
    HidapiProvider provider;
    // A character device of another class, and a folder.
    for (const char* path : {"/dev/null", "/dev"}) {
        const auto opened = provider.Open(path);
        EXPECT_FALSE(opened.transport);
        EXPECT_EQ(opened.error, kSystemErrorBase + ENODEV) << path;
    }
}

// A hidraw number freed by the logger goes to the next HID device plugged in: a path kept from
// an earlier search must not open that device.
TEST(HidapiTransport, NodeOfAnotherHidDeviceIsNotOpened) {
    const testing::TempDir sysfs;
    // /dev/null stands in for the node; its sysfs entry says whose it is.
    const auto entry = sysfs / "class" / "hidraw" / "null" / "device";
    std::filesystem::create_directories(entry);
    HidapiProvider provider(sysfs.Path());
    EXPECT_EQ(provider.Open("/dev/null").error, kSystemErrorBase + ENODEV);  // no uevent
    std::ofstream(entry / "uevent") << "DRIVER=hid-generic\nHID_ID=0003:0000046D:0000C31C\n";
    EXPECT_EQ(provider.Open("/dev/null").error, kSystemErrorBase + ENODEV);  // a keyboard
    std::ofstream(entry / "uevent") << "HID_ID=0003:00000FE6:00000999\n";
    EXPECT_EQ(provider.Open("/dev/null").error, kSystemErrorBase + ENODEV);  // wrong product
}

TEST(HidapiTransport, LinkWithoutLoggerReportsNoLogger) {
    HidapiProvider provider;
    if (const auto path = provider.FindLogger())
        GTEST_SKIP() << "a logger is plugged in at " << *path;
    DeviceLink link(provider);
    EXPECT_EQ(link.OpenDevice(), kResultNoLogger);
    EXPECT_EQ(link.devicePath(), "");
    EXPECT_EQ(link.WriteSettings(LoggerImage{}), kResultNoLogger);
    LoggerImage image{};
    EXPECT_FALSE(link.EraseRecord(image).opened);
}

}  // namespace
}  // namespace velka
