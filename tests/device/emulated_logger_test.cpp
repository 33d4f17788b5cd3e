// The logger's side of the protocol, as the emulated logger and a virtual HID device share it.

#include "device/emulated_logger.h"
#include "device/emulated_logger_device.h"
#include "device_test_images.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

ReportPayload Payload(const HidReport& report) {
    ReportPayload payload{};
    std::copy(report.begin() + 1, report.end(), payload.begin());
    return payload;
}

TEST(EmulatedLoggerDevice, AnswersAReadWithTheBlockAtItsWordAddress) {
    const LoggerImage memory = testing::PatternImage(5);
    EmulatedLoggerDevice device(memory);
    const auto answer = device.HandleOutputReport(
        Payload(MakeCommandReport(kReadCommand, kSettingsBlocks.lastWord)));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(std::equal(answer->begin(), answer->end(), memory.begin() + 16320));
    // A block past the end of the memory is not answered.
    EXPECT_FALSE(device.HandleOutputReport(Payload(MakeCommandReport(kReadCommand, 8192))));
}

TEST(EmulatedLoggerDevice, WriteTakesTheNextReportAsItsData) {
    EmulatedLoggerDevice device(LoggerImage{});
    BlockBytes data{};
    data.fill(0x5A);
    data[0] = kCommandMarker;  // data that looks like a command is still data
    data[1] = kReadCommand;
    EXPECT_FALSE(device.HandleOutputReport(
        Payload(MakeCommandReport(kWriteCommand, kSettingsBlocks.firstWord))));
    EXPECT_TRUE(device.AwaitingData());
    EXPECT_FALSE(device.HandleOutputReport(Payload(MakeDataReport(data))));
    EXPECT_TRUE(
        std::equal(data.begin(), data.end(), device.Memory().begin() + kSettingsBlockOffset));
    EXPECT_FALSE(device.AwaitingData());
}

TEST(EmulatedLoggerDevice, EraseWriteWithAWrongEraseCodeWritesNothing) {
    const LoggerImage memory = testing::PatternImage(9);
    EmulatedLoggerDevice device(memory);
    HidReport command = MakeEraseWriteReport(kTransferredBlocks.firstWord);
    command[kEraseCodeReportOffset + 2] ^= 0xFF;
    device.HandleOutputReport(Payload(command));
    device.HandleOutputReport(Payload(MakeDataReport(BlockBytes{})));
    EXPECT_EQ(device.Memory(), memory);

    device.HandleOutputReport(Payload(MakeEraseWriteReport(kTransferredBlocks.firstWord)));
    device.HandleOutputReport(Payload(MakeDataReport(BlockBytes{})));
    EXPECT_EQ(device.Memory()[kSampleRegionOffset], 0);
    EXPECT_EQ(device.Memory()[kSampleRegionOffset + 64], memory[kSampleRegionOffset + 64]);
}

TEST(EmulatedLoggerDevice, IgnoresReportsThatAreNoCommand) {
    const LoggerImage memory = testing::PatternImage(2);
    EmulatedLoggerDevice device(memory);
    HidReport unknown = MakeCommandReport(0x99, 0);
    EXPECT_FALSE(device.HandleOutputReport(Payload(unknown)));
    EXPECT_FALSE(device.HandleOutputReport(Payload(HidReport{})));
    EXPECT_FALSE(device.AwaitingData());
    device.HandleOutputReport(Payload(MakeCommandReport(kFinalCommand, 0)));
    EXPECT_EQ(device.FinalCommandCount(), 1);
    EXPECT_EQ(device.Memory(), memory);
}

TEST(EmulatorScenarios, NamesParseAndPrintBack) {
    for (const char* name :
         {"normal", "slow", "timeout:1", "error:20", "removed:50", "malformed:6"}) {
        const auto scenario = EmulatorScenario::Parse(name);
        ASSERT_TRUE(scenario) << name;
        EXPECT_EQ(scenario->Name(), name);
    }
    EXPECT_EQ(EmulatorScenario::Parse("removed")->atReport, 1);
    EXPECT_EQ(EmulatorScenario::Parse("error:20")->fault, EmulatedFault::ErrorAtReport);
    for (const char* bad :
         {"", "fast", "removed:", "removed:0", "removed:-3", "removed:2x", "slow:4", "normal:1"})
        EXPECT_FALSE(EmulatorScenario::Parse(bad)) << bad;
}

TEST(EmulatedLogger, UnpluggedLoggerIsNotFoundAndCannotBeOpened) {
    EmulatedLogger logger(LoggerImage{});
    EXPECT_EQ(logger.FindLogger(), std::string(EmulatedLogger::kDevicePath));
    logger.Unplug();
    EXPECT_FALSE(logger.FindLogger());
    EXPECT_FALSE(logger.Open(EmulatedLogger::kDevicePath).transport);
    logger.Plug();
    EXPECT_TRUE(logger.Open(EmulatedLogger::kDevicePath).transport);
    EXPECT_FALSE(logger.Open("/dev/hidraw0").transport);
}

TEST(EmulatedLogger, ReadWithoutACommandTimesOut) {
    std::vector<std::chrono::milliseconds> waits;
    EmulatedLogger logger(LoggerImage{}, {},
                          [&waits](std::chrono::milliseconds wait) { waits.push_back(wait); });
    auto transport = logger.Open(EmulatedLogger::kDevicePath).transport;
    HidReport report{};
    EXPECT_EQ(transport->ReadReport(report, 300).status, TransportStatus::TimedOut);
    EXPECT_EQ(waits, std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(300)});
}

}  // namespace
}  // namespace velka
