// The acquisition sequence against the emulated logger: the order of its steps and of what
// the user sees, the archive and its safety, stored images, and the window's requests.

#include "archive/archive_file_name.h"
#include "device/emulated_logger.h"
#include "device/udev_rule.h"
#include "device_test_images.h"
#include "local_zone.h"
#include "record/synthetic_recording.h"
#include "session/acquisition_controller.h"
#include "storage/exclusive_lock.h"
#include "storage/file_io.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>

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
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons) override {
        entries.push_back("box " + (MessageCaption(icon) + (": " + text)));
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
    void ChartViewChanged() override { entries.push_back("chart view changed"); }

    std::vector<std::string> entries;
};

const std::string kFirstNotice =
    "notice Data reading (2000 ms): Detection of device insertion, data reading...";
const std::string kSecondNotice =
    "notice Data read completed (2000 ms): Detection of device insertion, Data read completed";

// The image as its logger held it when it had recorded only `count` samples.
LoggerImage WithSamples(LoggerImage image, std::size_t count) {
    RawSamples raw = UnpackSampleRegion(image);
    std::fill(raw.begin() + static_cast<std::ptrdiff_t>(count), raw.end(), std::uint16_t{0});
    for (std::size_t block = 0; block < kSampleBlockCount; ++block) {
        SampleBlockValues values{};
        std::copy_n(raw.begin() + static_cast<std::ptrdiff_t>(block * kSamplesPerBlock),
                    kSamplesPerBlock, values.begin());
        const auto packed = PackSampleBlock(values);
        std::copy(packed.begin(), packed.end(),
                  image.begin() +
                      static_cast<std::ptrdiff_t>(kSampleRegionOffset + block * kSampleBlockSize));
    }
    return image;
}

// A logger that is there but refuses to be opened, as a hidraw node without access rights.
class RefusingProvider final : public HidDeviceProvider {
public:
    explicit RefusingProvider(int errorNumber) : errorNumber_(errorNumber) {}
    std::optional<std::string> FindLogger() override { return "/dev/hidraw3"; }
    OpenResult Open(const std::string&) override {
        return {nullptr, ResultFromSystemError(errorNumber_)};
    }

private:
    int errorNumber_;
};

class Acquisition : public ::testing::Test {
protected:
    Acquisition() : zone_("UTC0") {}

    // `memoryFile`: the logger is locked through it as a real one through its node.
    void Plug(const LoggerImage& memory, EmulatorScenario scenario = {},
              const std::filesystem::path& memoryFile = {}) {
        controller_.reset();
        logger = std::make_unique<EmulatedLogger>(
            memory, scenario,
            [this](std::chrono::milliseconds wait) { loggerWaits.push_back(wait); });
        if (!memoryFile.empty())
            logger->LockThrough(memoryFile);
        DeviceLinkOptions options{2000, [this](std::chrono::milliseconds) {
                                      if (onErasePause)
                                          onErasePause();
                                  }};
        options.waitForLogger = [this](std::chrono::milliseconds wait) {
            lockWaits.push_back(wait);
            if (onLockWait)
                onLockWait();
        };
        controller_ = std::make_unique<AcquisitionController>(
            *logger, log, clock, DataRoot(root.Path()), testing::DeliveredTables(),
            kDefaultNoticeTimeoutMs, options);
        controller_->SetObserver(&log);
    }

    AcquisitionController& Controller() { return *controller_; }
    std::filesystem::path Archived(const std::string& name) const {
        return root.Path() / "Data" / name;
    }

    std::vector<std::filesystem::path> DataFiles() const {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        // The recordings; the manifest beside them is not one.
        for (const auto& entry : std::filesystem::directory_iterator(root.Path() / "Data", error))
            if (entry.path().filename() != "SHA256SUMS")
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
    // Waits for a lock that another program holds, and what happens at each.
    std::vector<std::chrono::milliseconds> lockWaits;
    std::function<void()> onLockWait;
    std::function<void()> onErasePause;
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
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(WithSamples(memory, 1000));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    Plug(memory);  // the logger recorded on
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    ASSERT_EQ(DataFiles().size(), 1u);
    LoggerImage stored{};
    ReadImageFile(Archived("0A1B2C3D_2018-05-04_09-07-05.bin"), stored);
    EXPECT_EQ(stored, ImageAsArchived(memory));
}

// In the hour that repeats when summer time ends, two recordings of one logger have start
// times that read alike: both are kept, and each read again replaces its own file.
TEST_F(Acquisition, RecordingsWhoseLocalStartsReadAlikeAreBothKept) {
    const testing::LocalZone berlin("CET-1CEST,M3.5.0,M10.5.0/3");
    constexpr std::int64_t kSummerTime = 1792888200;          // 2026-10-25 00:30 UTC, 02:30 CEST
    constexpr std::int64_t kWinterTime = kSummerTime + 3600;  // 01:30 UTC, 02:30 CET
    const std::string base = "0A1B2C3D_2026-10-25_02-30-00";
    const LoggerImage first = SyntheticLoggerImage(kSummerTime);
    const LoggerImage second = SyntheticLoggerImage(kWinterTime);
    LoggerImage otherSamples = first;
    otherSamples[kSampleRegionOffset + 20] ^= 0x10;  // the same start, another record
    // The same start and samples under other settings: another recording, never a replacement.
    LoggerImage otherSettings = first;
    otherSettings[kSettingsBlockOffset + 0x90] ^= 0x01;

    const struct {
        LoggerImage memory;
        std::string name;
        std::size_t files;
    } reads[] = {
        {WithSamples(first, 500), base + ".bin", 1},
        {WithSamples(second, 700), base + "_2.bin", 2},
        {second, base + "_2.bin", 2},  // recorded on: replaces its own file
        {first, base + ".bin", 2},
        {otherSamples, base + "_3.bin", 3},
        {WithSamples(otherSettings, 900), base + "_4.bin", 4},
        {first, base + ".bin", 4},  // the same bytes again: not written again
    };
    for (const auto& read : reads) {
        struct stat before {};
        ::stat(Archived(read.name).c_str(), &before);
        Plug(read.memory);
        ASSERT_EQ(Controller().Acquire(), kResultSuccess);
        if (&read == &reads[std::size(reads) - 1]) {
            struct stat after {};
            ::stat(Archived(read.name).c_str(), &after);
            EXPECT_EQ(after.st_ino, before.st_ino);
        }
        EXPECT_EQ(Controller().LastArchive().path, Archived(read.name));
        EXPECT_EQ(DataFiles().size(), read.files) << read.name;
        LoggerImage stored{};
        ASSERT_EQ(ReadImageFile(Archived(read.name), stored), kImageSize);
        EXPECT_EQ(stored, ImageAsArchived(read.memory)) << read.name;
    }
    LoggerImage stored{};
    ASSERT_EQ(ReadImageFile(Archived(base + "_2.bin"), stored), kImageSize);
    EXPECT_EQ(stored, ImageAsArchived(second));
}

// File ages are real time: a session whose clock (--now) runs hours ahead must not take a
// live writer's staged file for one left behind.
TEST_F(Acquisition, OpeningTheArchiveSweepsStagedFilesLeftByKilledPrograms) {
    const std::filesystem::path data = root.Path() / "Data";
    std::filesystem::create_directories(data);
    const std::int64_t realNow = MachineClock().Now();
    const auto place = [&](const std::string& name, std::int64_t ageSeconds) {
        std::ofstream(data / name) << "partial";
        const timespec times[2] = {{realNow - ageSeconds, 0}, {realNow - ageSeconds, 0}};
        ::utimensat(AT_FDCWD, (data / name).c_str(), times, 0);
    };
    place(".0A1B2C3D_2018-05-04_09-07-05.bin.Ab12Cd.velka-staged", 2 * 3600);
    place(".0A1B2C3D_2018-05-04_09-07-05.bin.Xy34Ef.velka-staged", 600);
    clock.Set(realNow + 3 * 3600);
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    std::vector<std::filesystem::path> files = DataFiles();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::filesystem::path>{
                         ".0A1B2C3D_2018-05-04_09-07-05.bin.Xy34Ef.velka-staged",
                         "0A1B2C3D_2018-05-04_09-07-05.bin"}));
}

TEST_F(Acquisition, UnusableReferenceTablesGiveNoTemperaturesAndRefuseTheWrite) {
    const testing::TempDir folder;
    for (const char* name : {"high.txt", "low.txt"})
        std::filesystem::copy_file(testing::ReferenceFolder() / name, folder / name);
    const LoadedReferenceTables broken = LoadReferenceTables(folder.Path());
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    logger = std::make_unique<EmulatedLogger>(memory);
    AcquisitionController controller(*logger, log, clock, DataRoot(root.Path()), broken);
    controller.SetObserver(&log);

    EXPECT_FALSE(controller.ReferenceTablesUsable());
    EXPECT_TRUE(controller.ReportUnusableReferenceTables());
    const std::string error = "box Error: The reference tables in " + folder.Path().string() +
                              " cannot be used: middle.txt: No such file or directory";
    EXPECT_EQ(log.entries, std::vector<std::string>{error});

    // The recording is read and archived as it is; nothing is converted.
    ASSERT_EQ(controller.Acquire(), kResultSuccess);
    EXPECT_EQ(controller.LastArchive().status, ArchiveOutcome::Status::Saved);
    EXPECT_TRUE(controller.CurrentRecording().record.samples.empty());
    EXPECT_FALSE(std::filesystem::exists(root.Path() / "reftable" / "current.txt"));

    LoggerSettings settings = controller.CurrentRecording().settings;
    settings.deliveryCompany = u"North Cold Store";
    log.entries.clear();
    EXPECT_EQ(controller.WriteSettings(settings), kResultNoReferenceTables);
    EXPECT_EQ(log.entries, std::vector<std::string>{error});  // one box
    EXPECT_EQ(logger->Memory(), memory);

    // Usable tables are not reported.
    Plug(memory);
    log.entries.clear();
    EXPECT_FALSE(Controller().ReportUnusableReferenceTables());
    EXPECT_TRUE(log.entries.empty());
}

// A logger gone before anything was read is not reported as read.
TEST_F(Acquisition, AbsentLoggerIsNotReportedAsReadAndGivesAnEmptyChart) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    logger->Unplug();
    log.entries.clear();
    EXPECT_EQ(Controller().ArrivalSequence(), kResultNoLogger);

    EXPECT_EQ(log.entries, (std::vector<std::string>{
                               "record cleared", kFirstNotice, "logger detached",
                               "box Warning: Please make sure device is connected correctly",
                               "history refresh"}));
    EXPECT_TRUE(Controller().CurrentRecording().record.samples.empty());
    EXPECT_FALSE(Controller().Link().devicePresent());
    EXPECT_EQ(Controller().CalibrationA(), 0);
    EXPECT_EQ(Controller().CurrentRecording().settings.serialText, "");
    // The reports read the delivery date: the earlier logger's must not reach the next one.
    EXPECT_EQ(Controller().CurrentRecording().settings.deliveryDateText, "");
}

TEST_F(Acquisition, ALoggerThatCannotBeOpenedIsReportedWithTheReasonAndTheRemedy) {
    const struct {
        int errorNumber;
        std::string text;
    } cases[] = {
        {EACCES, "The logger at /dev/hidraw3 cannot be opened: Permission denied. The udev rule " +
                     InstalledUdevRulePath() +
                     " gives access; once it is there, run \"sudo udevadm trigger "
                     "--subsystem-match=hidraw --action=add\" and plug the logger in again."},
        {EBUSY, "The logger at /dev/hidraw3 cannot be opened: Device or resource busy. Close the "
                "program that is using it."},
        {EIO, "The logger at /dev/hidraw3 cannot be opened: Input/output error. Plug it in again."},
    };
    for (const auto& c : cases) {
        RefusingProvider provider(c.errorNumber);
        AcquisitionController controller(provider, log, clock, DataRoot(root.Path()),
                                         testing::DeliveredTables());
        controller.SetObserver(&log);
        log.entries.clear();
        EXPECT_EQ(controller.ArrivalSequence(), ResultFromSystemError(c.errorNumber));
        EXPECT_EQ(log.entries, (std::vector<std::string>{
                                   "record cleared", kFirstNotice, "logger detached",
                                   std::string("box Error: ") + c.text, "history refresh"}));
        log.entries.clear();
        EXPECT_FALSE(controller.HandleEraseRequest().opened);
        EXPECT_EQ(log.entries, std::vector<std::string>{std::string("box Error: ") + c.text});
    }
}

// A read that breaks off must neither replace a good archive nor be decoded.
TEST_F(Acquisition, FailedReadIsNeitherArchivedNorDecoded) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const LoggerImage good = Controller().Image();
    const std::filesystem::path archive = Archived("0A1B2C3D_2018-05-04_09-07-05.bin");

    const struct {
        EmulatorScenario scenario;
        const char* reason;
    } cases[] = {
        {{EmulatedFault::RemovedAtReport, 100, 10}, "the logger was unplugged during the transfer"},
        {{EmulatedFault::NoAnswer, 300, 10}, "the logger did not answer in time"},
        {{EmulatedFault::ErrorAtReport, 394, 10}, "system error: Input/output error"},
        {{EmulatedFault::MalformedAnswer, 2, 10}, "the logger gave a malformed answer"},
    };
    for (const auto& [scenario, reason] : cases) {
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
                                            std::string("box Error: Data read FAILED: ") + reason,
                                            "history refresh"}))
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
    Plug(WithSamples(memory, 1000));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const std::filesystem::path archive = Archived("0A1B2C3D_2018-05-04_09-07-05.bin");
    LoggerImage earlier{};
    ASSERT_EQ(ReadImageFile(archive, earlier), kImageSize);

    Plug(memory);  // the logger recorded on
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
    EXPECT_NE(std::find(log.entries.begin(), log.entries.end(),
                        "box Error: Archive save FAILED: " + archive.string() + ": File too large"),
              log.entries.end());
    LoggerImage stored{};
    ASSERT_EQ(ReadImageFile(archive, stored), kImageSize);
    EXPECT_EQ(stored, earlier);
    EXPECT_EQ(DataFiles(), std::vector<std::filesystem::path>{archive.filename()});
    EXPECT_FALSE(Controller().CurrentRecording().record.samples.empty());
}

// Every change of the archive is made under the folder's lock: a read waits for another
// program's change and, when the folder stays locked, archives nothing and says why, once the
// logger is free again.
TEST_F(Acquisition, ArchivingWaitsForAnotherProgramsChangeOfTheFolder) {
    const std::filesystem::path data = root.Path() / "Data";
    const std::string inUse = "box Error: Archive save FAILED: the archive folder " +
                              data.string() + " is in use by another program";
    for (const std::size_t releasedAfter : {std::size_t{5}, std::size_t{0}}) {
        std::filesystem::remove_all(data);
        std::filesystem::create_directories(data);
        Plug(SyntheticLoggerImage(kStart));
        ExclusiveLock otherProgram(data);
        lockWaits.clear();
        log.entries.clear();
        onLockWait = [&] {
            if (lockWaits.size() == releasedAfter)
                otherProgram.Release();
        };
        ASSERT_EQ(Controller().Acquire(), kResultSuccess);
        EXPECT_EQ(lockWaits.size(), releasedAfter != 0 ? releasedAfter : 300);
        EXPECT_EQ(DataFiles().size(), releasedAfter != 0 ? 1u : 0u);
        EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(), inUse),
                  releasedAfter != 0 ? 0 : 1);
        onLockWait = nullptr;
    }
}

TEST_F(Acquisition, UnusableDataFolderIsReported) {
    std::ofstream(root.Path() / "Data") << "a file where the folder should be";
    Plug(SyntheticLoggerImage(kStart));
    EXPECT_EQ(Controller().Acquire(), kResultSuccess);
    EXPECT_EQ(Controller().LastArchive().status, ArchiveOutcome::Status::Failed);
    EXPECT_EQ(std::count(log.entries.begin(), log.entries.end(),
                         "box Error: Archive save FAILED: the archive folder " +
                             (root.Path() / "Data").string() + " cannot be created"),
              1);
}

// Only a complete logger image is a recording: a cut, empty or over-long file is refused by
// both Loads with the reason, and the session keeps the recording it showed, unmixed.
TEST_F(Acquisition, StoredImagesAreLoadedOnlyWhenComplete) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    const LoggerImage shown = SyntheticLoggerImage(kStart + 86400);
    const std::string bytes(reinterpret_cast<const char*>(memory.data()), memory.size());
    const std::string incomplete = "not a complete logger image";
    const struct {
        const char* name;
        std::optional<std::string> content;  // none: no such file
        std::string reason;                  // empty: loaded (or, missing, silently not)
    } cases[] = {
        {"complete.bin", bytes, ""},
        {"long.bin", bytes + std::string(5000, '\xFF'), incomplete},
        {"cut.bin", bytes.substr(0, 10000), incomplete},
        {"empty.bin", std::string(), incomplete},
        {"missing.bin", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const std::filesystem::path path = root.Path() / c.name;
        if (c.content) {
            ASSERT_FALSE(WriteFileAtomically(path, *c.content));
        }
        for (const bool import : {false, true}) {
            Plug(shown);
            ASSERT_EQ(Controller().Acquire(), kResultSuccess);
            log.entries.clear();
            const bool loaded =
                import ? Controller().ImportStoredImage(path) : Controller().LoadStoredImage(path);
            EXPECT_EQ(loaded, c.content && c.reason.empty()) << c.name;
            // An import feeds the parameter page only.
            EXPECT_EQ(Controller().Image(), loaded && !import ? memory : ImageAsArchived(shown))
                << c.name;
            if (!loaded) {
                EXPECT_EQ(log.entries,
                          c.content ? std::vector<std::string>{"box Error: Load FAILED: " +
                                                               path.string() + ": " + c.reason}
                                    : std::vector<std::string>{})
                    << c.name;
            }
        }
    }
    EXPECT_EQ(DataFiles().size(), 1u);  // a stored image is not archived again
}

// A recording whose file no longer matches the archive's manifest is still loaded, and the
// user is told; one that matches loads without a word.
TEST_F(Acquisition, ARecordingChangedAfterItWasArchivedLoadsWithAWarning) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const std::filesystem::path archived = Controller().LastArchive().path;
    for (const bool changed : {false, true}) {
        if (changed) {
            LoggerImage image = Controller().Image();
            image[9000] ^= 0x01;
            std::filesystem::remove(archived);
            ASSERT_FALSE(WriteFileAtomically(archived, image));
        }
        log.entries.clear();
        EXPECT_TRUE(Controller().LoadStoredImage(archived));
        std::vector<std::string> expected = {"settings changed", "record decoded",
                                             "products loaded"};
        if (changed)
            expected.push_back("box Warning: This recording was changed after it was archived");
        EXPECT_EQ(log.entries, expected);
    }
}

// The parameter page's Load takes a file's transport fields and products into the page only:
// the recording that is shown keeps those it was made with, for its reports.
TEST_F(Acquisition, ImportTakesOverOnlyTransportFieldsAndProductsIntoThePage) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    const LoggerSettings before = Controller().CurrentRecording().settings;
    const LoggerImage imageBefore = Controller().Image();
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
    const LoggerSettings& after = Controller().PageSettings();
    EXPECT_EQ(after.deliveryCompany, u"Imported Ltd");
    EXPECT_TRUE(after.products.empty());
    EXPECT_EQ(after.serialText, before.serialText);
    EXPECT_EQ(after.logInterval, before.logInterval);
    const LoggerSettings& recorded = Controller().CurrentRecording().settings;
    EXPECT_EQ(recorded.deliveryCompany, before.deliveryCompany);
    EXPECT_EQ(recorded.products.size(), before.products.size());
    EXPECT_EQ(Controller().CurrentRecording().record.samples.size(), samplesBefore);
    EXPECT_EQ(Controller().Image(), imageBefore);
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
    EXPECT_TRUE(std::equal(logger->Memory().begin(),
                           logger->Memory().begin() + kSettingsBlockOffset, memory.begin()));
    const LoggerSettings written =
        DecodeSettings(logger->Memory(), Controller().CurrentRecording().currentTable, kNow);
    EXPECT_EQ(written.deliveryCompany, u"North Cold Store");
    EXPECT_EQ(written.clockSetTime, kNow);
    EXPECT_EQ(Controller().PageSettings().deliveryCompany, u"North Cold Store");
    // The recording that was read keeps the settings it was made with, and so do its reports.
    EXPECT_EQ(Controller().CurrentRecording().settings.deliveryCompany, u"Nordvik Pharma AS");
    EXPECT_EQ(Controller().Image(), ImageAsArchived(memory));

    logger->Unplug();
    log.entries.clear();
    EXPECT_EQ(Controller().WriteSettings(settings), kResultNoLogger);
    EXPECT_EQ(log.entries, std::vector<std::string>{"settings not written"});
}

// The Write goes to the logger the page shows, only once its record is safe in the archive, with
// the limits encoded through that logger's own calibrated table; a refusal is one box, with no
// outcome after it, and writes nothing.
TEST_F(Acquisition, WriteGoesOnlyToTheLoggerShownWithItsRecordSafe) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    // A stored copy of the same logger whose calibration words read otherwise, and a stored
    // recording of another logger.
    LoggerImage storedCopy = memory;
    WriteU16(storedCopy, kCalibrationAOffset, ReadU16(memory, kCalibrationBOffset));
    WriteU16(storedCopy, kCalibrationBOffset, ReadU16(memory, kCalibrationAOffset));
    LoggerImage otherLogger = memory;
    WriteU32(otherLogger, kSerialNumberOffset, 0x0B1C2D3E);
    const std::filesystem::path copyPath = root.Path() / "copy.bin";
    const std::filesystem::path otherPath = root.Path() / "other.bin";
    ASSERT_FALSE(WriteFileAtomically(copyPath, storedCopy));
    ASSERT_FALSE(WriteFileAtomically(otherPath, otherLogger));
    const auto table = [](const LoggerImage& image) {
        return BuildCurrentTable(testing::DeliveredTables(), ReadU16(image, kCalibrationAOffset),
                                 ReadU16(image, kCalibrationBOffset));
    };
    ASSERT_NE(CodeFromLimit(2, table(memory)), CodeFromLimit(2, table(storedCopy)));
    const std::string notArchived = "box Warning: The logger holds 2016 samples that are not in "
                                    "the archive, so nothing was written. Plug it in again to "
                                    "archive them first";
    const struct {
        const char* what;
        std::filesystem::path loaded;  // a history Load after the read
        bool removeArchive;
        std::vector<std::string> entries;
    } cases[] = {
        {"after a Load of its stored copy", copyPath, false, {"settings written"}},
        {"after a Load of another logger's recording",
         otherPath,
         false,
         {"box Error: The logger plugged in (serial number 0A1B2C3D) is not the one these "
          "settings are for (serial number 0B1C2D3E), so nothing was written"}},
        {"record not archived", {}, true, {notArchived}},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(root.Path() / "Data");
        Plug(memory);
        ASSERT_EQ(Controller().Acquire(), kResultSuccess) << c.what;
        if (!c.loaded.empty()) {
            ASSERT_TRUE(Controller().LoadStoredImage(c.loaded)) << c.what;
        }
        if (c.removeArchive)
            std::filesystem::remove_all(root.Path() / "Data");
        LoggerSettings settings = Controller().PageSettings();
        settings.lowerLimit = 2;
        settings.upperLimit = 8;
        log.entries.clear();
        const ResultCode result = Controller().WriteSettings(settings);
        EXPECT_EQ(result == kResultSuccess,
                  c.entries == std::vector<std::string>{"settings written"})
            << c.what;
        EXPECT_EQ(log.entries, c.entries) << c.what;
        if (result == kResultSuccess) {
            EXPECT_EQ(ReadU16(logger->Memory(), kLowerLimitCodeOffset),
                      CodeFromLimit(2, table(memory)));
            EXPECT_EQ(
                LimitFromCode(ReadU16(logger->Memory(), kLowerLimitCodeOffset), table(memory)),
                2.0);
        } else {
            EXPECT_EQ(logger->Memory(), memory) << c.what;
        }
    }
}

// Limits are encoded through the calibrated table of the logger that was read: a write before
// any read, or after a read that failed, would put nonsense on the plugged-in logger.
TEST_F(Acquisition, WriteWithoutALoggerReadIsRefusedAndChangesNothing) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    for (const bool failedArrival : {false, true}) {
        Plug(memory, failedArrival ? EmulatorScenario{EmulatedFault::ErrorAtReport, 3, 10}
                                   : EmulatorScenario{});
        LoggerSettings settings = Controller().CurrentRecording().settings;
        settings.deliveryCompany = u"North Cold Store";
        if (failedArrival) {
            ASSERT_NE(Controller().ArrivalSequence(), kResultSuccess);
        }
        log.entries.clear();

        EXPECT_EQ(Controller().WriteSettings(settings), kResultNoLogger);
        EXPECT_EQ(log.entries, std::vector<std::string>{
                                   "box Warning: Please make sure device is connected correctly"});
        EXPECT_EQ(logger->Memory(), memory) << failedArrival;
    }
}

// A successful erase says so and shows the logger's empty record on every page.
TEST_F(Acquisition, EraseRequestSaysWhatHappened) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    log.entries.clear();
    EXPECT_EQ(Controller().HandleEraseRequest().result, kResultSuccess);
    EXPECT_EQ(log.entries, (std::vector<std::string>{
                               "settings changed", "record decoded", "products loaded",
                               "box Info: Data erased; the record is kept in the archive as " +
                                   Archived("0A1B2C3D_2018-05-04_09-07-05.bin").string()}));
    EXPECT_TRUE(Controller().CurrentRecording().record.samples.empty());
    EXPECT_EQ(logger->Device().FinalCommandCount(), 1);
    log.entries.clear();

    Plug(SyntheticLoggerImage(kStart), {EmulatedFault::RemovedAtReport, 40, 10});
    EXPECT_NE(Controller().HandleEraseRequest().result, kResultSuccess);
    EXPECT_EQ(log.entries,
              std::vector<std::string>{"box Error: Erase FAILED: reading the logger failed at "
                                       "block 20 of 197: the logger was unplugged during the "
                                       "transfer; nothing on the logger was changed"});

    log.entries.clear();
    EXPECT_FALSE(Controller().HandleEraseRequest().opened);
    EXPECT_EQ(log.entries, std::vector<std::string>{
                               "box Warning: Please make sure device is connected correctly"});
}

// The logger is erased only when what it holds now is in the archive byte for byte, or it holds
// nothing; otherwise it is left untouched and the user is told why.
TEST_F(Acquisition, EraseGoesAheadOnlyForARecordSafeInTheArchive) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    LoggerImage neverSetUp = memory;
    WriteU32(neverSetUp, kClockSetTimeOffset, 0);
    const std::string notArchived = "box Warning: The logger holds 2016 samples that are not in "
                                    "the archive, so it was not erased. Plug it in again to "
                                    "archive them first";
    const struct {
        const char* what;
        LoggerImage read;    // what the acquisition read and archived
        LoggerImage logger;  // what the logger holds when the erase comes
        bool removeArchive;
        std::string message;  // empty: erased
    } cases[] = {
        {"archived", memory, memory, false, ""},
        {"recorded on since", WithSamples(memory, 1500), memory, false, notArchived},
        {"archive removed", memory, memory, true, notArchived},
        {"never set up", neverSetUp, neverSetUp, false,
         "box Warning: The logger holds 2016 samples that cannot be archived (it was never set "
         "up), so it was not erased"},
        {"never set up and empty", WithSamples(neverSetUp, 0), WithSamples(neverSetUp, 0), false,
         ""},
    };
    for (const auto& c : cases) {
        Plug(c.read);
        ASSERT_EQ(Controller().Acquire(), kResultSuccess) << c.what;
        if (c.removeArchive)
            std::filesystem::remove_all(root.Path() / "Data");
        Plug(c.logger);
        log.entries.clear();
        const EraseOutcome outcome = Controller().HandleEraseRequest();
        EXPECT_EQ(outcome.refused, !c.message.empty()) << c.what;
        if (c.message.empty()) {
            EXPECT_EQ(log.entries.back().rfind("box Info: Data erased", 0), 0u) << c.what;
            EXPECT_EQ(logger->Device().FinalCommandCount(), 1) << c.what;
        } else {
            EXPECT_EQ(log.entries, std::vector<std::string>{c.message}) << c.what;
            EXPECT_EQ(logger->Memory(), c.logger) << c.what;
        }
        std::filesystem::remove_all(root.Path() / "Data");
    }
}

// One program per logger: what the user started is refused at once while another program
// holds the logger; a read that a plug-in started waits for it (the other program archives the
// record meanwhile) and reads nothing when it is still held after ten seconds.
TEST_F(Acquisition, ALoggerThatAnotherProgramHoldsIsRefusedOrWaitedFor) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    const std::filesystem::path memoryFile = root.Path() / "logger.bin";
    ASSERT_FALSE(WriteFileAtomically(memoryFile, memory));
    const std::string inUse = "The logger is in use by another program";
    const struct {
        const char* what;
        std::function<ResultCode(AcquisitionController&)> run;
        bool readBefore;                 // a write needs the logger's own table
        std::size_t releasedAfterWaits;  // 0: never
        ResultCode result;
        std::size_t waits;
        std::vector<std::string> entries;
        std::size_t archived;
    } cases[] = {
        {"read",
         [](AcquisitionController& c) { return c.Acquire(); },
         false,
         1,
         kResultLoggerInUse,
         0,
         {"logger detached"},
         0},
        {"plug-in, released",
         [](AcquisitionController& c) { return c.ArrivalSequence(); },
         false,
         3,
         kResultSuccess,
         3,
         {"record cleared", kFirstNotice, "settings changed", "logger attached", "record decoded",
          "products loaded", kSecondNotice, "history refresh"},
         1},
        {"plug-in, still held",
         [](AcquisitionController& c) { return c.ArrivalSequence(); },
         false,
         0,
         kResultLoggerInUse,
         100,
         {"record cleared", kFirstNotice, "logger detached", "box Info: " + inUse,
          "history refresh"},
         0},
        {"write",
         [](AcquisitionController& c) { return c.WriteSettings(c.CurrentRecording().settings); },
         true,
         0,
         kResultLoggerInUse,
         0,
         {"box Error: " + inUse},
         1},
        {"erase",
         [](AcquisitionController& c) { return c.HandleEraseRequest().result; },
         false,
         0,
         kResultLoggerInUse,
         0,
         {"box Error: " + inUse},
         0},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(root.Path() / "Data");
        Plug(memory, {}, memoryFile);
        if (c.readBefore) {
            ASSERT_EQ(Controller().Acquire(), kResultSuccess) << c.what;
        }
        ExclusiveLock otherProgram(memoryFile);
        ASSERT_TRUE(otherProgram.Held()) << c.what;
        lockWaits.clear();
        log.entries.clear();
        onLockWait = [&] {
            if (lockWaits.size() == c.releasedAfterWaits)
                otherProgram.Release();
        };
        EXPECT_EQ(c.run(Controller()), c.result) << c.what;
        EXPECT_EQ(lockWaits.size(), c.waits) << c.what;
        EXPECT_EQ(log.entries, c.entries) << c.what;
        EXPECT_EQ(DataFiles().size(), c.archived) << c.what;
        EXPECT_EQ(logger->Memory(), memory) << c.what;
        onLockWait = nullptr;
    }
}

// The erase keeps the archive folder locked from its check to its end: no other program can
// replace or remove the copy it relies on meanwhile. A folder that another program keeps
// locked is waited for, and then the erase is refused.
TEST_F(Acquisition, EraseHoldsTheArchiveFolderFromItsCheckToItsEnd) {
    const LoggerImage memory = SyntheticLoggerImage(kStart);
    const std::filesystem::path data = root.Path() / "Data";
    Plug(memory);
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);

    std::vector<bool> folderBusy;
    onErasePause = [&] { folderBusy.push_back(ExclusiveLock(data).Busy()); };
    ASSERT_EQ(Controller().HandleEraseRequest().result, kResultSuccess);
    EXPECT_EQ(folderBusy, std::vector<bool>(5, true));
    EXPECT_FALSE(ExclusiveLock(data).Busy());

    Plug(memory);
    const ExclusiveLock otherProgram(data);
    log.entries.clear();
    lockWaits.clear();
    EXPECT_TRUE(Controller().HandleEraseRequest().refused);
    EXPECT_EQ(lockWaits.size(), 300u);
    EXPECT_EQ(log.entries,
              std::vector<std::string>{"box Warning: The logger holds 2016 samples whose archived "
                                       "copy cannot be checked (the archive folder " +
                                       data.string() +
                                       " is in use by another program), so it was not erased"});
    EXPECT_EQ(logger->Memory(), memory);
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

TEST_F(Acquisition, ChartViewChangesOnlyTheWindowAndRangeAndTells) {
    Plug(SyntheticLoggerImage(kStart));
    ASSERT_EQ(Controller().Acquire(), kResultSuccess);
    log.entries.clear();
    const LogSummary decoded = Controller().CurrentRecording().record.summary;
    LogSummary view{};
    view.viewFirst = 15;
    view.viewLast = 79;
    view.chartMinInt = -3;
    view.chartMaxInt = 4;
    Controller().SetChartView(view);

    const LogSummary& shown = Controller().CurrentRecording().record.summary;
    EXPECT_EQ(log.entries, std::vector<std::string>{"chart view changed"});
    EXPECT_EQ(std::tie(shown.viewFirst, shown.viewLast, shown.chartMinInt, shown.chartMaxInt),
              std::make_tuple(15, 79, -3, 4));
    EXPECT_EQ(std::tie(shown.chartMin, shown.chartMax, shown.lowest, shown.highest, shown.average),
              std::tie(decoded.chartMin, decoded.chartMax, decoded.lowest, decoded.highest,
                       decoded.average));
}

}  // namespace
}  // namespace velka
