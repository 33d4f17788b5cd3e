// The hidapi transport as far as a machine without the logger allows: the search, a failed
// open with its system error, and the link's "no logger" outcome.

#include "device/device_link.h"
#include "device/hidapi_transport.h"

#include <cerrno>
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
