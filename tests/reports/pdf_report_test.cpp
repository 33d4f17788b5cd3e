#include "report_test_support.h"
#include "reports/pdf_report.h"
#include "scripted_messages.h"
#include "synthetic_recordings.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

using testing::ShownMessage;

class PdfReport : public ::testing::Test {
protected:
    Recording recording = testing::DecodedSynthetic(60, 300);
    ChartPixels pixels = testing::StripedPixels();
    FixedClock clock{testing::kSyntheticNow};
    testing::ScriptedMessages messages;
    testing::TempDir folder;

    ExportResult Export(const std::filesystem::path& path) {
        return ExportPdfReport(ReportInputs{recording, pixels, clock}, path, messages);
    }
};

TEST_F(PdfReport, ASavedReportIsAPdfAndTheUserIsTold) {
    const ExportResult result = Export(folder / "0A1B2C3D.pdf");
    EXPECT_EQ(result.status, ExportStatus::Saved) << result.failure;
    EXPECT_EQ(testing::FileContent(folder / "0A1B2C3D.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(messages.shown,
              (std::vector<ShownMessage>{{"PDF save success", "Info", MessageIcon::Information}}));
    // Nothing but the report is left in the folder.
    EXPECT_EQ(testing::FileNames(folder.Path()), (std::set<std::string>{"0A1B2C3D.pdf"}));
}

TEST_F(PdfReport, AnEmptyRecordAsksForTheDeviceAndWritesNothing) {
    recording.record.samples.clear();
    EXPECT_EQ(Export(folder / "empty.pdf").status, ExportStatus::NoSamples);
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{
                                  {"Please Insert Device", "Warning", MessageIcon::Warning}}));
    EXPECT_TRUE(testing::FileNames(folder.Path()).empty());
}

TEST_F(PdfReport, AnUnwritablePathIsReportedAsAFailureAndLeavesNoFile) {
    const ExportResult missingFolder = Export(folder / "missing" / "report.pdf");
    EXPECT_EQ(missingFolder.status, ExportStatus::Failed);
    EXPECT_FALSE(missingFolder.failure.empty());

    std::filesystem::create_directory(folder / "taken.pdf");
    EXPECT_EQ(Export(folder / "taken.pdf").status, ExportStatus::Failed);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.pdf"));

    const ShownMessage failed{"PDF save FAILED", "Error", MessageIcon::Error};
    EXPECT_EQ(messages.shown, (std::vector<ShownMessage>{failed, failed}));
    EXPECT_EQ(testing::FileNames(folder.Path()), (std::set<std::string>{"taken.pdf"}));
}

TEST_F(PdfReport, AFailedExportKeepsTheEarlierReport) {
    testing::WriteFile(folder / "report.pdf", "the earlier report");
    pixels.bgr.resize(1000);  // not a chart capture: the document cannot be made
    EXPECT_EQ(Export(folder / "report.pdf").status, ExportStatus::Failed);
    EXPECT_EQ(testing::FileContent(folder / "report.pdf"), "the earlier report");
    EXPECT_EQ(testing::FileNames(folder.Path()), (std::set<std::string>{"report.pdf"}));
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"PDF save FAILED"}));
}

TEST_F(PdfReport, TextsAndPathsOfAnyLengthAreWritten) {
    std::u16string longText;
    for (int i = 0; i < 400; ++i)
        longText += u"Nordvik 冷链 \u16A0 ";
    recording.settings.deliveryCompany = longText;
    recording.settings.products.front().name = longText;
    // Beyond what the PDF library takes in one text.
    recording.settings.transportCompany = std::u16string(70000, u'冷');
    std::filesystem::path deep = folder.Path();
    for (int level = 0; level < 12; ++level)
        deep /= std::string(40, static_cast<char>('a' + level));
    std::filesystem::create_directories(deep);
    ASSERT_GT(deep.string().size(), 480u);
    const ExportResult result = Export(deep / "0A1B2C3D.pdf");
    EXPECT_EQ(result.status, ExportStatus::Saved) << result.failure;
    EXPECT_TRUE(std::filesystem::exists(deep / "0A1B2C3D.pdf"));
}

TEST_F(PdfReport, ASecondExportReplacesTheFirst) {
    ASSERT_EQ(Export(folder / "report.pdf").status, ExportStatus::Saved);
    const std::string first = testing::FileContent(folder / "report.pdf");
    recording = testing::DecodedSynthetic(200, 300);
    ASSERT_EQ(Export(folder / "report.pdf").status, ExportStatus::Saved);
    EXPECT_GT(testing::FileContent(folder / "report.pdf").size(), first.size());
    EXPECT_EQ(testing::FileNames(folder.Path()), (std::set<std::string>{"report.pdf"}));
}

}  // namespace
}  // namespace velka
