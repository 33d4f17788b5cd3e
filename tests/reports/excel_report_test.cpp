#include "report_test_support.h"
#include "reports/excel_report.h"
#include "scripted_messages.h"
#include "synthetic_recordings.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velka {
namespace {

using testing::ReadCells;
using testing::ShownMessage;

class ExcelReport : public ::testing::Test {
protected:
    Recording recording = testing::DecodedSynthetic(60, 300);
    ChartPixels pixels = testing::StripedPixels();
    FixedClock clock{testing::kSyntheticNow};
    testing::ScriptedMessages messages;
    testing::TempDir folder;
    std::filesystem::path reports = folder / "reports";

    void SetUp() override { std::filesystem::create_directories(reports); }

    ExportResult Export(const std::filesystem::path& path,
                        const std::vector<std::string>& titles =
                            DefaultTableColumnTitles(TemperatureUnit::Celsius)) {
        return ExportExcelReport(ReportInputs{recording, pixels, clock}, titles, path, messages);
    }
};

TEST_F(ExcelReport, ASavedWorkbookHoldsTheChartAndTheUserIsTold) {
    const ExportResult result = Export(reports / "0A1B2C3D.xlsx");
    EXPECT_EQ(result.status, ExportStatus::Saved) << result.failure;
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{
                                  {"Excel Export Success", "Info", MessageIcon::Information}}));
    const std::string workbook = testing::FileContent(reports / "0A1B2C3D.xlsx");
    EXPECT_EQ(workbook.substr(0, 2), "PK");
    EXPECT_NE(workbook.find("xl/media/image1.bmp"), std::string::npos);
    EXPECT_EQ(testing::FileNames(reports), (std::set<std::string>{"0A1B2C3D.xlsx"}));
}

TEST_F(ExcelReport, AnEmptyRecordAsksForTheDeviceAndWritesNothing) {
    recording.record.samples.clear();
    EXPECT_EQ(Export(reports / "empty.xlsx").status, ExportStatus::NoSamples);
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{
                                  {"Please Insert Device", "Warning", MessageIcon::Warning}}));
    EXPECT_TRUE(testing::FileNames(reports).empty());
}

TEST_F(ExcelReport, AnUnwritablePathIsReportedAsAFailureAndLeavesNoFile) {
    const ExportResult missing = Export(reports / "missing" / "report.xlsx");
    EXPECT_EQ(missing.status, ExportStatus::Failed);
    std::filesystem::create_directory(reports / "taken.xlsx");
    const ExportResult taken = Export(reports / "taken.xlsx");
    EXPECT_EQ(taken.status, ExportStatus::Failed);
    // The box names the reason.
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{
                  {"Excel Export FAILED: " + missing.failure, "Error", MessageIcon::Error},
                  {"Excel Export FAILED: " + taken.failure, "Error", MessageIcon::Error}}));
    EXPECT_NE(missing.failure.find("No such file or directory"), std::string::npos);
    EXPECT_EQ(testing::FileNames(reports), (std::set<std::string>{"taken.xlsx"}));
}

TEST_F(ExcelReport, AFailedExportKeepsTheEarlierWorkbook) {
    testing::WriteFile(reports / "report.xlsx", "the earlier workbook");
    pixels.bgr.resize(1000);
    EXPECT_EQ(Export(reports / "report.xlsx").status, ExportStatus::Failed);
    EXPECT_EQ(testing::FileContent(reports / "report.xlsx"), "the earlier workbook");
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{
                                    "Excel Export FAILED: the chart picture has the wrong size"}));
}

TEST_F(ExcelReport, TheSampleTableHeadIsTheRecordTableListsColumns) {
    const int products = static_cast<int>(recording.settings.products.size());
    const int head = 54 + 2 * products;
    ASSERT_EQ(Export(reports / "titles.xlsx", {"Nr", "When", "°C", "Extra"}).status,
              ExportStatus::Saved);
    const std::string row = std::to_string(head);
    const auto cells =
        ReadCells(reports / "titles.xlsx", "A" + row + " B" + row + " C" + row + " D" + row + " E" +
                                               row + " A" + std::to_string(head + 1));
    if (!cells)
        GTEST_SKIP() << "the system's python3 has no openpyxl";
    // The alarm column follows whatever columns the list has.
    EXPECT_EQ(*cells, "Nr\nWhen\n°C\nExtra\nAlarm\n1\n");
}

TEST_F(ExcelReport, TextsBeyondWhatACellHoldsKeepTheirBeginning) {
    recording.settings.receivingCompany = std::u16string(40000, u'冷');
    recording.settings.deliveryCompany = u"Nordvik " + std::u16string(32759, u'a');
    const ExportResult result = Export(reports / "long.xlsx");
    ASSERT_EQ(result.status, ExportStatus::Saved) << result.failure;
    const auto cells = ReadCells(reports / "long.xlsx", "F4 B4");
    if (!cells)
        GTEST_SKIP() << "the system's python3 has no openpyxl";
    std::string expected;
    for (int i = 0; i < 32767; ++i)
        expected += "冷";
    expected += "\nNordvik " + std::string(32759, 'a') + "\n";
    EXPECT_EQ(*cells, expected);
}

}  // namespace
}  // namespace velka
