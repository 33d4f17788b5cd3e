#include "reports/pdf_report.h"

#include "record/string_format.h"
#include "record/text_encoding.h"
#include "reports/gbk_text.h"
#include "reports/report_fields.h"
#include "reports/report_file.h"

#include <cmath>
#include <hpdf.h>
#include <memory>
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
};

void PdfErrorHandler(HPDF_STATUS error_no, HPDF_STATUS detail_no, void* user_data) noexcept {
    auto* errors = static_cast<PdfErrors*>(user_data);
    if (errors->errorNo == HPDF_OK) {
        errors->errorNo = error_no;
        errors->detailNo = detail_no;
    }
}

struct DocumentDeleter {
    void operator()(HPDF_Doc document) const { HPDF_Free(document); }
};
using Document = std::unique_ptr<std::remove_pointer_t<HPDF_Doc>, DocumentDeleter>;

// libharu refuses a text of more than 65,535 bytes. A line that long runs far beyond the page's
// edge, so cutting it there (at a character boundary) loses nothing that could be seen.
void CutToLibraryLimit(std::string& gbk) {
    if (gbk.size() <= HPDF_LIMIT_MAX_STRING_LEN)
        return;
    std::size_t end = 0;
    while (true) {
        const std::size_t length = static_cast<unsigned char>(gbk[end]) >= 0x81 ? 2 : 1;
        if (end + length > HPDF_LIMIT_MAX_STRING_LEN)
            break;
        end += length;
    }
    gbk.resize(end);
}

class ReportWriter {
public:
    explicit ReportWriter(const ReportInputs& inputs) : inputs_(inputs) {}

    void Write(const std::filesystem::path& path) {
        document_.reset(HPDF_New(PdfErrorHandler, &errors_));
        if (!document_)
            throw ReportFailure("cannot create the PDF document");
        HPDF_Doc doc = document_.get();
        HPDF_SetCompressionMode(doc, HPDF_COMP_ALL);
        HPDF_UseCNSFonts(doc);
        HPDF_UseCNTFonts(doc);
        HPDF_UseCNTEncodings(doc);
        HPDF_UseCNSEncodings(doc);
        font_ = HPDF_GetFont(doc, "SimSun", "GBK-EUC-H");
        Check();

        WriteSummaryPage();
        WriteSampleTable();
        Check();
        if (HPDF_SaveToFile(doc, path.c_str()) != HPDF_OK)
            Check();
        Check();
    }

private:
    // Gives up at the first library error.
    void Check() const {
        if (errors_.errorNo != HPDF_OK) {
            throw ReportFailure(StringPrintf("ERROR: error_no=%04X, detail_no=%u",
                                             static_cast<unsigned>(errors_.errorNo),
                                             static_cast<unsigned>(errors_.detailNo)));
        }
    }

    HPDF_Page AddPage() {
        HPDF_Page page = HPDF_AddPage(document_.get());
        Check();
        return page;
    }

    void SetSize(HPDF_Page page, double size) {
        HPDF_Page_SetFontAndSize(page, font_, static_cast<HPDF_REAL>(size));
    }

    // Every line goes to the font as GBK at an absolute position. A tab becomes the one-em
    // blank it occupies in this font (the font has no glyph for it).
    void Line(HPDF_Page page, double x, double y, std::string_view utf8) {
        std::string text;
        text.reserve(utf8.size());
        for (const char c : utf8) {
            if (c == '\t')
                text += "\u3000";
            else
                text += c;
        }
        std::string gbk = gbk_.Encode(text);
        CutToLibraryLimit(gbk);
        HPDF_Page_TextOut(page, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(y), gbk.c_str());
    }

    void WriteSummaryPage() {
        const Recording& recording = inputs_.recording;
        const LoggerSettings& settings = recording.settings;
        const LogSummary& summary = recording.record.summary;
        HPDF_Page page = AddPage();
        const double width = HPDF_Page_GetWidth(page);
        const double height = HPDF_Page_GetHeight(page);

        SetSize(page, 24);
        const double titleWidth = HPDF_Page_TextWidth(page, "Temperature information");
        HPDF_Page_BeginText(page);
        Line(page, (width - titleWidth) * 0.5, height - 50, "Temperature information");
        HPDF_Page_EndText(page);

        HPDF_Page_BeginText(page);
        HPDF_Page_MoveTextPos(page, 60, static_cast<HPDF_REAL>(height - 60));
        const double y0 = std::trunc(height - 70);
        const auto u8 = [](const std::u16string& text) { return Utf8FromUtf16(text); };

        SetSize(page, 10);
        Line(page, width - 240, y0, "Report Date:" + ReportDateTime(inputs_.clock.Now()));
        Line(page, 50, y0 - 15, "Receiving Company:\t\t" + u8(settings.receivingCompany));
        Line(page, 310, y0 - 15, "Delivery Company:\t\t" + u8(settings.deliveryCompany));
        Line(page, 50, y0 - 30, "Transport Company:\t\t" + u8(settings.transportCompany));
        Line(page, 310, y0 - 30, "Date Of Delivery:\t\t" + settings.deliveryDateText);
        Line(page, 50, y0 - 45, "Transport Number:\t\t" + u8(settings.transportNumber));

        SetSize(page, 14);
        Line(page, 50, y0 - 90, "Device Information:");
        SetSize(page, 10);
        Line(page, 50, y0 - 110, "Device S/N:\t\t" + settings.serialText);
        Line(page, 350, y0 - 110, "Shutdown Mode：\t\tManual Button");
        Line(page, 50, y0 - 125, StringPrintf("Upper Limit Alarm:\t\t%.1f℃", settings.upperLimit));
        Line(page, 200, y0 - 125,
             StringPrintf("Start Delay:\t\t%dmin", StartDelayMinutes(settings)));
        Line(page, 350, y0 - 125,
             StringPrintf(LogIntervalInSeconds(settings) ? "Log Interval:\t\t%dsec"
                                                         : "Log Interval:\t\t%dmin",
                          LogIntervalValue(settings)));
        Line(page, 50, y0 - 140, StringPrintf("Lower Limit Alarm:\t\t%.1f℃", settings.lowerLimit));
        Line(page, 200, y0 - 140,
             StringPrintf("Alarm Delay:\t\t%dmin", AlarmDelayMinutes(settings)));
        Line(page, 350, y0 - 140, StringPrintf("Log Cycle:\t\t%dday", LogCycleDays(settings)));

        SetSize(page, 14);
        Line(page, 50, y0 - 165, "Logging Summary:");
        SetSize(page, 10);
        Line(page, 50, y0 - 185, StringPrintf("Highest Temperature:\t\t%.1f℃", summary.highest));
        Line(page, 200, y0 - 185, StringPrintf("Average Temperature:\t\t%.1f℃", summary.average));
        Line(page, 350, y0 - 185, "Start Time:\t\t" + ReportDateTime(recording.StartTime()));
        Line(page, 50, y0 - 200, StringPrintf("Lowest Temperature:\t\t%.1f℃", summary.lowest));
        Line(page, 200, y0 - 200,
             StringPrintf("Data Points:\t\t\t%d",
                          static_cast<int>(recording.record.samples.size())));
        Line(page, 350, y0 - 200, "Stop Time:\t\t" + ReportDateTime(recording.StopTime()));
        Check();

        WriteProductTable(page, y0 - 230);
        WriteChartPicture(page, width);
        Check();
    }

    // The product list holds at most ten entries, so the table needs no page break.
    void WriteProductTable(HPDF_Page page, double yh) {
        SetSize(page, 7);
        Line(page, 60, yh, "Number");
        Line(page, 140, yh, "Product Name");
        Line(page, 240, yh, "Specification Model");
        Line(page, 340, yh, "Product");
        Line(page, 340, yh - 5, "Batch Number");
        Line(page, 390, yh, "Period of");
        Line(page, 390, yh - 5, "validity");
        Line(page, 435, yh, "unit");
        Line(page, 460, yh, "Quantity");
        Line(page, 495, yh, "Shipment Number");
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
        SetSize(page, 28);
        Line(page, 50, 400, "Data Chart");
        HPDF_Page_EndText(page);
        HPDF_Page_DrawImage(page, image, 20, 50, static_cast<HPDF_REAL>(width - 40), 340);
    }

    // The first table page's head is black, every later one olive; each row is red when its
    // sample lies outside the limits. Rows run down to y = 11 on A4: 54 a page.
    HPDF_Page StartTablePage(double& y, bool firstPage) {
        HPDF_Page page = AddPage();
        const double top = std::trunc(HPDF_Page_GetHeight(page) - 20);
        HPDF_Page_BeginText(page);
        SetSize(page, 12);
        if (!firstPage)
            HPDF_Page_SetRGBFill(page, 0.5f, 0.5f, 0.0f);
        Line(page, 40, top,
             " Number               Time                               Temperature℃");
        y = top - kTableRowsStep;
        return page;
    }

    void WriteSampleTable() {
        const Recording& recording = inputs_.recording;
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
            const std::string row =
                StringPrintf("%4d                %s                %.1f", static_cast<int>(j + 1),
                             ReportDateTime(SampleTime(recording, j)).c_str(), sample.temperature);
            const bool alarm = sample.alarm == 1 || sample.alarm == -1;
            HPDF_Page_SetRGBFill(page, alarm ? 1.0f : 0.0f, 0.0f, 0.0f);
            Line(page, 40, y, row);
            y -= kTableRowsStep;
        }
        HPDF_Page_EndText(page);
    }

    const ReportInputs& inputs_;
    PdfErrors errors_;
    Document document_;
    HPDF_Font font_ = nullptr;
    GbkEncoder gbk_;
};

}  // namespace

ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath) {
    return WriteReportFile(reportPath, [&inputs](const std::filesystem::path& temporaryPath) {
        ReportWriter writer(inputs);
        writer.Write(temporaryPath);
    });
}

ExportResult ExportPdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                             MessageService& messages) {
    if (inputs.recording.record.samples.empty()) {
        messages.ShowMessage("Please Insert Device", "Warning", MessageIcon::Warning);
        return {ExportStatus::NoSamples, "the record holds no samples"};
    }
    ExportResult result = WritePdfReport(inputs, reportPath);
    if (result.status == ExportStatus::Saved)
        messages.ShowMessage("PDF save success", "Info", MessageIcon::Information);
    else
        messages.ShowMessage("PDF save FAILED", "Error", MessageIcon::Error);
    return result;
}

}  // namespace velka
