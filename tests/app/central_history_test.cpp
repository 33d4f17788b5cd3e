// The history's central mode in the window: the recordings of every site are listed, found,
// sorted and loaded from the server; nothing of them is written into the local archive.

#include "central/central_recording.h"
#include "central_fixture.h"
#include "session/acquisition_controller.h"
#include "window_fixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <gtest/gtest.h>

namespace velka {
namespace {

using testing::WindowUnderTest;

// A database of the test's own on the tests' server, the central tables in it.
using CentralWindow = testing::CentralTest;

TEST_F(CentralWindow, TheHistoryFindsSortsAndLoadsTheRecordingsOfEverySite) {
    PgConnection admin(Admin());
    // Three other docks have uploaded a recording each.
    const char* const sites[] = {"North", "South", "West"};
    for (std::uint32_t n = 0; n < 3; ++n) {
        const LoggerImage image = testing::ImageWithSerial(0x00C0FFE1 + n);
        InTransaction(admin, [&] {
            InsertRecording(
                admin, SummaryOf(image, testing::DeliveredTables(), 0), image,
                {sites[n], "0f8e6a52-3b1c-4d2e-9f00-1a2b3c4d5e6f", "dock-" + std::to_string(n)});
        });
    }

    WindowUnderTest test(testing::ImageWithSerial(0x0A1B2C3D), nullptr, testing::DeliveredTables(),
                         {}, kFixedForms, {Admin(), "East"});
    test.Start();
    CVelkaDlg& window = *test.window;
    QWidget& page = *window.PageWidget(CVelkaDlg::Page::History);
    auto* list = page.findChild<QTableView*>("historyList");
    auto* central = page.findChild<QRadioButton*>("centralArchive");
    ASSERT_TRUE(list != nullptr && central != nullptr);
    // The dock's own read reaches the server first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Count("recording") == "4\n"; }, 20000));
    window.ShowPage(CVelkaDlg::Page::History);
    QTest::mouseClick(central, Qt::LeftButton, {}, QPoint(5, central->height() / 2));
    const auto column = [&](int section) {
        std::vector<std::string> texts;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            texts.push_back(list->model()->index(row, section).data().toString().toStdString());
        return texts;
    };
    const auto waitForSites = [&](std::vector<std::string> expected) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return column(8) == expected; }, 10000))
            << ::testing::PrintToString(column(8));
    };
    // Newest start first; the three images share their start, so the SHA-256 orders them: the
    // sort below is what the test checks.
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount() == 4; }, 10000));
    EXPECT_EQ(list->model()->columnCount(), 10);
    EXPECT_EQ(list->model()->headerData(9, Qt::Horizontal).toString(), "Workstation");

    // A click on the site's title sorts by it, a second the other way.
    QHeaderView& header = *list->horizontalHeader();
    const auto clickTitle = [&](int section) {
        list->scrollTo(list->model()->index(0, section));
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(section) + 4, header.height() / 2));
    };
    clickTitle(8);
    waitForSites({"East", "North", "South", "West"});
    clickTitle(8);
    waitForSites({"West", "South", "North", "East"});
    EXPECT_EQ(column(9),
              (std::vector<std::string>{"dock-2", "dock-1", "dock-0", column(9).back()}));

    // A text query over the serial, then Cancel.
    page.findChild<QRadioButton*>("deviceSerialQuery")->click();
    page.findChild<QLineEdit*>("filter")->setText("0a1b");
    page.findChild<QPushButton*>("query")->click();
    waitForSites({"East"});
    page.findChild<QPushButton*>("cancel")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount() == 4; }, 10000));
    clickTitle(8);
    waitForSites({"East", "North", "South", "West"});

    // Loading South's recording: decoded and shown, named for the reports, stored nowhere.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualRect(list->model()->index(2, 1)).center());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window.VisiblePage() == CVelkaDlg::Page::Chart; }, 10000));
    const AcquisitionController& session = window.Controller();
    EXPECT_EQ(session.CurrentRecording().settings.serialText, "00C0FFE2");
    EXPECT_EQ(session.ShownCentralOrigin(), "central archive (South, dock-1)");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(test.dataDir / "Data"),
                            std::filesystem::directory_iterator()),
              2);  // the dock's own recording and the folder's manifest

    // Back to the local archive: its one recording, in its eight columns.
    window.ShowPage(CVelkaDlg::Page::History);
    page.findChild<QRadioButton*>("localArchive")->click();
    EXPECT_EQ(list->model()->columnCount(), 8);
    EXPECT_EQ(list->model()->rowCount(), 1);
}

}  // namespace
}  // namespace velka
