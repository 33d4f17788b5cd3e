#include "reports/report_path.h"
#include "temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(DefaultReportPath, TheSerialNumberNamesBothReportsInTheArchiveFolder) {
    testing::TempDir folder;
    const DataRoot root(folder / "Calderwyn");
    const FixedClock clock(1530781380);
    EXPECT_EQ(BuildDefaultReportPath(ReportKind::Pdf, "00000000", root, clock),
              folder / "Calderwyn" / "Data" / "00000000.pdf");
    EXPECT_EQ(BuildDefaultReportPath(ReportKind::Excel, "0A1B2C3D", root, clock),
              folder / "Calderwyn" / "Data" / "0A1B2C3D.xlsx");
    // Both folder levels are made on the way.
    EXPECT_TRUE(std::filesystem::is_directory(root.DataDirectory()));
}

TEST(DefaultReportPath, WithoutASerialNumberTheLocalTimeNamesTheReport) {
    testing::TempDir folder;
    const DataRoot root(folder.Path());
    // 2018-07-05 09:03:00 UTC; the tests run in UTC.
    const FixedClock clock(1530781380);
    EXPECT_EQ(BuildDefaultReportPath(ReportKind::Pdf, "", root, clock).filename(),
              "2018_7_5_9_3_0.pdf");
    EXPECT_EQ(BuildDefaultReportPath(ReportKind::Excel, "", root, clock).filename(),
              "2018_7_5_9_3_0.xlsx");
}

TEST(DefaultReportPath, AFolderThatCannotBeMadeStillGivesThePath) {
    testing::TempDir folder;
    const DataRoot root(folder / "file");
    ASSERT_TRUE(std::ofstream(folder / "file").good());
    EXPECT_EQ(BuildDefaultReportPath(ReportKind::Pdf, "0A1B2C3D", root, FixedClock(0)),
              folder / "file" / "Data" / "0A1B2C3D.pdf");
}

}  // namespace
}  // namespace velka
