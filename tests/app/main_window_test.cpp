// The main window against the emulated logger: its geometry and shape, start-up, navigation,
// moving it, hot-plug handled one sequence at a time, and the system page's erase button.

#include "app/region_from_bitmap.h"
#include "archive/archive_file_name.h"
#include "storage/file_io.h"
#include "ui/kit/accessible_names.h"
#include "ui/kit/popup_dialog.h"
#include "ui/kit/skin_bitmaps.h"
#include "ui/kit/skin_button.h"
#include "ui/pages/history_page.h"
#include "ui/pages/system_page.h"
#include "window_fixture.h"
#include "window_texts.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace velka {
namespace {

using testing::ImageWithSerial;
using testing::kFirstNotice;
using testing::kSecondNotice;
using testing::WindowUnderTest;
using Page = CVelkaDlg::Page;

QImage Row(int width, const std::vector<int>& nonBlackColumns) {
    QImage image(width, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (const int x : nonBlackColumns)
        image.setPixel(x, 0, qRgb(1, 0, 0));  // the darkest colour that is not black
    return image;
}

std::vector<int> Columns(int from, int to) {
    std::vector<int> columns;
    for (int x = from; x <= to; ++x)
        columns.push_back(x);
    return columns;
}

TEST(RegionFromBitmap, RowCases) {
    struct Case {
        const char* name;
        QImage row;
        std::vector<QRect> runs;
    };
    const Case cases[] = {
        {"black but for columns 10 to 19", Row(40, Columns(10, 19)), {QRect(10, 0, 10, 1)}},
        {"last column only", Row(40, {39}), {QRect(39, 0, 1, 1)}},
        {"no black pixel", Row(40, Columns(0, 39)), {QRect(0, 0, 40, 1)}},
        {"a run reaching a black last column ends at the edge",
         Row(40, Columns(30, 38)),
         {QRect(30, 0, 10, 1)}},
        {"two runs", Row(40, {0, 1, 5}), {QRect(0, 0, 2, 1), QRect(5, 0, 1, 1)}},
        {"all black", Row(40, {}), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowRunsOfBitmap(c.row), c.runs) << c.name;
        QRegion expected;
        for (const QRect& run : c.runs)
            expected += run;
        EXPECT_TRUE((RegionFromBitmap(c.row) ^ expected).isEmpty()) << c.name;
    }
}

TEST(RegionFromBitmap, IsTheUnionOfTheRowRunsOfAnyPicture) {
    // Rows repeat in stretches so that the merging of equal rows into bands is exercised.
    std::mt19937 random(5);
    QImage image(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        if (y % 4 != 0) {
            std::memcpy(image.scanLine(y), image.constScanLine(y - 1),
                        static_cast<std::size_t>(image.bytesPerLine()));
            continue;
        }
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random() % 3 == 0 ? qRgb(0, 0, 0) : qRgb(200, 200, 200));
    }
    const std::vector<QRect> runs = RowRunsOfBitmap(image);
    const QRegion region = RegionFromBitmap(image);
    int mismatches = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inRun = std::any_of(runs.begin(), runs.end(),
                                           [&](const QRect& run) { return run.contains(x, y); });
            const bool black = (image.pixel(x, y) & 0xFFFFFF) == 0;
            mismatches += region.contains(QPoint(x, y)) != inRun;
            mismatches += inRun == black && x != image.width() - 1;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(RegionFromBitmap(QImage()).isEmpty());
}

TEST(MainWindow, GeometryShapeAndButtons) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();

    EXPECT_EQ(window.windowTitle(), "Velka");
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(window.mask(), RegionFromBitmap(SkinBitmapImage(129)));
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));  // the rounded corners
    EXPECT_TRUE(window.mask().contains(QPoint(512, 384)));
    EXPECT_EQ(window.PageFrame()->geometry(), QRect(140, 40, 860, 700));

    struct ButtonCase {
        int id;
        QRect geometry;
        bool pressShift;
    };
    const ButtonCase buttons[] = {
        {1000, {28, 20, 86, 86}, false},  {1001, {28, 125, 86, 86}, false},
        {1002, {28, 230, 86, 86}, true},  {1003, {28, 335, 86, 86}, false},
        {1004, {30, 450, 86, 86}, false}, {1005, {28, 555, 86, 86}, false},
        {1006, {28, 660, 86, 86}, true},  {1008, {980, 5, 38, 38}, true},
        {1063, {935, 5, 38, 38}, true},
    };
    for (const ButtonCase& b : buttons) {
        CxSkinButton* button = window.Button(b.id);
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(button->geometry(), b.geometry) << b.id;
        EXPECT_EQ(button->PressShift(), b.pressShift) << b.id;
        EXPECT_FALSE(button->Pictures().normal.isNull()) << b.id;
    }
    for (const Page page : {Page::System, Page::Parameters, Page::Chart, Page::RecordTable,
                            Page::History, Page::Pdf, Page::Excel})
        EXPECT_EQ(window.PageWidget(page)->geometry(), QRect(0, 0, 860, 700));
}

TEST(MainWindow, StartsWithTheLoggerPluggedInReadWithoutNotices) {
    WindowUnderTest test;
    QSignalSpy decoded(&test.window->Notifier(), &SessionNotifier::recordDecoded);
    test.Start();

    EXPECT_TRUE(test.messages.shown.empty());
    EXPECT_EQ(decoded.count(), 1);
    EXPECT_TRUE(std::filesystem::exists(test.dataDir / "Data" /
                                        ArchiveFileName("0A1B2C3D", testing::kRecordingStart)));
    EXPECT_EQ(test.window->VisiblePage(), Page::System);
    EXPECT_TRUE(test.window->Button(1000)->GetCheck());
    EXPECT_TRUE(
        test.window->Pages().system->EraseButton()->isVisibleTo(test.window->Pages().system));
}

TEST(MainWindow, UnusableReferenceTablesAreNamedOnceAndGiveNoTemperatures) {
    const LoadedReferenceTables tables = LoadReferenceTables("/nonexistent/reftable");
    ASSERT_FALSE(tables.Usable());
    WindowUnderTest test(ImageWithSerial(0x0A1B2C3D), nullptr, tables);
    test.Start();
    EXPECT_EQ(test.messages.shown, std::vector<std::string>{"Error: " + tables.ProblemText()});
    EXPECT_TRUE(test.window->Controller().CurrentRecording().record.samples.empty());
}

TEST(MainWindow, ADataRootThatCannotKeepRecordingsIsNamedAtStart) {
    WindowUnderTest test;
    std::filesystem::remove_all(test.dataDir / "Data");  // the window made it on opening
    std::ofstream(test.dataDir / "Data") << "not a folder";
    test.Start();
    ASSERT_FALSE(test.messages.shown.empty());
    EXPECT_EQ(test.messages.shown.front(),
              "Error: The data folder " + MessagePath(test.dataDir.Path()) +
                  " cannot be used: " + MessagePath(test.dataDir / "Data") + ": Not a directory");
}

TEST(MainWindow, NavigationShowsOnePageAndChecksItsButton) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    const std::pair<int, Page> steps[] = {{1001, Page::Parameters},  {1002, Page::Chart},
                                          {1003, Page::RecordTable}, {1004, Page::History},
                                          {1000, Page::System},      {1004, Page::History}};
    window.activateWindow();
    for (const auto& [id, page] : steps) {
        // The user was working in the page left behind: its focus must not fall on a page
        // button, which would then look chosen as well.
        if (const std::optional<Page> shown = window.VisiblePage()) {
            if (auto* control = window.PageWidget(*shown)->findChild<QComboBox*>())
                control->setFocus(Qt::MouseFocusReason);
        }
        QTest::mouseClick(window.Button(id), Qt::LeftButton, {}, QPoint(43, 43));
        EXPECT_EQ(window.VisiblePage(), page) << id;
        for (const int other : {1000, 1001, 1002, 1003, 1004}) {
            EXPECT_EQ(window.Button(other)->GetCheck(), other == id) << id << " " << other;
            EXPECT_FALSE(window.Button(other)->hasFocus()) << id << " " << other;
        }
    }
    // A recording loaded from the history: the chart, with its button, not the history's, and
    // the focus left in the history page on no page button.
    window.PageWidget(Page::History)->findChild<QDateTimeEdit*>()->setFocus(Qt::MouseFocusReason);
    emit qobject_cast<CDlgStatistics*>(window.PageWidget(Page::History))->chartPageRequested();
    EXPECT_EQ(window.VisiblePage(), Page::Chart);
    for (const int id : {1000, 1001, 1002, 1003, 1004}) {
        EXPECT_EQ(window.Button(id)->GetCheck(), id == 1002) << id;
        EXPECT_FALSE(window.Button(id)->hasFocus()) << id;
    }
    EXPECT_TRUE(window.PageWidget(Page::Pdf)->isHidden());
    EXPECT_TRUE(window.PageWidget(Page::Excel)->isHidden());

    QTest::mouseClick(window.Button(1008), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindow, TheAnalysisChoiceComesFromTheSettingsAndIsKeptAtOnceWhenChanged) {
    AppSettings settings;
    settings.analysis = {100, "who-pqs-2"};
    WindowUnderTest test(ImageWithSerial(0x0A1B2C3D), nullptr, testing::DeliveredTables(),
                         settings);
    test.Start();
    EXPECT_EQ(test.window->Controller().Analysis(), settings.analysis);
    auto* profile = test.window->PageWidget(Page::Chart)->findChild<QComboBox*>();
    ASSERT_NE(profile, nullptr);
    EXPECT_EQ(profile->currentData().toString(), QStringLiteral("who-pqs-2"));
    EXPECT_FALSE(ReadWholeFile(test.ConfigFile()));

    profile->setCurrentIndex(profile->findData(QStringLiteral("usp-crt")));
    EXPECT_EQ(ReadWholeFile(test.ConfigFile()),
              "[Velka]\nMKT Activation Energy=100\nAlarm Profile=usp-crt\n");
}

// The page buttons from the keyboard: Alt+1 … Alt+5 choose the pages (and check their buttons
// as a click does), Tab reaches every button, a click takes no focus, and each button has a name
// for screen readers, its shortcut in the tooltip.
TEST(MainWindow, ThePageButtonsAnswerTheKeyboardAndHaveNames) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    window.activateWindow();
    const std::pair<Qt::Key, Page> steps[] = {{Qt::Key_2, Page::Parameters},
                                              {Qt::Key_3, Page::Chart},
                                              {Qt::Key_4, Page::RecordTable},
                                              {Qt::Key_5, Page::History},
                                              {Qt::Key_1, Page::System}};
    for (const auto& [key, page] : steps) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_EQ(window.VisiblePage(), page) << key;
    }
    EXPECT_TRUE(window.Button(1000)->GetCheck());
    EXPECT_FALSE(window.Button(1004)->GetCheck());

    QTest::mouseClick(window.Button(1002), Qt::LeftButton, {}, QPoint(43, 43));
    EXPECT_FALSE(window.Button(1002)->hasFocus());
    const std::pair<int, const char*> names[] = {{1000, "System (Alt+1)"},
                                                 {1001, "Parameters (Alt+2)"},
                                                 {1002, "Chart (Alt+3)"},
                                                 {1003, "Table (Alt+4)"},
                                                 {1004, "History (Alt+5)"},
                                                 {1005, "Save PDF report (Alt+6)"},
                                                 {1006, "Save Excel workbook (Alt+7)"},
                                                 {1008, "Close"},
                                                 {1063, "Minimize"}};
    for (const auto& [id, tooltip] : names) {
        CxSkinButton* button = window.Button(id);
        EXPECT_EQ(button->toolTip().toStdString(), tooltip);
        EXPECT_FALSE(button->accessibleName().isEmpty()) << id;
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus) << id;
    }
}

// Every control a screen reader announces, on every page and in the window's frame, has a name.
TEST(MainWindow, EveryControlHasANameForScreenReaders) {
    WindowUnderTest test;
    test.Start();
    std::string unnamed;
    for (QWidget* control : UnnamedControls(*test.window))
        unnamed += std::string(control->metaObject()->className()) + " " +
                   control->objectName().toStdString() + "; ";
    EXPECT_EQ(unnamed, "");
    // Fields are named by the label the page shows beside or above them, without its marks.
    const std::pair<const char*, const char*> named[] = {
        {"upperLimitField", "Upper Limit Alarm"},     {"startDelayList", "Start Delay"},
        {"deliveryCompanyField", "Delivery Company"}, {"validityPicker", "Period of validity"},
        {"maxTemperature", "Temperature Max(℃)"},     {"sampleList", "Samples"}};
    for (const auto& [object, name] : named) {
        const auto* control = test.window->findChild<QWidget*>(QString::fromUtf8(object));
        ASSERT_NE(control, nullptr) << object;
        EXPECT_EQ(control->accessibleName().toStdString(), name);
    }
}

// The unit chosen on the system page is kept in config.ini at once and every temperature the
// window shows follows it; in °F no text says °C.
TEST(MainWindow, TheTemperatureUnitReachesEveryTextOfTheWindow) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    auto* unit = window.PageWidget(Page::System)->findChild<QComboBox*>("temperatureUnit");
    ASSERT_NE(unit, nullptr);
    const auto says = [&](const std::string& what) {
        std::vector<std::string> holding;
        for (const testing::ShownText& shown : testing::WindowTexts(window)) {
            const std::string text = shown.text.toStdString();
            if (text.find(what) != std::string::npos)
                holding.push_back(text);
        }
        return holding;
    };
    const auto field = [&](const char* name) {
        return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
    };
    const std::size_t inCelsius = says("℃").size();
    EXPECT_GE(inCelsius, 8u);  // limits, summary, table head and query, parameter units

    unit->setFocus();
    QTest::keyClick(unit, Qt::Key_Down);
    EXPECT_EQ(window.Controller().Unit(), TemperatureUnit::Fahrenheit);
    EXPECT_NE(ReadWholeFile(test.ConfigFile()).value_or("").find("Temperature Unit=F\n"),
              std::string::npos);
    EXPECT_EQ(says("℃"), std::vector<std::string>{});
    EXPECT_EQ(says("°C"), std::vector<std::string>{});
    EXPECT_GE(says("°F").size(), inCelsius);
    EXPECT_EQ(field("upperLimitField") + " " + field("lowerLimitField"), "46.4 35.6");
    EXPECT_EQ(field("maxTemperature") + " " + field("minTemperature"), "158 -22");
    auto* samples = window.findChild<QTableView*>("sampleList");
    EXPECT_EQ(samples->model()->headerData(2, Qt::Horizontal).toString().toStdString(),
              "Temperature°F");

    QTest::keyClick(unit, Qt::Key_Up);
    EXPECT_EQ(says("°F"), std::vector<std::string>{});
    EXPECT_EQ(says("℃").size(), inCelsius);
    EXPECT_EQ(field("maxTemperature") + " " + field("upperLimitField"), "70 8");
}

// Tab from the page button goes once round every control of each page and the window's frame
// and comes back, trapped nowhere (lists give Tab up; a picker steps through its sections on
// the way); Space on a control reached so presses it.
TEST(MainWindow, TabReachesEveryControlOfEveryPageAndComesBack) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    window.activateWindow();
    const std::pair<Qt::Key, Page> pages[] = {{Qt::Key_1, Page::System},
                                              {Qt::Key_2, Page::Parameters},
                                              {Qt::Key_3, Page::Chart},
                                              {Qt::Key_4, Page::RecordTable},
                                              {Qt::Key_5, Page::History}};
    for (const auto& [key, page] : pages) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        std::set<QWidget*> expected;
        for (QWidget* control : window.findChildren<QWidget*>()) {
            const auto* radio = qobject_cast<QRadioButton*>(control);
            // Of a group of radio buttons Tab reaches the chosen one; the arrows choose.
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisible() &&
                control->isEnabled() && control->focusProxy() == nullptr &&
                (radio == nullptr || radio->isChecked()))
                expected.insert(control);
        }
        std::set<QWidget*> reached;
        QWidget* first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr) << key;
        for (int presses = 0; presses < 200; ++presses) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                break;
        }
        EXPECT_EQ(QApplication::focusWidget(), first) << "Tab is trapped on page " << key;
        std::string missed;
        for (QWidget* control : expected) {
            if (!reached.contains(control))
                missed += control->objectName().toStdString() + "/" +
                          control->accessibleName().toStdString() + " ";
        }
        EXPECT_EQ(missed, "") << key;
        EXPECT_GE(reached.size(), 12u) << key;  // the nine frame buttons and the page's own
    }

    // Space presses the control Tab reached: a zoom button zooms, Erase asks first.
    QTest::keyClick(&window, Qt::Key_3, Qt::AltModifier);
    const LogSummary before = window.Controller().CurrentRecording().record.summary;
    QWidget* zoomIn = nullptr;
    for (auto* button : window.PageWidget(Page::Chart)->findChildren<CxSkinButton*>()) {
        if (button->accessibleName() == "Overall Magnification")
            zoomIn = button;
    }
    ASSERT_NE(zoomIn, nullptr);
    while (QApplication::focusWidget() != zoomIn)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(zoomIn, Qt::Key_Space);
    EXPECT_LT(window.Controller().CurrentRecording().record.summary.viewLast - before.viewFirst,
              before.viewLast - before.viewFirst);
}

TEST(MainWindow, DraggingTheBackgroundMovesTheWindowButNotFromAPage) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    // Offscreen, like X11 without a window manager, cannot move the window itself.
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(125, 400));
    QTest::mouseMove(&window, QPoint(145, 430));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(145, 430));
    EXPECT_EQ(window.pos(), QPoint(20, 30));

    QWidget* page = window.PageWidget(Page::System);
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(page, QPoint(150, 150));
    QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(window.pos(), QPoint(20, 30));
}

TEST(MainWindow, BackgroundMenuOffersTheAboutBox) {
    WindowUnderTest test;
    std::unique_ptr<QMenu> menu(test.window->CreateBackgroundMenu(nullptr));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "&About Velka...");

    QTimer::singleShot(0, [] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->windowTitle(), "About Velka");
        const auto labels = about->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
            return label->text() == "Velka, Version 1.0";
        }));
        QTest::keyClick(about, Qt::Key_Return);
    });
    menu->actions()[0]->trigger();
}

TEST(MainWindow, DeviceEventsDuringASequenceWaitForItsEnd) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    const DeviceEvent arrival{HotplugDecision::LoggerArrived, EmulatedLogger::kDevicePath};
    const DeviceEvent removal{HotplugDecision::LoggerRemoved, EmulatedLogger::kDevicePath};

    // While the first notice of the first arrival is up, the logger is reported pulled out
    // and plugged in again.
    bool firstBox = true;
    test.messages.whileShown = [&](const std::string&) {
        if (!std::exchange(firstBox, false))
            return;
        EXPECT_TRUE(window.LoggerTasks().Busy());
        window.HandleDeviceEvents({removal, arrival});
        EXPECT_EQ(window.LoggerTasks().Waiting(), 2u);
    };
    QSignalSpy attached(&window.Notifier(), &SessionNotifier::loggerAttached);
    QSignalSpy detached(&window.Notifier(), &SessionNotifier::loggerDetached);
    window.HandleDeviceEvents({arrival});

    EXPECT_EQ(test.messages.shown,
              (std::vector<std::string>{kFirstNotice, kSecondNotice, kFirstNotice, kSecondNotice}));
    EXPECT_EQ(attached.count(), 2);
    EXPECT_EQ(detached.count(), 1);
    EXPECT_FALSE(window.LoggerTasks().Busy());
    EXPECT_TRUE(window.Controller().Link().devicePresent());
}

// The road of one recording by clicking: read at start, listed by the record table and the
// history, loaded again from the history onto the chart page, and both reports written where
// the save popup said.
TEST(MainWindow, TheRecordingOfTheLoggerReachesEveryPageAndBothReports) {
    WindowUnderTest test;
    CVelkaDlg& window = *test.window;
    test.Start();
    const auto list = [&](Page page, const char* name) {
        return window.PageWidget(page)->findChild<QTableView*>(QString::fromLatin1(name));
    };
    QTableView* samples = list(Page::RecordTable, "sampleList");
    QTableView* history = list(Page::History, "historyList");
    ASSERT_TRUE(samples != nullptr && history != nullptr);
    EXPECT_EQ(samples->model()->rowCount(), 35);
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->model()->rowCount() == 1; }, 5000));

    QTest::mouseClick(window.Button(1004), Qt::LeftButton);  // lists the archive anew
    ASSERT_TRUE(QTest::qWaitFor([&] { return history->model()->rowCount() == 1; }, 5000));
    QSignalSpy decoded(&window.Notifier(), &SessionNotifier::recordDecoded);
    QTest::mouseDClick(history->viewport(), Qt::LeftButton, {},
                       history->visualRect(history->model()->index(0, 1)).center());
    EXPECT_EQ(decoded.count(), 1);
    EXPECT_EQ(window.VisiblePage(), Page::Chart);
    EXPECT_TRUE(window.Button(1002)->GetCheck());

    struct Report {
        int button;
        std::string name;
        std::string success;
    };
    for (const Report& report : {Report{1005, "trip.pdf", "Info: PDF save success"},
                                 Report{1006, "trip.xlsx", "Info: Excel Export Success"}}) {
        const std::filesystem::path path = test.dataDir / report.name;
        for (const bool confirmed : {false, true}) {
            QTimer::singleShot(0, [&] {
                auto* popup = qobject_cast<CPopupDlg*>(QApplication::activeModalWidget());
                ASSERT_NE(popup, nullptr);
                // Named after the recording's archived file: each trip its own report.
                EXPECT_EQ(popup->PathField().text().toStdString(),
                          (test.dataDir / "Data" / "0A1B2C3D_2018-05-04_09-07-05").string() +
                              path.extension().string());
                popup->PathField().setText(QString::fromStdString(path.string()));
                QTest::keyClick(&popup->PathField(), confirmed ? Qt::Key_Return : Qt::Key_Escape);
            });
            test.messages.shown.clear();
            QTest::mouseClick(window.Button(report.button), Qt::LeftButton);
            EXPECT_EQ(std::filesystem::exists(path), confirmed) << report.name;
            EXPECT_EQ(test.messages.shown, confirmed ? std::vector<std::string>{report.success}
                                                     : std::vector<std::string>{})
                << report.name;
        }
    }
}

TEST(SystemPage, EraseButtonFollowsTheLoggerThatWasRead) {
    struct Case {
        std::uint32_t serialNumber;
        bool eraseShown;
    };
    for (const Case c : {Case{0x00800000, false}, Case{0x00800001, true}}) {
        WindowUnderTest test(ImageWithSerial(c.serialNumber));
        test.Start();
        const CDlgSysInfo& page = *test.window->Pages().system;
        EXPECT_EQ(page.EraseButton()->isVisibleTo(&page), c.eraseShown) << c.serialNumber;
        EXPECT_EQ(page.HelpButton()->geometry(), QRect(c.eraseShown ? 340 : 390, 500, 96, 53))
            << c.serialNumber;
        EXPECT_EQ(page.EraseButton()->geometry(), QRect(440, 500, 96, 53));

        test.window->HandleDeviceEvents(
            {{HotplugDecision::LoggerRemoved, EmulatedLogger::kDevicePath}});
        EXPECT_FALSE(page.EraseButton()->isVisibleTo(&page)) << c.serialNumber;
        EXPECT_EQ(page.HelpButton()->geometry(), QRect(390, 500, 96, 53));
    }
}

TEST(SystemPage, EmptiesTheLoggerOnlyAfterOk) {
    WindowUnderTest test;
    test.Start();
    CDlgSysInfo& page = *test.window->Pages().system;
    EXPECT_EQ(page.InformationField()->text().toStdString(),
              test.settings.productInfo + "\n" + test.settings.companyInfo);
    const LoggerImage before = test.logger.Memory();

    test.messages.answers = {MessageAnswer::Cancel};
    page.EraseButton()->click();
    EXPECT_EQ(test.messages.shown, std::vector<std::string>{"Warning: Empty All Data?"});
    EXPECT_EQ(test.logger.Memory(), before);

    page.EraseButton()->click();
    EXPECT_NE(test.logger.Memory(), before);
    const auto samples = std::span(test.logger.Memory()).subspan(kSampleRegionOffset, 64);
    EXPECT_TRUE(std::all_of(samples.begin(), samples.end(), [](auto b) { return b == 0; }));

    std::vector<QUrl> opened;
    page.SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    page.HelpButton()->click();
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile(QString::fromStdString(
                          (test.dataDir / "Help" / "index.html").string()))});
}

}  // namespace
}  // namespace velka
