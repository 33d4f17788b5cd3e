#include "reports/pdf_report.h"

#include "analysis/analysis_texts.h"
#include "audit/audit_log.h"
#include "chart/chart_texts.h"
#include "config/settings_titles.h"
#include "record/alarm_marks.h"
#include "record/decimal_text.h"
#include "record/string_format.h"
#include "record/text_encoding.h"
#include "reports/analysis_report.h"
#include "reports/pdf_canvas.h"
#include "reports/report_fields.h"
#include "reports/report_file.h"
#include "reports/report_texts.h"
#include "services/translation.h"
#include "storage/file_io.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <hpdf.h>
#include <memory>
#include <optional>
#include <vector>

namespace velka {
namespace {

constexpr int kTableRowsStep = 15;

// libharu reports its errors through this callback. It must return to the library (no C++
// exception may cross the C code): it keeps the first error, and the export checks for it
// after each step and gives up, freeing the document.
struct PdfErrors {
    HPDF_STATUS errorNo = HPDF_OK;
    HPDF_STATUS detailNo = 0;
    int systemError = 0;  // errno when the library failed, for its file errors
};

void PdfErrorHandler(HPDF_STATUS error_no, HPDF_STATUS detail_no, void* user_data) noexcept {
    auto* errors = static_cast<PdfErrors*>(user_data);
    if (errors->errorNo == HPDF_OK) {
        errors->errorNo = error_no;
        errors->detailNo = detail_no;
        errors->systemError = errno;
    }
}

// What the library's error number means for the user.
std::string PdfErrorReason(HPDF_STATUS errorNo) {
    switch (errorNo) {
    case HPDF_FAILD_TO_ALLOC_MEM:
        return Tr("Report", "out of memory");
    case HPDF_FILE_IO_ERROR:
        return Tr("Report", "a file could not be read or written");
    case HPDF_FILE_OPEN_ERROR:
        return Tr("Report", "a file could not be opened");
    case HPDF_ZLIB_ERROR:
        return Tr("Report", "compressing the document failed");
    case HPDF_INVALID_TTC_FILE:
    case HPDF_INVALID_TTC_INDEX:
    case HPDF_TTF_INVALID_CMAP:
    case HPDF_TTF_INVALID_FOMAT:
    case HPDF_TTF_MISSING_TABLE:
    case HPDF_INVALID_FONTDEF_DATA:
        return Tr("Report", "the report font file is damaged or not a TrueType font");
    case HPDF_TTF_CANNOT_EMBEDDING_FONT:
        return Tr("Report", "the report font does not allow embedding");
    default:
        return Tr("Report", "the PDF library met an unexpected state");
    }
}

// The library's own line, then what went wrong in words.
std::string PdfErrorText(const PdfErrors& errors) {
    std::string text = StringPrintf(
        "ERROR: error_no=%04X, detail_no=%u: %s", static_cast<unsigned>(errors.errorNo),
        static_cast<unsigned>(errors.detailNo), PdfErrorReason(errors.errorNo).c_str());
    const bool fileError =
        errors.errorNo == HPDF_FILE_IO_ERROR || errors.errorNo == HPDF_FILE_OPEN_ERROR ||
        (errors.errorNo == HPDF_ZLIB_ERROR && errors.detailNo == HPDF_FILE_IO_ERROR);
    if (fileError && errors.systemError != 0)
        text += std::string(" (") + std::strerror(errors.systemError) + ")";
    return text;
}

struct DocumentDeleter {
    void operator()(HPDF_Doc document) const { HPDF_Free(document); }
};
using Document = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocumentDeleter>;

// The sample table was laid out in the half-em cells of a monospaced face at 12 pt; its columns
// keep those places: each row's number ends at cell 4, its time starts at cell 20 and its
// temperature at cell 55, under heads that start at cells 1, 22 and 57.
constexpr double kTableLeft = 40;
constexpr double kTableSize = 12;
constexpr double kTableCell = kTableSize / 2;
struct TableColumn {
    UiText head;  // the temperature's is followed by the unit's sign
    int headCell;
    int cell;
    bool rightAligned;
};
constexpr TableColumn kTableColumns[] = {
    {VELKA_TEXT("Report", "Number"), 1, 4, true},
    {VELKA_TEXT("Report", "Time"), 22, 20, false},
    {VELKA_TEXT("Report", "Temperature"), 57, 55, false},
};

// The analysis page: titles at the left margin, their values from the middle of the left half;
// each rule's outcomes in five columns of 100 points under heads.
constexpr double kAnalysisLeft = 50;
constexpr double kAnalysisValueLeft = 200;
constexpr double kAnalysisLineStep = 15;
constexpr double kRuleColumns[] = {70, 130, 240, 345, 450};

// The running line in the top margin of every page, above the content.
constexpr double kRunningLineBaseline = 832;  // on A4, 842 points high
constexpr double kRunningLineSize = 8;
constexpr double kRunningLineMargin = 40;
constexpr double kSourceLineBaseline = 835;
constexpr double kSourceLineSize = 5.5;

// The document's information is stored in the PDF's own single-byte encoding: the source line
// with its separators as "; " and any other character beyond ASCII as "?".
std::string AsciiInfo(std::string text) {
    for (std::size_t at; (at = text.find(" · ")) != std::string::npos;)
        text.replace(at, std::string_view(" · ").size(), "; ");
    std::string ascii;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80)
            ascii.push_back(text[i]);
        else if ((byte & 0xC0) == 0xC0)
            ascii.push_back('?');  // the lead byte of a character; its other bytes are dropped
    }
    return ascii;
}

class ReportWriter {
public:
    ReportWriter(const ReportInputs& inputs, const PdfFontFiles& fonts)
        : inputs_(inputs), shown_(ShownIn(inputs.recording, inputs.unit)), fontFiles_(fonts) {}

    // The whole document, in memory: the file is written by the caller, which can then say
    // why writing it failed.
    std::vector<std::uint8_t> Write() {
        document_.reset(HPDF_New(PdfErrorHandler, &errors_));
        if (!document_)
            throw ReportFailure("cannot create the PDF document: out of memory");
        HPDF_Doc doc = document_.get();
        HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
        HPDF_UseUTFEncodings(doc);
        Check();
        const PdfFace latin = LoadFace(fontFiles_.latin, PdfFaceRole::Latin);
        canvas_.emplace(latin, LoadFace(fontFiles_.cjk, PdfFaceRole::Cjk));

        WriteSummaryPage();
        WriteSampleTable();
        WriteAnalysisPage();
        const std::string source = SourceText(inputs_.source, inputs_.recording.StartTime());
        const int pageCount = static_cast<int>(pages_.size());
        for (int i = 0; i < pageCount; ++i)
            RunningLine(pages_[i], source,
                        WithArguments(Tr("Report", "Page %1 of %2"),
                                      {std::to_string(i + 1), std::to_string(pageCount)}));
        HPDF_SetInfoAttr(doc, HPDF_INFO_CREATOR, ProgramName("velka").c_str());
        HPDF_SetInfoAttr(doc, HPDF_INFO_SUBJECT, AsciiInfo(source).c_str());
        Check();
        HPDF_SaveToStream(doc);
        Check();
        HPDF_UINT32 size = HPDF_GetStreamSize(doc);
        std::vector<std::uint8_t> bytes(size);
        HPDF_ReadFromStream(doc, bytes.data(), &size);
        Check();
        bytes.resize(size);
        return bytes;
    }

private:
    // Gives up at the first library error.
    void Check() const {
        if (errors_.errorNo != HPDF_OK)
            throw ReportFailure(PdfErrorText(errors_));
    }

    PdfFace LoadFace(const PdfFontFile& file, PdfFaceRole role) {
        const PdfFace face = LoadPdfFace(document_.get(), file, role);
        Check();
        if (face.font == nullptr)  // libharu gives up on some broken collections without an error
            throw ReportFailure(WithArguments(Tr("Report", "the report font %1 is damaged"),
                                              {MessagePath(file.path)}));
        return face;
    }

    HPDF_Page AddPage() {
        HPDF_Page page = HPDF_AddPage(document_.get());
        Check();
        pages_.push_back(page);
        return page;
    }

    void SetSize(double size) { canvas_->SetSize(size); }
    void Line(HPDF_Page page, double x, double y, std::string_view utf8) {
        canvas_->Line(page, x, y, utf8);
    }

    // `left` at the left end of the line, `right` ending at its right end, in black. The left
    // part (the source, with its 64-digit digest) is small print set higher, where it clears
    // the table heads that reach into the margin.
    void RunningLine(HPDF_Page page, std::string_view left, std::string_view right) {
        const double width = HPDF_Page_GetWidth(page);
        HPDF_Page_BeginText(page);
        HPDF_Page_SetGrayFill(page, 0);
        SetSize(kSourceLineSize);
        Line(page, kRunningLineMargin, kSourceLineBaseline, left);
        SetSize(kRunningLineSize);
        Line(page, width - kRunningLineMargin - canvas_->Width(right), kRunningLineBaseline, right);
        HPDF_Page_EndText(page);
    }

    std::string Temperature(double shownValue) const {
        return TemperatureText(shownValue, inputs_.unit);
    }

    void WriteSummaryPage() {
        const Recording& recording = shown_;
        const LoggerSettings& settings = recording.settings;
        const LogSummary& summary = recording.record.summary;
        HPDF_Page page = AddPage();
        const double width = HPDF_Page_GetWidth(page);
        const double height = HPDF_Page_GetHeight(page);

        SetSize(24);
        const std::string title = Tr(kReportTitle);
        const double titleWidth = canvas_->Width(title);
        HPDF_Page_BeginText(page);
        Line(page, (width - titleWidth) * 0.5, height - 50, title);
        HPDF_Page_EndText(page);

        HPDF_Page_BeginText(page);
        HPDF_Page_MoveTextPos(page, 60, static_cast<HPDF_REAL>(height - 60));
        const double y0 = std::trunc(height - 70);
        const auto u8 = [](const std::u16string& text) { return Utf8FromUtf16(text); };
        // A title, its colon and two tabs before the value.
        const auto t = [](UiText title) { return Tr(title) + ":\t\t"; };
        const auto n = [](int value) { return std::to_string(value); };

        SetSize(10);
        Line(page, width - 240, y0,
             Tr(kReportDateHeading) + ":" + ReportDateTime(inputs_.clock.Now()));
        Line(page, 50, y0 - 15, t(title::kReceivingCompany) + u8(settings.receivingCompany));
        Line(page, 310, y0 - 15, t(title::kDeliveryCompany) + u8(settings.deliveryCompany));
        Line(page, 50, y0 - 30, t(title::kTransportCompany) + u8(settings.transportCompany));
        Line(page, 310, y0 - 30, t(title::kDeliveryDate) + settings.deliveryDateText);
        Line(page, 50, y0 - 45, t(title::kTransportNumber) + u8(settings.transportNumber));

        SetSize(14);
        Line(page, 50, y0 - 90, Tr(kDeviceInformationHeading) + ":");
        SetSize(10);
        Line(page, 50, y0 - 110, t(title::kDeviceSerial) + settings.serialText);
        // The one title with a full-width colon here.
        Line(page, 350, y0 - 110, Tr(title::kShutdownMode) + "：\t\t" + Tr(kManualButtonText));
        Line(page, 50, y0 - 125, t(title::kUpperLimit) + Temperature(settings.upperLimit));
        Line(page, 200, y0 - 125,
             t(title::kStartDelay) + n(StartDelayMinutes(settings)) + Tr(kMinutesUnit));
        Line(page, 350, y0 - 125,
             t(title::kLogInterval) + n(LogIntervalValue(settings)) +
                 Tr(LogIntervalInSeconds(settings) ? kSecondsUnit : kMinutesUnit));
        Line(page, 50, y0 - 140, t(title::kLowerLimit) + Temperature(settings.lowerLimit));
        Line(page, 200, y0 - 140,
             t(title::kAlarmDelay) + n(AlarmDelayMinutes(settings)) + Tr(kMinutesUnit));
        Line(page, 350, y0 - 140, t(title::kLogCycle) + n(LogCycleDays(settings)) + Tr(kDaysUnit));

        SetSize(14);
        Line(page, 50, y0 - 165, Tr(kLoggingSummaryHeading) + ":");
        SetSize(10);
        Line(page, 50, y0 - 185, t(kHighestTemperatureTitle) + Temperature(summary.highest));
        Line(page, 200, y0 - 185, t(kAverageTemperatureTitle) + Temperature(summary.average));
        Line(page, 350, y0 - 185, t(kStartTimeTitle) + ReportDateTime(recording.StartTime()));
        Line(page, 50, y0 - 200, t(kLowestTemperatureTitle) + Temperature(summary.lowest));
        Line(page, 200, y0 - 200,
             t(kDataPointsTitle) + "\t" + std::to_string(recording.record.samples.size()));
        Line(page, 350, y0 - 200, t(kStopTimeTitle) + ReportDateTime(recording.StopTime()));
        Check();

        WriteProductTable(page, y0 - 230);
        WriteChartPicture(page, width);
        Check();
    }

    // The product list holds at most ten entries, so the table needs no page break. A head of
    // two lines has them 8 points apart, around the baseline of the heads of one line.
    void WriteProductTable(HPDF_Page page, double yh) {
        SetSize(7);
        Line(page, 60, yh, Tr(title::kProductNumber));
        Line(page, 140, yh, Tr(title::kProductName));
        Line(page, 240, yh, Tr(title::kSpecification));
        Line(page, 340, yh + 4, Tr("Report", "Product"));
        Line(page, 340, yh - 4, Tr("Report", "Batch Number"));
        Line(page, 390, yh + 4, Tr("Report", "Period of"));
        Line(page, 390, yh - 4, Tr("Report", "validity"));
        Line(page, 435, yh, Tr("Report", "unit"));
        Line(page, 460, yh, Tr(title::kQuantity));
        Line(page, 495, yh, Tr(title::kShipmentNumber));
        const std::vector<ProductRecord>& products = inputs_.recording.settings.products;
        for (std::size_t i = 0; i < products.size(); ++i) {
            const ProductRecord& product = products[i];
            const double y = yh - 15 - 10 * static_cast<double>(i);
            Line(page, 60, y, Utf8FromUtf16(product.number));
            Line(page, 140, y, Utf8FromUtf16(product.name));
            Line(page, 240, y, Utf8FromUtf16(product.spec));
            Line(page, 340, y, Utf8FromUtf16(product.batch));
            Line(page, 390, y, ReportDate(product.validity));
            Line(page, 435, y, Utf8FromUtf16(product.unit));
            Line(page, 460, y, StringPrintf("%d", product.quantity));
            Line(page, 495, y, Utf8FromUtf16(product.shipment));
        }
    }

    // The capture is B, G, R; the PDF wants R, G, B.
    void WriteChartPicture(HPDF_Page page, double width) {
        const std::vector<std::uint8_t>& bgr = inputs_.chartPixels.bgr;
        if (bgr.size() != kChartImageBytes)
            throw ReportFailure("the chart picture has the wrong size");
        std::vector<std::uint8_t> rgb(bgr.size());
        for (std::size_t i = 0; i + 2 < bgr.size(); i += 3) {
            rgb[i] = bgr[i + 2];
            rgb[i + 1] = bgr[i + 1];
            rgb[i + 2] = bgr[i];
        }
        HPDF_Image image = HPDF_LoadRawImageFromMem(document_.get(), rgb.data(), kChartImageWidth,
                                                    kChartImageHeight, HPDF_CS_DEVICE_RGB, 8);
        Check();
        SetSize(28);
        Line(page, 50, 400, Tr(kDataChartHeading));
        HPDF_Page_EndText(page);
        HPDF_Page_DrawImage(page, image, 20, 50, static_cast<HPDF_REAL>(width - 40), 340);
    }

    // One cell of the sample table, heads included.
    void TableCell(HPDF_Page page, int cell, bool rightAligned, double y, std::string_view text) {
        const double x = kTableLeft + kTableCell * cell;
        Line(page, rightAligned ? x - canvas_->Width(text) : x, y, text);
    }

    // The first table page's head is black, every later one olive; each row is red when its
    // sample lies outside the limits. Rows run down to y = 11 on A4: 54 a page.
    HPDF_Page StartTablePage(double& y, bool firstPage) {
        HPDF_Page page = AddPage();
        const double top = std::trunc(HPDF_Page_GetHeight(page) - 20);
        HPDF_Page_BeginText(page);
        SetSize(kTableSize);
        if (!firstPage)
            HPDF_Page_SetRGBFill(page, 0.5f, 0.5f, 0.0f);
        for (const TableColumn& column : kTableColumns) {
            const bool temperature = &column == &kTableColumns[std::size(kTableColumns) - 1];
            TableCell(page, column.headCell, false, top,
                      Tr(column.head) + std::string(temperature ? UnitSign(inputs_.unit) : ""));
        }
        y = top - kTableRowsStep;
        return page;
    }

    void WriteSampleTable() {
        const Recording& recording = shown_;
        const SampleList& samples = recording.record.samples;
        double y = 0;
        HPDF_Page page = StartTablePage(y, true);
        for (std::size_t j = 0; j < samples.size(); ++j) {
            if (y <= 0) {
                HPDF_Page_EndText(page);
                Check();
                page = StartTablePage(y, false);
            }
            const TempSample& sample = samples[j];
            const bool alarm = sample.alarm == 1 || sample.alarm == -1;
            constexpr float kAlarmRed = kAlarmTextColor.red / 255.0f;
            HPDF_Page_SetRGBFill(page, alarm ? kAlarmRed : 0.0f, 0.0f, 0.0f);
            const std::string cells[] = {StringPrintf("%d", static_cast<int>(j + 1)),
                                         ReportDateTime(SampleTime(recording, j)),
                                         FixedDecimal(sample.temperature, 1)};
            // An alarm's marker stands just before its temperature, which keeps its place.
            const std::string_view marker = AlarmMarker(sample.alarm);
            for (std::size_t c = 0; c < std::size(cells); ++c) {
                if (c + 1 == std::size(cells) && !marker.empty())
                    TableCell(page, kTableColumns[c].cell, true, y, marker);
                TableCell(page, kTableColumns[c].cell, kTableColumns[c].rightAligned, y, cells[c]);
            }
            y -= kTableRowsStep;
        }
        HPDF_Page_EndText(page);
    }

    // After the sample table: the values of the analysis by the chosen profile, then each rule
    // on a line of its own with its outcomes on the line below, in five columns under heads.
    void WriteAnalysisPage() {
        const Recording& recording = inputs_.recording;
        const std::optional<RecordingAnalysis> analysis =
            AnalyseRecording(recording, inputs_.analysis);
        if (!analysis)
            return;
        const AnalysisReport report = MakeAnalysisReport(*analysis, recording, inputs_.unit);
        HPDF_Page page = AddPage();
        double y = std::trunc(HPDF_Page_GetHeight(page) - 60);
        HPDF_Page_BeginText(page);
        HPDF_Page_SetGrayFill(page, 0);
        SetSize(20);
        Line(page, kAnalysisLeft, y, Tr(kAnalysisHeading));
        y -= 30;
        SetSize(10);
        for (const AnalysisValueRow& row : report.values) {
            Line(page, kAnalysisLeft, y, row.title + ":");
            Line(page, kAnalysisValueLeft, y, row.value);
            y -= kAnalysisLineStep;
        }

        y -= 20;
        SetSize(14);
        Line(page, kAnalysisLeft, y, Tr("Analysis", "Rules"));
        y -= 22;
        SetSize(9);
        for (std::size_t c = 1; c < kAnalysisRuleHeads.size(); ++c)
            Line(page, kRuleColumns[c - 1], y, Tr(kAnalysisRuleHeads[c]));
        y -= 6;
        for (const AnalysisRuleRow& rule : report.rules) {
            y -= kAnalysisLineStep + 4;
            SetSize(10);
            Line(page, kAnalysisLeft, y, rule.rule);
            y -= kAnalysisLineStep;
            SetSize(9);
            const std::string cells[] = {std::to_string(rule.events), rule.timeBeyond, rule.longest,
                                         rule.firstOut, rule.alarm};
            for (std::size_t c = 0; c < std::size(cells); ++c)
                Line(page, kRuleColumns[c], y, cells[c]);
        }
        if (!report.note.empty()) {
            y -= 30;
            SetSize(8);
            Line(page, kAnalysisLeft, y, report.note);
        }
        HPDF_Page_EndText(page);
        Check();
    }

    const ReportInputs& inputs_;
    const Recording shown_;  // the recording in the unit shown
    const PdfFontFiles& fontFiles_;
    PdfErrors errors_;
    Document document_;
    std::optional<PdfCanvas> canvas_;
    std::vector<HPDF_Page> pages_;
};

}  // namespace

ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                            const PdfFontFiles& fonts) {
    std::vector<std::uint8_t> document;
    try {
        document = ReportWriter(inputs, fonts).Write();
    } catch (const std::exception& failure) {
        return {ExportStatus::Failed, failure.what()};
    }
    if (const std::error_code error = WriteFileAtomically(reportPath, document))
        return {ExportStatus::Failed, CannotWriteText(reportPath, error)};
    return {ExportStatus::Saved, {}};
}

ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath) {
    const PdfFontSearch fonts = FindPdfFonts();
    if (!fonts.files)
        return {ExportStatus::Failed, fonts.missing};
    return WritePdfReport(inputs, reportPath, *fonts.files);
}

ExportResult ExportPdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                             MessageService& messages) {
    if (inputs.recording.record.samples.empty()) {
        messages.ShowMessage(Tr(kInsertDeviceText), MessageIcon::Warning);
        return {ExportStatus::NoSamples, "the record holds no samples"};
    }
    ExportResult result = WritePdfReport(inputs, reportPath);
    if (result.status == ExportStatus::Saved)
        messages.ShowMessage(Tr("Report", "PDF save success"), MessageIcon::Information);
    else
        messages.ShowMessage(Tr(kPdfSaveFailedText) + ": " + result.failure, MessageIcon::Error);
    return result;
}

}  // namespace velka
