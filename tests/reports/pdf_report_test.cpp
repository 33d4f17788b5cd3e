#include "record/string_format.h"
#include "report_test_support.h"
#include "reports/pdf_report.h"
#include "reports/pdf_text.h"
#include "scripted_messages.h"
#include "synthetic_recordings.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

using testing::ShownMessage;

class PdfReport : public ::testing::Test {
protected:
    void SetUp() override {
        if (const PdfFontSearch fonts = FindPdfFonts(); !fonts.files)
            GTEST_SKIP() << fonts.missing;
    }

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

TEST_F(PdfReport, AnUnwritablePathIsAFailureThatSaysWhyAndLeavesNoFile) {
    const ExportResult missingFolder = Export(folder / "missing" / "report.pdf");
    EXPECT_EQ(missingFolder.status, ExportStatus::Failed);
    EXPECT_EQ(missingFolder.failure, "cannot write " +
                                         (folder / "missing" / "report.pdf").string() +
                                         ": No such file or directory");

    std::filesystem::create_directory(folder / "taken.pdf");
    const ExportResult folderInTheWay = Export(folder / "taken.pdf");
    EXPECT_EQ(folderInTheWay.status, ExportStatus::Failed);
    EXPECT_NE(folderInTheWay.failure.find(": Is a directory"), std::string::npos)
        << folderInTheWay.failure;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "taken.pdf"));

    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"PDF save FAILED: cannot write " +
                                            (folder / "missing" / "report.pdf").string() +
                                            ": No such file or directory",
                                        "PDF save FAILED: " + folderInTheWay.failure}));
    EXPECT_EQ(testing::FileNames(folder.Path()), (std::set<std::string>{"taken.pdf"}));
}

TEST_F(PdfReport, AFailedExportKeepsTheEarlierReport) {
    testing::WriteFile(folder / "report.pdf", "the earlier report");
    pixels.bgr.resize(1000);  // not a chart capture: the document cannot be made
    EXPECT_EQ(Export(folder / "report.pdf").status, ExportStatus::Failed);
    EXPECT_EQ(testing::FileContent(folder / "report.pdf"), "the earlier report");
    EXPECT_EQ(testing::FileNames(folder.Path()), (std::set<std::string>{"report.pdf"}));
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"PDF save FAILED: the chart picture has the wrong size"}));
}

TEST_F(PdfReport, AReportFontThatCannotBeUsedIsAFailureThatSaysWhy) {
    testing::WriteFile(folder / "report.pdf", "the earlier report");
    testing::WriteFile(folder / "noise.ttc", std::string(5000, 'x'));
    testing::WriteFile(folder / "empty.ttc", std::string("ttcf\0\1\0\0\0\0\0\5", 12));
    const PdfFontFiles installed = *FindPdfFonts().files;
    const std::string cjk = installed.cjk.path.string();
    const char* damaged =
        "ERROR: error_no=%04X, detail_no=0: the report font file is damaged or not a TrueType font";
    const struct {
        PdfFontFile latin;
        PdfFontFile cjk;
        std::string failure;
    } cases[] = {
        {{folder / "missing.ttf", std::nullopt},
         installed.cjk,
         "cannot read the report font " + (folder / "missing.ttf").string() +
             ": No such file or directory"},
        {installed.latin,
         {folder / "missing.ttc", 1},
         "cannot read the report font " + (folder / "missing.ttc").string() +
             ": No such file or directory"},
        {{folder / "noise.ttc", std::nullopt}, installed.cjk, StringPrintf(damaged, 0x105F)},
        {installed.latin, {folder / "noise.ttc", 1}, StringPrintf(damaged, 0x103F)},
        {installed.latin,
         {folder / "empty.ttc", 1},
         "the report font " + (folder / "empty.ttc").string() + " is damaged"},
        // The faces' widths are what the layout was made for.
        {installed.latin,
         {installed.cjk.path, 0},
         "the report font " + cjk + " holds WenQuanYiZenHei as face 0, not WenQuanYiZenHeiMono"},
        {{installed.cjk.path, 1},
         installed.cjk,
         "the report font " + cjk + " holds WenQuanYiZenHeiMono as face 1, not LiberationSans"},
        {installed.latin, {installed.latin.path, 0}, StringPrintf(damaged, 0x103F)},
    };
    for (const auto& test : cases) {
        const ExportResult result = WritePdfReport(ReportInputs{recording, pixels, clock},
                                                   folder / "report.pdf", {test.latin, test.cjk});
        EXPECT_EQ(result.status, ExportStatus::Failed) << test.latin.path << " " << test.cjk.path;
        EXPECT_EQ(result.failure, test.failure);
    }
    EXPECT_EQ(testing::FileContent(folder / "report.pdf"), "the earlier report");
}

TEST(PdfRunText, EveryCharacterIsOneTheFontEncodingCanTake) {
    const std::string longRun = "Nordvik " + std::string(70000, 'a');
    std::string longWide;
    while (longWide.size() < 70000)
        longWide += "ø";  // two bytes each: the library's limit falls inside one
    const struct {
        std::string text;
        std::string drawn;
    } cases[] = {
        {"  1        2024-05-01 00:00:00                5.1",
         "  1        2024-05-01 00:00:00                5.1"},
        {"Ålesund Kjøl AS · 冷链 8.0℃", "Ålesund Kjøl AS · 冷链 8.0℃"},
        {"emoji \xF0\x9F\x98\x80!", "emoji \uFFFD!"},              // beyond 16-bit codes
        {"line\rbreak\x7F\u0085", "line\uFFFDbreak\uFFFD\uFFFD"},  // control characters
        {"bad \xFF\xC3 bytes", "bad \uFFFD\uFFFD bytes"},          // not UTF-8
        {longRun, longRun.substr(0, 65535)},
        {longWide, longWide.substr(0, 65534)},
    };
    for (const auto& test : cases)
        EXPECT_EQ(PdfRunText(test.text), test.drawn) << test.text.substr(0, 40);
}

TEST(SplitByFace, TheLatinFaceDrawsWhatItHasAndTheCjkFaceTheRest) {
    // A Latin face with the characters below U+2000, but for '#'.
    const auto latinHas = [](char16_t c) { return c < 0x2000 && c != u'#'; };
    const struct {
        std::string text;
        std::vector<PdfFaceRun> runs;
    } cases[] = {
        {"", {}},
        {"Upper Limit Alarm: 8.0", {{true, "Upper Limit Alarm: 8.0"}}},
        {"8.0℃", {{true, "8.0"}, {false, "℃"}}},
        {"Shutdown Mode：", {{true, "Shutdown Mode"}, {false, "："}}},
        {"冷链 2-8 ℃ Ålesund",
         {{false, "冷链"}, {true, " 2-8 "}, {false, "℃"}, {true, " Ålesund"}}},
        {"℃℃", {{false, "℃℃"}}},
        {"a#b", {{true, "a"}, {false, "#"}, {true, "b"}}},
    };
    for (const auto& test : cases)
        EXPECT_EQ(SplitByFace(test.text, latinHas), test.runs) << test.text;
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
