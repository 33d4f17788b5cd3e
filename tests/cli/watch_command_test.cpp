// velka-cli watch on this machine: wrong use, and a clean end on SIGINT or SIGTERM. Loggers
// arriving and leaving are exercised through the real kernel in tests/vm.

#include "child_process.h"
#include "cli_fixture.h"
#include "device/device_watcher.h"
#include "device/hidapi_transport.h"

#include <csignal>

namespace velka::testing {
namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr const char* kWatchingText = "watching for loggers; SIGINT or SIGTERM ends\n";

class WatchCommand : public CliTest {};

TEST_F(WatchCommand, RefusesWrongUse) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"watch", "--count", "0"},
          {"watch", "--count", "many"},
          {"watch", "now"},
          {"watch", "--emulate", "logger.bin"},
          {"watch", "--dump", "out.bin"},
          {"watch", "--sync-if-configured"},
          {"watch", "--read", "--sync", "--sync-if-configured"}}) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.back();
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(WatchCommand, EndsCleanlyOnAStopSignal) {
    if (!DeviceWatcher().Available())
        GTEST_SKIP() << "hot-plug events cannot be received on this machine";
    if (HidapiProvider().FindLogger())
        GTEST_SKIP() << "a logger is plugged in";
    for (int stopSignal : {SIGTERM, SIGINT}) {
        std::vector<std::string> arguments = {"watch", "--read"};
        const std::vector<std::string> globals = Globals();
        arguments.insert(arguments.end(), globals.begin(), globals.end());
        ChildProcess watch(CliPath(), arguments);
        // The signal is taken as a request to stop once the watch listens.
        ASSERT_TRUE(watch.WaitForErr(kWatchingText, kStartTimeoutMs)) << watch.Err();
        watch.Signal(stopSignal);
        EXPECT_EQ(watch.Wait(kStartTimeoutMs), 0) << "signal " << stopSignal;
        EXPECT_EQ(watch.Out(), "");
        EXPECT_EQ(watch.Err(), kWatchingText);
    }
}

}  // namespace
}  // namespace velka::testing
