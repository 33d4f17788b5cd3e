// The window with a central archive named: what it archives is uploaded in the background, and
// the system page says how the uploads stand; without one the line is not there.

#include "central_fixture.h"
#include "record/local_time.h"
#include "ui/pages/system_page.h"
#include "window_fixture.h"

#include <QLabel>
#include <QTableView>
#include <gtest/gtest.h>

namespace velka {
namespace {

using testing::WindowUnderTest;

// A database of the test's own on the tests' server, the central tables in it.
using CentralWindow = testing::CentralTest;

TEST_F(CentralWindow, TheRecordingReadIsUploadedAndTheSystemPageSaysHowUploadsStand) {
    const std::string since = FormatLocalTime(testing::kWindowNow, "%H:%M");
    const struct {
        CentralSetting central;
        QString status;
    } cases[] = {
        {{Admin(), "North"}, "Central archive: up to date"},
        // The recording read at start waits while the server cannot be reached.
        {{"host=/nonexistent-velka dbname=velka", ""},
         QString::fromStdString("Central archive: 1 recording waiting — server unreachable since " +
                                since)},
        {{}, ""},  // none named: no line
    };
    for (const auto& c : cases) {
        // Named, not bound: lambdas below take it (clang 14 cannot capture a structured binding).
        const QString& status = c.status;
        const CentralSetting& central = c.central;
        WindowUnderTest test(testing::ImageWithSerial(0x0A1B2C3D), nullptr,
                             testing::DeliveredTables(), {}, kFixedForms, central);
        test.Start();
        const QLabel* line =
            static_cast<CDlgSysInfo*>(test.window->PageWidget(CVelkaDlg::Page::System))
                ->CentralStatus();
        if (status.isEmpty()) {
            EXPECT_TRUE(line->isHidden());
            continue;
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return line->text() == status; }, 20000))
            << line->text().toStdString();
        EXPECT_FALSE(line->isHidden());
        // The history marks the recording the server lacks, with more than colour.
        const QAbstractItemModel& history = *test.window->PageWidget(CVelkaDlg::Page::History)
                                                 ->findChild<QTableView*>("historyList")
                                                 ->model();
        ASSERT_TRUE(QTest::qWaitFor([&] { return history.rowCount() == 1; }, 5000));
        const bool waiting = status.contains("waiting");
        EXPECT_EQ(history.index(0, 0).data(Qt::DecorationRole).isNull(), !waiting) << waiting;
        EXPECT_EQ(history.index(0, 0)
                      .data(Qt::ToolTipRole)
                      .toString()
                      .contains("Not in the "
                                "central archive"),
                  waiting);
    }
    EXPECT_EQ(Server().Psql(Database(), "SELECT serial || ' ' || site FROM velka.recording"),
              "0A1B2C3D North\n");
}

}  // namespace
}  // namespace velka
