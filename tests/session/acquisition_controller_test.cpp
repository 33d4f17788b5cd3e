// The acquisition sequence against the emulated logger: the order of its steps and of what
// the user sees, the archive and its safety, stored images, and the window's requests.

#include "device/emulated_logger.h"
#include "device_test_images.h"
#include "local_zone.h"
#include "record/synthetic_recording.h"
#include "session/acquisition_controller.h"
#include "session/archive_file_name.h"
#include "storage/file_io.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace velka {
namespace {

using namespace std::chrono_literals;
using testing::SyntheticLoggerImage;

// 2018-05-04 09:07:05 UTC.
constexpr std::int64_t kStart = 1525424825;
constexpr std::int64_t kNow = 1700000000;

// What the user sees and what the window is told, in one list in the order it happened.
class SessionLog final : public MessageService, public SessionObserver {
public:
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageIcon,
                              MessageButtons) override {
        entries.push_back("box " + caption + ": " + text);
        return MessageAnswer::Ok;
    }
    void ShowTimedNotice(const std::string& text, const std::string& caption,
                         int timeoutMs) override {
        entries.push_back("notice " + caption + " (" + std::to_string(timeoutMs) + " ms): " + text);
    }
    void RecordCleared() override { entries.push_back("record cleared"); }
    void SettingsChanged() override { entries.push_back("settings changed"); }
    void LoggerAttached() override { entries.push_back("logger attached"); }
    void LoggerDetached() override { entries.push_back("logger detached"); }
    void RecordDecoded() override { entries.push_back("record decoded"); }
    void ProductsLoaded() override { entries.push_back("products loaded"); }
    void HistoryRefreshRequested() override { entries.push_back("history refresh"); }
    void SettingsWritten(bool success) override {
        entries.push_back(success ? "settings written" : "settings not written");
    }
    void ChartPageRequested() override { entries.push_back("chart page"); }

    std::vector<std::string> entries;
};

const std::string kFirstNotice =
    "notice Data reading (2000 ms): Detection of device insertion, data reading...";
const std::string kSecondNotice =
    "notice Data read completed (2000 ms): Detection of device insertion, Data read completed";

class Acquisition : public ::testing::Test {
protected:
    Acquisition() : zone_("UTC0") {}

    void Plug(const LoggerImage& memory, EmulatorScenario scenario = {}) {
        controller_.reset();
        logger = std::make_unique<EmulatedLogger>(
            memory, scenario,
            [this](std::chrono::milliseconds wait) { loggerWaits.push_back(wait); });
        controller_ = std::make_unique<AcquisitionController>(
            *logger, log, clock, DataRoot(root.Path()), testing::DeliveredTables(),
            kDefaultNoticeTimeoutMs, DeviceLinkOptions{2000, [](std::chrono::milliseconds) {}});
        controller_->SetObserver(&log);
    }

    AcquisitionController& Controller() { return *controller_; }
    std::filesystem::path Archived(const std::string& name) const {
        return root.Path() / "Data" / name;
    }

    std::vector<std::filesystem::path> DataFiles() const {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(root.Path() / "Data", error))
            files.push_back(entry.path().filename());
        return files;
    }

    static LoggerImage ImageAsArchived(const LoggerImage& memory, const LoggerImage& before = {}) {
        LoggerImage image = before;
        std::copy(memory.begin() + kSampleRegionOffset, memory.end(),
                  image.begin() + kSampleRegionOffset);
        return image;
    }

    testing::LocalZone zone_;
    testing::TempDir root;
    FixedClock clock{kNow};
    SessionLog log;
    std::vector<std::chrono::milliseconds> loggerWaits;
    std::unique_ptr<EmulatedLogger> logger;
    std::unique_ptr<AcquisitionController> controller_;
};

TEST_F(Acquisition, ArrivalReadsArchivesDecodesAndTellsInOrder) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(memory);
    EXPECT_EQ(Controller().ArrivalSequence(), kResultSuccess);

    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"record cleared", kFirstNotice, "settings changed",
                                        "logger attached", "record decoded", "products loaded",
                                        kSecondNotice, "history refresh"}));
    const std::filesystem::path archive = Archived("0A1B2C3D_2018-05-04_09-07-05.bin");
    EXPECT_EQ(Controller().LastArchive().status, ArchiveOutcome::Status::Saved);
    EXPECT_EQ(Controller().LastArchive().path, archive);
    LoggerImage stored{};
    ASSERT_EQ(ReadImageFile(archive, stored), kImageSize);
    EXPECT_EQ(stored, ImageAsArchived(memory));  // bytes 0…3775 are never read from a logger
    EXPECT_EQ(Controller().Image(), stored);
    EXPECT_TRUE(std::filesystem::exists(root.Path() / "reftable" / "current.txt"));

    const Recording& recording = Controller().CurrentRecording();
    EXPECT_EQ(recording.settings.serialText, "0A1B2C3D");
    EXPECT_EQ(recording.record.samples.size(), 2016u);
    EXPECT_FALSE(recording.settings.products.empty());
    EXPECT_EQ(Controller().CalibrationA(), ReadU16(memory, kCalibrationAOffset));
    EXPECT_EQ(Controller().CalibrationB(), ReadU16(memory, kCalibrationBOffset));
    // The very decode a stored file gets.
    const Recording expected = DecodeRecording(stored, testing::DeliveredTables(), kNow);
    EXPECT_EQ(recording.record.rawSamples, expected.record.rawSamples);
    EXPECT_EQ(recording.settings.lowerLimit, expected.settings.lowerLimit);
    EXPECT_EQ(recording.settings.upperLimit, expected.settings.upperLimit);
    EXPECT_TRUE(Controller().Link().devicePresent());
    EXPECT_EQ(Controller().Link().devicePath(), EmulatedLogger::kDevicePath);
}

TEST_F(Acquisition, NoticesUseTheConfiguredTimeout) {
    logger = std::make_unique<EmulatedLogger>(SyntheticLoggerImage(kStart));
    AcquisitionController controller(*logger, log, clock, DataRoot(root.Path()),
                                     testing::DeliveredTables(), 5000);
    controller.ArrivalSequence();
    ASSERT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(log.entries[0],
              "notice Data reading (5000 ms): Detection of device insertion, data reading...");
}

TEST_F(Acquisition, ArchiveNameFollowsTheLocalTimeZone) {
    const struct {
        const char* zone;
        const char* name;
    } cases[] = {
        {"UTC0", "0A1B2C3D_2018-05-04_09-07-05.bin"},
        {"EST5", "0A1B2C3D_2018-05-04_04-07-05.bin"},
        {"IST-5:30", "0A1B2C3D_2018-05-04_14-37-05.bin"},
        {"NZST-12", "0A1B2C3D_2018-05-04_21-07-05.bin"},
        {"HST10", "0A1B2C3D_2018-05-03_23-07-05.bin"},
    };
    for (const auto& c : cases) {
        testing::LocalZone zone(c.zone);
        testing::TempDir folder;
        logger = std::make_unique<EmulatedLogger>(SyntheticLoggerImage(kStart));
        AcquisitionController controller(*logger, log, clock, DataRoot(folder.Path()),
                                         testing::DeliveredTables());
        ASSERT_EQ(controller.Acquire(), kResultSuccess);
        EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Data" / c.name)) << c.zone;
        EXPECT_EQ(ArchiveFileName("0A1B2C3D", kStart), c.name);
    }
}

TEST_F(Acquisition, LoggerNeverSetUpIsShownButNotArchived) {
    LoggerImage memory = SyntheticLoggerImage(kStart);
    WriteU32(memory, kClockSetTimeOffset, 0);
    Plug(memory);
    EXPECT_EQ(Controller().Acquire(), kResultSuccess);
    EXPECT_TRUE(DataFiles().empty());
    EXPECT_EQ(Controller().LastArchive().status, ArchiveOutcome::Status::NotArchived);
    EXPECT_FALSE(Controller().CurrentRecording().record.samples.empty());
}

TEST_F(Acquisition, SameRecordingReadTwiceReplacesItsFile) {
    LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    memory[kSampleRegionOffset + 600] ^= 0x0F;  // the logger recorded on
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    ASSERT_EQ(DataFiles().size(), 1u);
    LoggerImage stored{};
    ReadImageFile(Archived("0A1B2C3D_2018-05-04_09-07-05.bin"), stored);
    EXPECT_EQ(stored, ImageAsArchived(memory));
}

TEST_F(Acquisition, AbsentLoggerGetsBothNoticesAndAnEmptyChart) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    logger->Unplug();
    log.entries.clear();
    EXPECT_EQ(Controller().ArrivalSequence(), kResultNoLogger);

    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"record cleared", kFirstNotice, "logger detached",
                                        kSecondNotice, "history refresh"}));
    EXPECT_TRUE(Controller().CurrentRecording().record.samples.empty());
    EXPECT_FALSE(Controller().Link().devicePresent());
    EXPECT_EQ(Controller().CalibrationA(), 0);
    EXPECT_EQ(Controller().CurrentRecording().settings.serialText, "");
}

// A read that breaks off must neither replace a good archive nor be decoded.
TEST_F(Acquisition, FailedReadIsNeitherArchivedNorDecoded) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const LoggerImage good = Controller().Image();
    const std::filesystem::path archive = Archived("0A1B2C3D_2018-05-04_09-07-05.bin");

    for (const EmulatorScenario scenario :
         {EmulatorScenario{EmulatedFault::RemovedAtReport, 100, 10},
          EmulatorScenario{EmulatedFault::NoAnswer, 300, 10},
          EmulatorScenario{EmulatedFault::ErrorAtReport, 394, 10},
          EmulatorScenario{EmulatedFault::MalformedAnswer, 2, 10}}) {
        LoggerImage changed = memory;
        std::fill(changed.begin() + kSampleRegionOffset, changed.begin() + kStatusBlockOffset,
                  0x11);
        logger =
            std::make_unique<EmulatedLogger>(changed, scenario, [](std::chrono::milliseconds) {});
        AcquisitionController controller(*logger, log, clock, DataRoot(root.Path()),
                                         testing::DeliveredTables(), kDefaultNoticeTimeoutMs,
                                         DeviceLinkOptions{2000, {}});
        controller.SetObserver(&log);
        ASSERT_TRUE(controller.LoadStoredImage(archive));
        log.entries.clear();

        EXPECT_NE(controller.ArrivalSequence(), kResultSuccess) << scenario.Name();
        EXPECT_EQ(log.entries,
                  (std::vector<std::string>{"record cleared", kFirstNotice, "logger detached",
                                            "box Error: Data read FAILED", "history refresh"}))
            << scenario.Name();
        LoggerImage stored{};
        ReadImageFile(archive, stored);
        EXPECT_EQ(stored, good) << scenario.Name();
        EXPECT_EQ(DataFiles().size(), 1u);
        EXPECT_EQ(controller.Image(), good);
        EXPECT_TRUE(controller.CurrentRecording().record.samples.empty());
        EXPECT_FALSE(controller.Link().devicePresent());
        EXPECT_EQ(controller.LastArchive().status, ArchiveOutcome::Status::NotArchived);
    }
}

TEST_F(Acquisition, SilentLoggerTimesOutInsteadOfHanging) {
    Plug(SyntheticLoggerImage(kStart), {EmulatedFault::NoAnswer, 1, 10});
    EXPECT_EQ(Controller().Acquire(), kResultTimeout);
    EXPECT_EQ(loggerWaits, std::vector<std::chrono::milliseconds>{2000ms});
}

// A full disk in the middle of the archive write: the earlier file of the same recording stays
// whole, no temporary file is left, and the user is told.
TEST_F(Acquisition, ArchiveWriteFailureLeavesTheEarlierFileUntouched) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const std::filesystem::path archive = Archived("0A1B2C3D_2018-05-04_09-07-05.bin");
    LoggerImage earlier{};
    ASSERT_EQ(ReadImageFile(archive, earlier), kImageSize);

    LoggerImage changed = memory;
    changed[kSampleRegionOffset + 10] ^= 0xFF;
    Plug(changed);
    log.entries.clear();
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;  // files cannot grow past 4 KiB: the write fails half-way
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const ResultCode result = Controller().Acquire();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, kResultSuccess);  // the recording was read and is shown
    EXPECT_EQ(Controller().LastArchive().status, ArchiveOutcome::Status::Failed);
    EXPECT_NE(std::find(log.entries.begin(), log.entries.end(), "box Error: Archive save FAILED"),
              log.entries.end());
    LoggerImage stored{};
    ASSERT_EQ(ReadImageFile(archive, stored), kImageSize);
    EXPECT_EQ(stored, earlier);
    EXPECT_EQ(DataFiles(), std::vector<std::filesystem::path>{archive.filename()});
    EXPECT_FALSE(Controller().CurrentRecording().record.samples.empty());
}

TEST_F(Acquisition, UnusableDataFolderIsReported) {
    std::ofstream(root.Path() / "Data") << "a file where the folder should be";
    Plug(SyntheticLoggerImage(kStart));
    EXPECT_EQ(Controller().Acquire(), kResultSuccess);
    EXPECT_EQ(Controller().LastArchive().status, ArchiveOutcome::Status::Failed);
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), "box Error: Archive save FAILED"),
              1);
}

TEST_F(Acquisition, StoredImageLongerThanTheMemoryIsReadForItsFirst16384Bytes) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    const std::filesystem::path path = root.Path() / "long.bin";
    std::string content(reinterpret_cast<const char*>(memory.data()), memory.size());
    content += std::string(5000, '\xFF');
    ASSERT_FALSE(WriteFileAtomically(path, content));
    Plug(memory);
    ASSERT_TRUE(Controller().LoadStoredImage(path));
    EXPECT_EQ(Controller().Image(), memory);
    EXPECT_EQ(log.entries,
              (std::vector<std::string>{"settings changed", "record decoded", "products loaded"}));
    EXPECT_EQ(Controller().CurrentRecording().record.samples.size(), 2016u);
    EXPECT_TRUE(DataFiles().empty());  // a stored image is not archived again
    EXPECT_FALSE(Controller().Link().devicePresent());
}

TEST_F(Acquisition, MissingStoredImageChangesNothing) {
    Plug(SyntheticLoggerImage(kStart));
    EXPECT_FALSE(Controller().LoadStoredImage(root.Path() / "missing.bin"));
    EXPECT_FALSE(Controller().ImportStoredImage(root.Path() / "missing.bin"));
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(Controller().Image(), LoggerImage{});
}

TEST_F(Acquisition, ImportTakesOverOnlyTransportFieldsAndProducts) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const LoggerSettings before = Controller().CurrentRecording().settings;
    const std::size_t samplesBefore = Controller().CurrentRecording().record.samples.size();

    SyntheticRecordingOptions options;
    options.serialNumber = 0x00C0FFEE;
    options.logIntervalSeconds = 60;
    LoggerImage other = SynthesizeRecording(options, testing::DeliveredTables()).image;
    WriteSlotText(other, kDeliveryCompanyOffset, kCompanySlotBytes, u"Imported Ltd");
    StoreProductTable({}, other);
    const std::filesystem::path path = root.Path() / "other.bin";
    ASSERT_FALSE(WriteFileAtomically(path, other));
    log.entries.clear();

    ASSERT_TRUE(Controller().ImportStoredImage(path));
    const LoggerSettings& after = Controller().CurrentRecording().settings;
    EXPECT_EQ(after.deliveryCompany, u"Imported Ltd");
    EXPECT_TRUE(after.products.empty());
    EXPECT_EQ(after.serialText, before.serialText);
    EXPECT_EQ(after.logInterval, before.logInterval);
    EXPECT_EQ(Controller().CurrentRecording().record.samples.size(), samplesBefore);
    EXPECT_EQ(Controller().Image(), other);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"settings changed", "products loaded"}));
}

TEST_F(Acquisition, WriteRequestSendsTheEncodedSettingsArea) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    LoggerSettings settings = Controller().CurrentRecording().settings;
    settings.deliveryCompany = u"North Cold Store";
    settings.upperLimit = 12;
    log.entries.clear();

    EXPECT_EQ(Controller().WriteSettings(settings), kResultSuccess);
    EXPECT_EQ(log.entries, std::vector<std::string>{"settings written"});
    EXPECT_TRUE(std::equal(logger->Memory().begin() + kSettingsBlockOffset, logger->Memory().end(),
                           Controller().Image().begin() + kSettingsBlockOffset));
    EXPECT_TRUE(std::equal(logger->Memory().begin(),
                           logger->Memory().begin() + kSettingsBlockOffset, memory.begin()));
    EXPECT_EQ(DecodeSettings(logger->Memory(), Controller().CurrentRecording().currentTable, kNow)
                  .deliveryCompany,
              u"North Cold Store");
    EXPECT_EQ(Controller().CurrentRecording().settings.deliveryCompany, u"North Cold Store");

    logger->Unplug();
    log.entries.clear();
    EXPECT_EQ(Controller().WriteSettings(settings), kResultNoLogger);
    EXPECT_EQ(log.entries, std::vector<std::string>{"settings not written"});
}

TEST_F(Acquisition, EraseRequestIsSilentOnSuccessAndReportsFailures) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    log.entries.clear();
    EXPECT_EQ(Controller().HandleEraseRequest().result, kResultSuccess);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(logger->Device().FinalCommandCount(), 1);

    Plug(SyntheticLoggerImage(kStart), {EmulatedFault::RemovedAtReport, 40, 10});
    EXPECT_NE(Controller().HandleEraseRequest().result, kResultSuccess);
    EXPECT_EQ(log.entries, std::vector<std::string>{"box Error: Erase FAILED"});

    log.entries.clear();
    EXPECT_FALSE(Controller().HandleEraseRequest().opened);
    EXPECT_EQ(log.entries, std::vector<std::string>{
                               "box Warning: Please make sure device is connected correctly"});
}

TEST_F(Acquisition, EraseIsOfferedOnlyForAPresentLoggerAboveSerial800000) {
    for (const auto& [serial, offered] :
         {std::pair{0x00800000u, false}, std::pair{0x00800001u, true}}) {
        SyntheticRecordingOptions options;
        options.serialNumber = serial;
        options.startTime = kStart;
        Plug(SynthesizeRecording(options, testing::DeliveredTables()).image);
        EXPECT_FALSE(Controller().EraseOffered());
        ASSERT_EQ(Controller().Acquire(), kResultSuccess);
        EXPECT_EQ(Controller().EraseOffered(), offered) << serial;
        // A stored recording of another logger, loaded from the history, is not the one
        // plugged in: the offer stays as the logger that was read decides.
        options.serialNumber = offered ? 0x00000001u : 0x00900000u;
        const std::filesystem::path stored = root.Path() / "other.bin";
        ASSERT_FALSE(WriteFileAtomically(
            stored, SynthesizeRecording(options, testing::DeliveredTables()).image));
        ASSERT_TRUE(Controller().LoadStoredImage(stored));
        EXPECT_EQ(Controller().EraseOffered(), offered) << serial;
        EXPECT_EQ(Controller().LastReadLogger().serialNumber, serial);
        Controller().HandleRemoval(EmulatedLogger::kDevicePath);
        EXPECT_FALSE(Controller().EraseOffered());
    }
}

TEST_F(Acquisition, RemovalOfAnotherDeviceLeavesTheLoggerPresent) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    log.entries.clear();
    Controller().HandleDeviceEvent({HotplugDecision::LoggerRemoved, "/dev/hidraw9"});
    EXPECT_TRUE(Controller().Link().devicePresent());
    EXPECT_TRUE(log.entries.empty());

    Controller().HandleDeviceEvent({HotplugDecision::LoggerRemoved, EmulatedLogger::kDevicePath});
    EXPECT_FALSE(Controller().Link().devicePresent());
    EXPECT_EQ(log.entries, std::vector<std::string>{"logger detached"});
    // The record and the image stay as they were.
    EXPECT_EQ(Controller().CurrentRecording().record.samples.size(), 2016u);
}

TEST_F(Acquisition, ArrivalEventRunsTheArrivalSequence) {
    Plug(SyntheticLoggerImage(kStart));
    Controller().HandleDeviceEvent({HotplugDecision::LoggerArrived, "/dev/hidraw4"});
    ASSERT_FALSE(log.entries.empty());
    EXPECT_EQ(log.entries.front(), "record cleared");
    EXPECT_EQ(log.entries.back(), "history refresh");
    EXPECT_EQ(DataFiles().size(), 1u);
}

TEST_F(Acquisition, ShowChartRequestAsksForTheChartPage) {
    Plug(SyntheticLoggerImage(kStart));
    Controller().HandleShowChartRequest();
    EXPECT_EQ(log.entries, std::vector<std::string>{"chart page"});
}

}  // namespace
}  // namespace velka
