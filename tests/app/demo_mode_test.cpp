// Demo mode: an archive with something to show, and a demo logger that keeps what is written
// into it and can be plugged in and out from the window's menu.

#include "app/demo_archive.h"
#include "app/demo_logger.h"
#include "record/recording.h"
#include "storage/file_io.h"
#include "ui/kit/skin_button.h"
#include "ui/pages/system_page.h"
#include "window_fixture.h"

#include <QMenu>
#include <gtest/gtest.h>
#include <set>

namespace velka {
namespace {

using testing::DeliveredTables;
using testing::kFirstNotice;
using testing::kSecondNotice;
using testing::kWindowNow;
using testing::TempDir;
using testing::WindowUnderTest;

std::vector<std::filesystem::path> ArchiveFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "SHA256SUMS")  // the manifest is no recording
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(DemoArchive, AnEmptyArchiveGetsADozenVariedRecordings) {
    TempDir dir;
    const DataRoot root(dir.Path());
    const auto written = FillEmptyDemoArchive(root, DeliveredTables(), kWindowNow);
    ASSERT_EQ(written.size(), 12u);

    std::set<std::uint32_t> serials;
    std::int64_t earliest = kWindowNow, latest = 0;
    int withAlarms = 0;
    for (const auto& path : written) {
        LoggerImage image{};
        ASSERT_EQ(ReadImageFile(path, image), kImageSize);
        const Recording recording = DecodeRecording(image, DeliveredTables(), kWindowNow);
        serials.insert(recording.settings.serialNumber);
        earliest = std::min(earliest, recording.StartTime());
        latest = std::max(latest, recording.StopTime());
        EXPECT_LE(recording.StopTime(), kWindowNow);
        const auto& samples = recording.record.samples;
        withAlarms += std::any_of(samples.begin(), samples.end(),
                                  [](const TempSample& s) { return s.alarm != 0; });
    }
    EXPECT_GE(serials.size(), 3u);
    EXPECT_GE(latest - earliest, 90 * 86400);
    EXPECT_GT(withAlarms, 2);
    EXPECT_LT(withAlarms, 10);

    // An archive with recordings is left as it is.
    EXPECT_TRUE(FillEmptyDemoArchive(root, DeliveredTables(), kWindowNow + 86400).empty());
    EXPECT_EQ(ArchiveFiles(root.DataDirectory()).size(), 12u);
}

TEST(DemoMode, TheDemoLoggerIsPluggedInAtStartAndKeepsWhatIsDoneToIt) {
    TempDir demoRoot;
    const FixedClock clock(kWindowNow);
    auto demo = std::make_unique<DemoLogger>(DataRoot(demoRoot.Path()), DeliveredTables(), clock);
    const LoggerImage made = demo->Memory();
    EXPECT_EQ(ReadWholeFile(demo->MemoryFile()).value_or("").size(), kImageSize);

    WindowUnderTest test(testing::ImageWithSerial(1), demo.get());
    CVelkaDlg& window = *test.window;
    test.Start();
    // Plugged in after the start-up read, so the user sees the arrival.
    EXPECT_EQ(test.messages.shown, (std::vector<std::string>{kFirstNotice, kSecondNotice}));
    EXPECT_EQ(ArchiveFiles(test.dataDir / "Data").size(), 1u);
    const CDlgSysInfo& page = *window.Pages().system;
    EXPECT_TRUE(page.EraseButton()->isVisibleTo(&page));

    const auto menuTexts = [&] {
        std::unique_ptr<QMenu> menu(window.CreateBackgroundMenu(nullptr));
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                texts.append(action->text());
        }
        return texts;
    };
    const auto trigger = [&](const QString& text) {
        std::unique_ptr<QMenu> menu(window.CreateBackgroundMenu(nullptr));
        for (QAction* action : menu->actions()) {
            if (action->text() == text)
                action->trigger();
        }
    };
    EXPECT_EQ(menuTexts(),
              (QStringList{"&About Velka...", "Unplug demo logger", "New demo recording"}));
    trigger("Unplug demo logger");
    EXPECT_FALSE(page.EraseButton()->isVisibleTo(&page));
    EXPECT_EQ(menuTexts()[1], "Plug in demo logger");

    // A new trip: in again with a new recording, read and archived.
    test.clock.Set(kWindowNow + 86400);
    trigger("New demo recording");
    EXPECT_EQ(test.messages.shown.size(), 4u);
    EXPECT_EQ(ArchiveFiles(test.dataDir / "Data").size(), 2u);
    EXPECT_NE(demo->Memory(), made);
    EXPECT_TRUE(page.EraseButton()->isVisibleTo(&page));

    // An erase is kept in the logger's file.
    page.EraseButton()->click();
    const LoggerImage erased = demo->Memory();
    const std::string stored = ReadWholeFile(demo->MemoryFile()).value_or("");
    ASSERT_EQ(stored.size(), kImageSize);
    EXPECT_TRUE(std::equal(erased.begin(), erased.end(),
                           reinterpret_cast<const std::uint8_t*>(stored.data())));
    test.window.reset();
    demo = std::make_unique<DemoLogger>(DataRoot(demoRoot.Path()), DeliveredTables(), clock);
    EXPECT_EQ(demo->Memory(), erased);
}

}  // namespace
}  // namespace velka
