// Hot-plug: the decision on synthetic events, and the watcher on whatever this machine has.

#include "device/device_watcher.h"
#include "device/hotplug_event.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>

namespace velka {
namespace {

constexpr const char* kLoggerHidId = "0003:00000FE6:00000413";

HotplugEvent Event(std::string action, std::string devnode, std::string parentHidId) {
    return {std::move(action), "hidraw", std::move(devnode), std::move(parentHidId)};
}

TEST(HotplugDecision, ParsesHidIdsAsNumbers) {
    const auto identity = ParseHidId("0003:00000fe6:00000413");
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->bus, 3u);
    EXPECT_EQ(identity->vendor, 0x0FE6u);
    EXPECT_EQ(identity->product, 0x0413u);
    EXPECT_EQ(ParseHidId("0003:0FE6:413")->product, 0x0413u);
    for (const char* bad :
         {"", "0003", "0003:00000FE6", "0003:XYZ:0413", "0003:0FE6:0413:", "0003::0413"})
        EXPECT_FALSE(ParseHidId(bad)) << bad;
}

TEST(HotplugDecision, ArrivalOfTheLoggerIsRecognisedByVendorAndProduct) {
    const std::set<std::string> none;
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw2", kLoggerHidId), none),
              HotplugDecision::LoggerArrived);
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw2", "0003:00000fe6:00000413"), none),
              HotplugDecision::LoggerArrived);
    // Another vendor's device, another product of the same vendor, a device without parent.
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw2", "0003:0000046D:0000C52B"), none),
              HotplugDecision::Ignore);
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw2", "0003:00000FE6:00000414"), none),
              HotplugDecision::Ignore);
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw2", ""), none),
              HotplugDecision::Ignore);
    // Other actions and other subsystems are not arrivals.
    EXPECT_EQ(ClassifyHotplugEvent(Event("bind", "/dev/hidraw2", kLoggerHidId), none),
              HotplugDecision::Ignore);
    EXPECT_EQ(ClassifyHotplugEvent(Event("change", "/dev/hidraw2", kLoggerHidId), none),
              HotplugDecision::Ignore);
    HotplugEvent usb = Event("add", "", kLoggerHidId);
    usb.subsystem = "usb";
    EXPECT_EQ(ClassifyHotplugEvent(usb, none), HotplugDecision::Ignore);
}

TEST(HotplugDecision, ALoggerAlreadyKnownDoesNotArriveTwice) {
    // Listed when the watcher started, then its own "add" event comes in.
    const std::set<std::string> loggers = {"/dev/hidraw2"};
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw2", kLoggerHidId), loggers),
              HotplugDecision::Ignore);
    EXPECT_EQ(ClassifyHotplugEvent(Event("add", "/dev/hidraw3", kLoggerHidId), loggers),
              HotplugDecision::LoggerArrived);
}

TEST(HotplugDecision, RemovalIsRecognisedByTheNodeThatArrivedAsLogger) {
    const std::set<std::string> loggers = {"/dev/hidraw2"};
    // After a removal the parent cannot be read any more: the node tells.
    EXPECT_EQ(ClassifyHotplugEvent(Event("remove", "/dev/hidraw2", ""), loggers),
              HotplugDecision::LoggerRemoved);
    EXPECT_EQ(ClassifyHotplugEvent(Event("remove", "/dev/hidraw3", ""), loggers),
              HotplugDecision::Ignore);
    EXPECT_EQ(ClassifyHotplugEvent(Event("remove", "/dev/hidraw3", kLoggerHidId), loggers),
              HotplugDecision::LoggerRemoved);
    EXPECT_EQ(ClassifyHotplugEvent(Event("remove", "", ""), {""}), HotplugDecision::Ignore);
}

// This machine may or may not have udev, netlink or USB: the watcher either works or is
// unavailable, and in neither case blocks, throws or invents events.
TEST(DeviceWatcher, FailsQuietlyOrWatchesWithoutBlocking) {
    for (HotplugSource source :
         {HotplugSource::Automatic, HotplugSource::Udev, HotplugSource::Kernel}) {
        DeviceWatcher watcher(source);
        if (!watcher.Available()) {
            EXPECT_EQ(watcher.FileDescriptor(), -1);
            EXPECT_TRUE(watcher.ReadPendingEvents().empty());
            continue;
        }
        ASSERT_GE(watcher.FileDescriptor(), 0);
        // Reading never waits, and a program the window starts does not inherit the socket.
        EXPECT_TRUE(::fcntl(watcher.FileDescriptor(), F_GETFL) & O_NONBLOCK);
        EXPECT_TRUE(::fcntl(watcher.FileDescriptor(), F_GETFD) & FD_CLOEXEC);
        pollfd descriptor{watcher.FileDescriptor(), POLLIN, 0};
        EXPECT_GE(::poll(&descriptor, 1, 0), 0);
        // Events of other devices may arrive on a busy machine, but never one of a logger that
        // is not plugged in: every reported event is an arrival or a removal.
        for (const DeviceEvent& event : watcher.ReadPendingEvents())
            EXPECT_NE(event.kind, HotplugDecision::Ignore);
    }
}

}  // namespace
}  // namespace velka
