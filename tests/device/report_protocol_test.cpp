// The reports the protocol sends and how it reads answers, against a recording transport.

#include "device/device_link.h"
#include "recording_transport.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>

namespace velka {
namespace {

using testing::RecordingProvider;
using testing::ScriptedRead;
using testing::TransportLog;

HidReport Report(std::initializer_list<std::uint8_t> leading) {
    HidReport report{};
    std::copy(leading.begin(), leading.end(), report.begin());
    return report;
}

ScriptedRead Answer(std::uint8_t firstByte) {
    ScriptedRead read;
    read.result = {TransportStatus::Ok, 0, kReportSize};
    for (std::size_t i = 1; i < kReportSize; ++i)
        read.report[i] = static_cast<std::uint8_t>(firstByte + i - 1);
    return read;
}

class ReportProtocol : public ::testing::Test {
protected:
    TransportLog log;
    RecordingProvider provider{log};
    DeviceLink link{provider, {.readTimeoutMs = 2000, .pause = [](std::chrono::milliseconds) {}}};
    BlockBytes block{};
};

TEST_F(ReportProtocol, ReadCommandCarriesTheWordAddressLowByteFirst) {
    ASSERT_EQ(link.OpenDevice(), kResultSuccess);
    log.reads.push_back(Answer(0x10));
    ASSERT_EQ(link.ReadBlock(kStatusBlockWordAddress, block), kResultSuccess);

    ASSERT_EQ(log.written.size(), 1u);
    EXPECT_EQ(log.written[0], Report({0x00, 0x53, 0xB0, 0xE0, 0x1C}));
    EXPECT_EQ(log.readTimeoutsMs, std::vector<int>{2000});
    // Answer bytes 1…64 are the block.
    EXPECT_EQ(block[0], 0x10);
    EXPECT_EQ(block[63], 0x10 + 63);
}

TEST_F(ReportProtocol, WriteAndEraseWriteSendCommandThenDataReport) {
    ASSERT_EQ(link.OpenDevice(), kResultSuccess);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(0xC0 ^ i);

    ASSERT_EQ(link.WriteBlock(kSettingsBlocks.firstWord, block), kResultSuccess);
    ASSERT_EQ(link.EraseWriteBlock(kTransferredBlocks.firstWord, block), kResultSuccess);

    ASSERT_EQ(log.written.size(), 4u);
    EXPECT_EQ(log.written[0], Report({0x00, 0x53, 0xB1, 0x00, 0x1D}));
    EXPECT_EQ(log.written[1], MakeDataReport(block));
    EXPECT_EQ(log.written[1][0], 0x00);
    EXPECT_EQ(log.written[1][64], block[63]);
    // 1888 = 0x0760; the erase code in bytes 5…12: six significant bytes, two zeros.
    HidReport erase = Report({0x00, 0x53, 0x4B, 0x60, 0x07});
    std::copy(kEraseCode.begin(), kEraseCode.end(), erase.begin() + 5);
    EXPECT_EQ(log.written[2], erase);
    EXPECT_EQ(erase[11], 0x00);
    EXPECT_EQ(erase[12], 0x00);
    EXPECT_NE(erase[10], 0x00);
    EXPECT_EQ(log.written[3], MakeDataReport(block));
    EXPECT_TRUE(log.readTimeoutsMs.empty());  // writes read no answer
}

TEST_F(ReportProtocol, FinalCommandCarriesNoAddress) {
    EXPECT_EQ(MakeCommandReport(kFinalCommand, 7392), Report({0x00, 0x53, 0x5C}));
}

TEST_F(ReportProtocol, BlockOperationsWithoutOpenTransportReturn87) {
    EXPECT_EQ(link.ReadBlock(kTransferredBlocks.firstWord, block), kResultNotOpen);
    EXPECT_EQ(link.WriteBlock(kTransferredBlocks.firstWord, block), kResultNotOpen);
    EXPECT_EQ(link.EraseWriteBlock(kTransferredBlocks.firstWord, block), kResultNotOpen);
    LoggerImage image{};
    EXPECT_EQ(link.ReadImage(image), kResultNotOpen);
    EXPECT_TRUE(log.written.empty());
}

TEST_F(ReportProtocol, WriteSettingsWithoutLoggerTouchesNoReport) {
    provider.present = false;
    EXPECT_EQ(link.WriteSettings(LoggerImage{}), kResultNoLogger);
    EXPECT_EQ(log.opens, 0);
    EXPECT_TRUE(log.written.empty());
}

TEST_F(ReportProtocol, SearchKeepsTheLastPathWhenNoLoggerIsPresent) {
    link.FindLogger();
    EXPECT_EQ(link.devicePath(), "/dev/hidraw7");
    provider.present = false;
    link.FindLogger();
    EXPECT_EQ(link.devicePath(), "/dev/hidraw7");
    link.ResetForArrival();
    EXPECT_EQ(link.devicePath(), "");
    EXPECT_EQ(link.OpenDevice(), kResultNoLogger);
}

// A read that does not bring a well-formed answer fails with its own code and leaves the block
// as it was: a time-out never turns into data.
TEST_F(ReportProtocol, EveryKindOfFailedAnswerKeepsItsOwnCode) {
    struct Case {
        TransportResult result;
        std::uint8_t reportId;
        ResultCode expected;
    };
    const Case cases[] = {
        {{TransportStatus::TimedOut, 0, 0}, 0x00, kResultTimeout},
        {{TransportStatus::Removed, ENODEV, 0}, 0x00, kResultDeviceRemoved},
        {{TransportStatus::Failed, EPROTO, 0}, 0x00, kSystemErrorBase + EPROTO},
        {{TransportStatus::Failed, 0, 0}, 0x00, kSystemErrorBase + EIO},
        {{TransportStatus::Ok, 0, 33}, 0x00, kResultMalformedAnswer},
        {{TransportStatus::Ok, 0, kReportSize}, 0x02, kResultMalformedAnswer},
    };
    ASSERT_EQ(link.OpenDevice(), kResultSuccess);
    for (const Case& c : cases) {
        ScriptedRead read = Answer(0x40);
        read.result = c.result;
        read.report[0] = c.reportId;
        log.reads.push_back(read);
        BlockBytes untouched{};
        untouched.fill(0x77);
        block = untouched;
        EXPECT_EQ(link.ReadBlock(kTransferredBlocks.firstWord, block), c.expected);
        EXPECT_EQ(block, untouched) << DescribeResult(c.expected);
    }
}

TEST(ResultCodes, NoSystemErrorReadsAsSuccessOrAsAnotherCode) {
    EXPECT_NE(ResultFromSystemError(0), kResultSuccess);
    for (int error : {EINVAL, ENOENT, EIO, ENODEV, 87})
        for (ResultCode other : {kResultSuccess, kResultNotOpen, kResultNoLogger, kResultTimeout,
                                 kResultDeviceRemoved, kResultMalformedAnswer})
            EXPECT_NE(ResultFromSystemError(error), other);
    EXPECT_EQ(DescribeResult(ResultFromSystemError(ENOENT)),
              "system error: No such file or directory");
}

TEST_F(ReportProtocol, TraceDumpsEveryReportAsHex) {
    std::ostringstream trace;
    link.SetReportTrace(&trace);
    ASSERT_EQ(link.OpenDevice(), kResultSuccess);
    log.reads.push_back(Answer(0xAB));
    ASSERT_EQ(link.ReadBlock(kStatusBlockWordAddress, block), kResultSuccess);
    ASSERT_EQ(link.ReadBlock(kStatusBlockWordAddress, block), kResultTimeout);

    std::istringstream lines(trace.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 19), "out 00 53 B0 E0 1C ");
    EXPECT_EQ(line.size(), 3 + 65 * 3u);
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 12), "in  00 AB AC");
    std::getline(lines, line);
    std::getline(lines, line);
    EXPECT_EQ(line, "in  (the logger did not answer in time)");
}

}  // namespace
}  // namespace velka
