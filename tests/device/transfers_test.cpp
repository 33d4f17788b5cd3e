// The three transfers against the emulated logger: the logger's memory and the image checked
// region by region afterwards, and every fault of a transfer.

#include "device/device_link.h"
#include "device/emulated_logger.h"
#include "device_test_images.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace velka {
namespace {

using namespace std::chrono_literals;
using testing::PatternImage;
using testing::SyntheticLoggerImage;

// The bytes [first, last) of two images are equal.
::testing::AssertionResult SameBytes(const LoggerImage& actual, const LoggerImage& expected,
                                     std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure()
                   << "byte " << i << " differs in [" << first << ", " << last << ")";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ZeroBytes(const LoggerImage& image, std::size_t first,
                                     std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        if (image[i] != 0)
            return ::testing::AssertionFailure() << "byte " << i << " is not zero";
    }
    return ::testing::AssertionSuccess();
}

struct Waits {
    std::vector<std::chrono::milliseconds> logger;  // the emulated logger's waits
    std::vector<std::chrono::milliseconds> pauses;  // the erase's pauses
};

class Transfers : public ::testing::Test {
protected:
    void Connect(const LoggerImage& memory, EmulatorScenario scenario = {}) {
        logger = std::make_unique<EmulatedLogger>(
            memory, scenario,
            [this](std::chrono::milliseconds wait) { waits.logger.push_back(wait); });
        link = std::make_unique<DeviceLink>(
            *logger, DeviceLinkOptions{2000, [this](std::chrono::milliseconds pause) {
                                           waits.pauses.push_back(pause);
                                       }});
    }

    static EmulatorScenario Fault(EmulatedFault fault, int atReport) {
        return {fault, atReport, 10};
    }

    Waits waits;
    std::unique_ptr<EmulatedLogger> logger;
    std::unique_ptr<DeviceLink> link;
};

TEST_F(Transfers, ReadImageReadsBytes3776OnAndNeverTheFirstArea) {
    const LoggerImage memory = PatternImage(1);
    const LoggerImage earlier = PatternImage(99);
    Connect(memory);
    LoggerImage image = earlier;
    ASSERT_EQ(link->OpenDevice(), kResultSuccess);
    ASSERT_EQ(link->ReadImage(image), kResultSuccess);

    EXPECT_TRUE(SameBytes(image, earlier, 0, kSampleRegionOffset));
    EXPECT_TRUE(SameBytes(image, memory, kSampleRegionOffset, kImageSize));
    EXPECT_EQ(logger->ReportCount(), 2 * 197);  // 197 commands and answers, the last at 8160
    EXPECT_TRUE(waits.logger.empty());
}

TEST_F(Transfers, ReadFailureOnTheTenthBlockLeavesTheRestAsItWas) {
    const LoggerImage memory = PatternImage(1);
    const LoggerImage earlier = PatternImage(99);
    Connect(memory, Fault(EmulatedFault::ErrorAtReport, 20));  // the answer of block 10
    LoggerImage image = earlier;
    ASSERT_EQ(link->OpenDevice(), kResultSuccess);
    EXPECT_EQ(link->ReadImage(image), kSystemErrorBase + EIO);

    EXPECT_TRUE(SameBytes(image, memory, kSampleRegionOffset, 4352));
    EXPECT_TRUE(SameBytes(image, earlier, 4352, kImageSize));
    EXPECT_EQ(logger->ReportCount(), 20);  // no block after the failure is tried
}

TEST_F(Transfers, LoggerThatStopsAnsweringTimesOutAfterTwoSeconds) {
    Connect(PatternImage(1), Fault(EmulatedFault::NoAnswer, 7));
    LoggerImage image{};
    ASSERT_EQ(link->OpenDevice(), kResultSuccess);
    EXPECT_EQ(link->ReadImage(image), kResultTimeout);
    EXPECT_EQ(waits.logger, std::vector<std::chrono::milliseconds>{2000ms});
    EXPECT_EQ(logger->ReportCount(), 8);  // the answer of block 4 never came
    EXPECT_TRUE(ZeroBytes(image, kSampleRegionOffset + 3 * 64, kImageSize));
}

TEST_F(Transfers, SlowLoggerIsReadCompletely) {
    const LoggerImage memory = PatternImage(3);
    Connect(memory, {EmulatedFault::Slow, 1, 25});
    LoggerImage image{};
    ASSERT_EQ(link->OpenDevice(), kResultSuccess);
    EXPECT_EQ(link->ReadImage(image), kResultSuccess);
    EXPECT_TRUE(SameBytes(image, memory, kSampleRegionOffset, kImageSize));
    EXPECT_EQ(waits.logger.size(), 197u);
    EXPECT_EQ(waits.logger.front(), 25ms);
}

TEST_F(Transfers, LoggerRemovedInMidTransferIsGone) {
    Connect(PatternImage(1), Fault(EmulatedFault::RemovedAtReport, 51));
    LoggerImage image{};
    ASSERT_EQ(link->OpenDevice(), kResultSuccess);
    EXPECT_EQ(link->ReadImage(image), kResultDeviceRemoved);
    EXPECT_FALSE(logger->FindLogger());
    // The search keeps the last path, but a kept path that no longer opens is no logger.
    EXPECT_EQ(link->OpenDevice(), kResultNoLogger);
    EXPECT_EQ(link->devicePath(), EmulatedLogger::kDevicePath);
    EXPECT_EQ(link->WriteSettings(image), kResultNoLogger);
}

TEST_F(Transfers, MalformedAnswerFailsItsBlockWithoutCopyingIt) {
    const LoggerImage earlier = PatternImage(99);
    Connect(PatternImage(1), Fault(EmulatedFault::MalformedAnswer, 6));
    LoggerImage image = earlier;
    ASSERT_EQ(link->OpenDevice(), kResultSuccess);
    EXPECT_EQ(link->ReadImage(image), kResultMalformedAnswer);
    EXPECT_TRUE(SameBytes(image, earlier, kSampleRegionOffset + 2 * 64, kImageSize));
}

TEST_F(Transfers, WriteSettingsWritesTheSettingsAreaOnly) {
    const LoggerImage memory = PatternImage(1);
    const LoggerImage image = PatternImage(50);
    Connect(memory);
    ASSERT_EQ(link->WriteSettings(image), kResultSuccess);

    EXPECT_TRUE(SameBytes(logger->Memory(), memory, 0, kSettingsBlockOffset));
    EXPECT_TRUE(SameBytes(logger->Memory(), image, kSettingsBlockOffset, kImageSize));
    EXPECT_EQ(logger->ReportCount(), 2 * 24);
    EXPECT_FALSE(link->IsOpen());
}

TEST_F(Transfers, WriteSettingsStopsAtTheFirstFailingBlock) {
    const LoggerImage memory = PatternImage(1);
    Connect(memory, Fault(EmulatedFault::ErrorAtReport, 5));  // the command of block 3
    EXPECT_EQ(link->WriteSettings(PatternImage(50)), kSystemErrorBase + EIO);
    EXPECT_TRUE(SameBytes(logger->Memory(), memory, kSettingsBlockOffset + 2 * 64, kImageSize));
    EXPECT_EQ(logger->ReportCount(), 5);
}

TEST_F(Transfers, EraseEmptiesTheRecordAndKeepsIdentityAndSettings) {
    const LoggerImage memory = SyntheticLoggerImage();
    const LoggerImage before = PatternImage(7);
    Connect(memory);
    LoggerImage image = before;
    const EraseOutcome outcome = link->EraseRecord(image);
    ASSERT_TRUE(outcome.opened);
    ASSERT_EQ(outcome.result, kResultSuccess);

    const LoggerImage& erased = logger->Memory();
    EXPECT_TRUE(SameBytes(erased, memory, 0, kSampleRegionOffset));  // never transferred
    EXPECT_TRUE(ZeroBytes(erased, kSampleRegionOffset, kSampleRegionEnd));
    // Status block: bytes 0…7 cleared, 16…21 the erase code, the rest (serial, calibration) kept.
    EXPECT_TRUE(ZeroBytes(erased, kStatusBlockOffset, kStatusBlockOffset + 8));
    EXPECT_TRUE(SameBytes(erased, memory, kStatusBlockOffset + 8, kClearCodeOffset));
    for (std::size_t i = 0; i < kEraseCodeSignificantBytes; ++i)
        EXPECT_EQ(erased[kClearCodeOffset + i], kEraseCode[i]);
    EXPECT_TRUE(SameBytes(erased, memory, kClearCodeOffset + 6, kSettingsBlockOffset));
    EXPECT_TRUE(SameBytes(erased, memory, kSettingsBlockOffset, kDeliveryDateOffset));
    EXPECT_TRUE(ZeroBytes(erased, kDeliveryDateOffset, kImageSize));
    EXPECT_EQ(logger->Device().FinalCommandCount(), 1);
    EXPECT_FALSE(logger->Device().AwaitingData());

    // The image holds the erased content read back; its first area keeps what it held.
    EXPECT_TRUE(SameBytes(image, before, 0, kSampleRegionOffset));
    EXPECT_TRUE(SameBytes(image, erased, kSampleRegionOffset, kImageSize));
    EXPECT_EQ(waits.pauses, std::vector<std::chrono::milliseconds>(5, 50ms));
    // 2 + 2 reports for the status block, 394 for the read-back, 344 + 48 writes, the final.
    EXPECT_EQ(logger->ReportCount(), 2 + 2 + 394 + 344 + 48 + 1);
}

// After a failed read-back only the final command goes out: the settings would come from a
// half-read image, and a read leaves the logger waiting for nothing.
TEST_F(Transfers, EraseSendsOnlyTheFinalCommandAfterAFailedReadBack) {
    const LoggerImage memory = SyntheticLoggerImage();
    const LoggerImage before = PatternImage(7);
    Connect(memory, Fault(EmulatedFault::ErrorAtReport, 4 + 2 * 10));  // block 10 of the read-back
    LoggerImage image = before;
    const EraseOutcome outcome = link->EraseRecord(image);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.result, kSystemErrorBase + EIO);
    EXPECT_EQ(outcome.failure.step, TransferStep::ReadBack);
    EXPECT_EQ(outcome.failure.block, 10);

    // Only the status block was written before the read-back; nothing after it.
    EXPECT_TRUE(SameBytes(logger->Memory(), memory, 0, kStatusBlockOffset));
    EXPECT_TRUE(SameBytes(logger->Memory(), memory, kSettingsBlockOffset, kImageSize));
    EXPECT_EQ(logger->Device().FinalCommandCount(), 1);
    EXPECT_EQ(logger->ReportCount(), 4 + 2 * 10 + 1);
    EXPECT_EQ(image, before);
    EXPECT_FALSE(link->IsOpen());
}

// A report that fails after its write command went out may leave the logger waiting for the
// block's data, and it would take whatever came next as that data: the erase sends nothing
// more. Where the status block is concerned (step 4), even a failed command ends the erase,
// since the next reports would otherwise rewrite the serial number and calibration words.
TEST_F(Transfers, EraseSendsNothingAfterAFailedWriteThatMayAwaitItsData) {
    constexpr int kSampleBlock6Data = 4 + 394 + 2 * 5 + 2;
    constexpr int kLastSettingsData = 4 + 394 + 344 + 48;
    const struct {
        int atReport;
        TransferStep step;
        int block;
    } cases[] = {
        {3, TransferStep::EraseStatus, 0},  // the status block's erase-write command
        {4, TransferStep::EraseStatus, 0},  // its data report
        {kSampleBlock6Data, TransferStep::EraseSamples, 6},
        {kLastSettingsData, TransferStep::WriteBack, 24},
    };
    for (const auto& c : cases) {
        const LoggerImage memory = SyntheticLoggerImage();
        Connect(memory, Fault(EmulatedFault::ErrorAtReport, c.atReport));
        LoggerImage image{};
        const EraseOutcome outcome = link->EraseRecord(image);
        EXPECT_EQ(outcome.result, kSystemErrorBase + EIO) << c.atReport;
        EXPECT_EQ(outcome.failure.step, c.step) << c.atReport;
        EXPECT_EQ(outcome.failure.block, c.block) << c.atReport;
        EXPECT_EQ(logger->ReportCount(), c.atReport) << c.atReport;
        EXPECT_EQ(logger->Device().FinalCommandCount(), 0) << c.atReport;
        // Nothing was written where the failed block's data belonged.
        EXPECT_TRUE(SameBytes(logger->Memory(), memory, kStatusBlockOffset + 8, kClearCodeOffset))
            << c.atReport;
        if (c.step == TransferStep::EraseSamples) {
            EXPECT_TRUE(SameBytes(logger->Memory(), memory, kSampleRegionOffset + 5 * 64,
                                  kSampleRegionEnd));
            EXPECT_TRUE(SameBytes(logger->Memory(), memory, kSettingsBlockOffset, kImageSize));
        }
        if (c.step == TransferStep::WriteBack) {
            EXPECT_TRUE(ZeroBytes(logger->Memory(), kSampleRegionOffset, kSampleRegionEnd));
            EXPECT_TRUE(SameBytes(logger->Memory(), memory, kImageSize - 64, kImageSize));
        }
        if (c.step == TransferStep::EraseStatus) {
            EXPECT_EQ(logger->Memory(), memory) << c.atReport;
        }
    }
}

// Everything was written; only the final command failed. The erase says so, and the memory is
// that of a successful erase.
TEST_F(Transfers, EraseNamesAFinalCommandThatWasNotAcknowledged) {
    const LoggerImage memory = SyntheticLoggerImage();
    Connect(memory);
    LoggerImage expected{};
    ASSERT_EQ(link->EraseRecord(expected).result, kResultSuccess);
    const LoggerImage erased = logger->Memory();

    Connect(memory, Fault(EmulatedFault::ErrorAtReport, 4 + 394 + 344 + 48 + 1));
    LoggerImage image{};
    const EraseOutcome outcome = link->EraseRecord(image);
    EXPECT_EQ(outcome.result, kSystemErrorBase + EIO);
    EXPECT_EQ(outcome.failure.step, TransferStep::FinalCommand);
    EXPECT_EQ(logger->Memory(), erased);
    EXPECT_EQ(DescribeTransferFailure(outcome.failure),
              "final command not acknowledged: system error: Input/output error");
}

TEST_F(Transfers, EraseWritesNothingWhenTheStatusBlockCannotBeRead) {
    const LoggerImage memory = SyntheticLoggerImage();
    Connect(memory, Fault(EmulatedFault::NoAnswer, 1));
    LoggerImage image{};
    const EraseOutcome outcome = link->EraseRecord(image);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.result, kResultTimeout);
    EXPECT_EQ(logger->Memory(), memory);
    EXPECT_EQ(logger->ReportCount(), 2);
}

// A failing sample block ends the sample loop only: the settings are still written back, the
// final command still ends the erase, and the failure is what the erase reports.
TEST_F(Transfers, EraseGoesOnPastAFailingSampleBlockWrite) {
    const LoggerImage memory = SyntheticLoggerImage();
    Connect(memory, Fault(EmulatedFault::ErrorAtReport, 4 + 394 + 2 * 5 + 1));  // sample block 6
    LoggerImage image{};
    const EraseOutcome outcome = link->EraseRecord(image);
    EXPECT_EQ(outcome.result, kSystemErrorBase + EIO);
    EXPECT_TRUE(ZeroBytes(logger->Memory(), kSampleRegionOffset, kSampleRegionOffset + 5 * 64));
    EXPECT_TRUE(
        SameBytes(logger->Memory(), memory, kSampleRegionOffset + 5 * 64, kSampleRegionEnd));
    EXPECT_TRUE(
        SameBytes(logger->Memory(), memory, kSettingsBlockOffset, kSettingsBlockOffset + 14));
    EXPECT_TRUE(ZeroBytes(logger->Memory(), kSettingsBlockOffset + 14, kImageSize));
    EXPECT_EQ(logger->Device().FinalCommandCount(), 1);
}

TEST_F(Transfers, EraseWithoutLoggerReportsThatNothingWasOpened) {
    Connect(SyntheticLoggerImage());
    logger->Unplug();
    LoggerImage image{};
    const EraseOutcome outcome = link->EraseRecord(image);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.result, kResultNoLogger);
    EXPECT_TRUE(waits.pauses.empty());
}

}  // namespace
}  // namespace velka
