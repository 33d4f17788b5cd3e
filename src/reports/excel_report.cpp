#include "reports/excel_report.h"

#include "analysis/analysis_texts.h"
#include "audit/audit_log.h"
#include "chart/chart_bitmap.h"
#include "chart/chart_texts.h"
#include "config/settings_titles.h"
#include "record/alarm_marks.h"
#include "record/decimal_text.h"
#include "record/local_time.h"
#include "record/record_table_columns.h"
#include "record/string_format.h"
#include "record/text_encoding.h"
#include "reports/analysis_report.h"
#include "reports/report_fields.h"
#include "reports/report_file.h"
#include "reports/report_texts.h"
#include "services/numeric_locale.h"

#include <charconv>
#include <ctime>
#include <memory>
#include <xlsxwriter.h>

namespace velka {
namespace {

constexpr double kColumnWidthCharacters = 18;
// The picture covers A(25 + n):G(45 + n). A column 18 characters wide is 131 pixels
// (7 per character and 5 of padding) and a row of the default 15 points is 20 pixels.
constexpr int kPictureColumns = 7;
constexpr int kPictureRows = 21;
constexpr int kColumnPixels = 131;
constexpr int kRowPixels = 20;

void Check(lxw_error error) {
    if (error != LXW_NO_ERROR)
        throw ReportFailure(lxw_strerror(error));
}

// An export that gives up discards the workbook without writing it.
struct WorkbookDeleter {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};

// A cell holds at most 32,767 characters; a longer text keeps its beginning.
std::string FitToCell(const std::string& utf8) {
    constexpr std::size_t kCellCharacters = 32767;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kCellCharacters)
            return utf8.substr(0, i);
    }
    return utf8;
}

// The number formats of the typed cells show what the other reports write: whole numbers
// ("%d"), temperatures with one decimal, and times in the form of kDateTimeFormat
// (record/local_time.h).
constexpr const char* kWholeNumberFormat = "0";
constexpr const char* kTemperatureFormat = "0.0";
constexpr const char* kDateTimeNumberFormat = "yyyy-mm-dd hh:mm:ss";

class SheetWriter {
public:
    SheetWriter(lxw_workbook* workbook, lxw_worksheet* sheet)
        : sheet_(sheet), left_(workbook_add_format(workbook)),
          centred_(CentredFormat(workbook, nullptr)),
          wholeNumber_(CentredFormat(workbook, kWholeNumberFormat)),
          temperature_(CentredFormat(workbook, kTemperatureFormat)),
          dateTime_(CentredFormat(workbook, kDateTimeNumberFormat)) {}

    lxw_format* Centred() const { return centred_; }

    // Rows and columns as the sheet numbers them: row 1, column 1 is A1.
    void Text(int row, int column, const std::string& text) {
        Check(worksheet_write_string(sheet_, Row(row), Column(column), FitToCell(text).c_str(),
                                     centred_));
    }
    // A long text that runs on over the empty cells to its right.
    void LeftText(int row, int column, const std::string& text) {
        format_set_align(left_, LXW_ALIGN_LEFT);
        Check(worksheet_write_string(sheet_, Row(row), Column(column), FitToCell(text).c_str(),
                                     left_));
    }
    void WholeNumber(int row, int column, double value) {
        Check(worksheet_write_number(sheet_, Row(row), Column(column), value, wholeNumber_));
    }
    // The temperature as the other reports show it: rounded to one decimal.
    void Temperature(int row, int column, double value) {
        const std::string text = FixedDecimal(value, 1);
        double shown = value;
        std::from_chars(text.data(), text.data() + text.size(), shown);
        Check(worksheet_write_number(sheet_, Row(row), Column(column), shown, temperature_));
    }
    // A time in local time, as a date of the spreadsheet.
    void DateTime(int row, int column, std::int64_t seconds) {
        const std::tm local = LocalTime(seconds);
        lxw_datetime date{local.tm_year + 1900, local.tm_mon + 1,
                          local.tm_mday,        local.tm_hour,
                          local.tm_min,         static_cast<double>(local.tm_sec)};
        Check(worksheet_write_datetime(sheet_, Row(row), Column(column), &date, dateTime_));
    }

    static lxw_row_t Row(int row) { return static_cast<lxw_row_t>(row - 1); }
    static lxw_col_t Column(int column) { return static_cast<lxw_col_t>(column - 1); }

private:
    static lxw_format* CentredFormat(lxw_workbook* workbook, const char* numberFormat) {
        lxw_format* format = workbook_add_format(workbook);
        format_set_align(format, LXW_ALIGN_CENTER);
        format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        if (numberFormat != nullptr)
            format_set_num_format(format, numberFormat);
        return format;
    }

    lxw_worksheet* sheet_;
    lxw_format* left_;
    lxw_format* centred_;
    lxw_format* wholeNumber_;
    lxw_format* temperature_;
    lxw_format* dateTime_;
};

enum Column { A = 1, B, C, D, E, F, G, H };

constexpr UiText kAlarmColumnTitle = VELKA_TEXT("Report", "Alarm");

void WriteSummary(SheetWriter& cells, const ReportInputs& inputs, const Recording& recording) {
    const LoggerSettings& settings = recording.settings;
    const LogSummary& summary = recording.record.summary;
    const auto u8 = [](const std::u16string& text) { return Utf8FromUtf16(text); };
    // A title with its full-width colon.
    const auto t = [](UiText title) { return Tr(title) + "："; };

    cells.LeftText(3, A, SourceText(inputs.source, recording.StartTime()));
    cells.Text(3, H, t(kReportDateHeading) + ReportDateTime(inputs.clock.Now()));
    cells.Text(4, A, t(title::kDeliveryCompany));
    cells.Text(4, B, u8(settings.deliveryCompany));
    cells.Text(4, E, t(title::kReceivingCompany));
    cells.Text(4, F, u8(settings.receivingCompany));
    cells.Text(5, A, t(title::kTransportCompany));
    cells.Text(5, B, u8(settings.transportCompany));
    cells.Text(5, E, t(title::kDeliveryDate));
    cells.Text(5, F, settings.deliveryDateText);
    cells.Text(6, A, t(title::kTransportNumber));
    cells.Text(6, B, u8(settings.transportNumber));

    cells.Text(8, A, t(kDeviceInformationHeading));
    cells.Text(9, A, t(title::kDeviceSerial));
    cells.Text(9, B, settings.serialText);
    cells.Text(9, G, t(title::kShutdownMode));
    cells.Text(9, H, Tr("Report", "Manual mode"));
    cells.Text(10, A, t(title::kUpperLimit));
    cells.Text(10, B, TemperatureText(settings.upperLimit, inputs.unit));
    cells.Text(10, C, t(title::kStartDelay));
    cells.Text(10, D, std::to_string(StartDelayMinutes(settings)) + Tr(kMinutesUnit));
    cells.Text(10, G, t(title::kLogInterval));
    cells.Text(10, H,
               std::to_string(LogIntervalValue(settings)) +
                   Tr(LogIntervalInSeconds(settings) ? kSecondsUnit : kMinutesUnit));
    // The workbook's one title that begins in lower case.
    cells.Text(11, A, Tr("Report", "lower Limit Alarm") + "：");
    cells.Text(11, B, TemperatureText(settings.lowerLimit, inputs.unit));
    cells.Text(11, C, t(title::kAlarmDelay));
    cells.Text(11, D, std::to_string(AlarmDelayMinutes(settings)) + Tr(kMinutesUnit));
    cells.Text(11, G, t(title::kLogCycle));
    cells.Text(11, H, std::to_string(LogCycleDays(settings)) + Tr(kDaysUnit));

    cells.Text(12, A, t(kLoggingSummaryHeading));
    cells.Text(13, A, t(kHighestTemperatureTitle));
    cells.Text(13, B, TemperatureText(summary.highest, inputs.unit));
    cells.Text(13, C, t(kAverageTemperatureTitle));
    cells.Text(13, D, TemperatureText(summary.average, inputs.unit));
    cells.Text(13, G, t(kStartTimeTitle));
    cells.Text(13, H, ReportDateTime(recording.StartTime()));
    cells.Text(14, A, t(kLowestTemperatureTitle));
    cells.Text(14, B, TemperatureText(summary.lowest, inputs.unit));
    cells.Text(14, C, t(kDataPointsTitle));
    cells.WholeNumber(14, D, static_cast<double>(recording.record.samples.size()));
    cells.Text(14, G, t(kStopTimeTitle));
    cells.Text(14, H, ReportDateTime(recording.StopTime()));
}

void WriteProducts(SheetWriter& cells, const std::vector<ProductRecord>& products) {
    // The unit's head is in lower case here.
    const UiText heads[] = {title::kProductNumber, title::kProductName,
                            title::kSpecification, title::kBatchNumber,
                            title::kValidity,      VELKA_TEXT("Report", "unit"),
                            title::kQuantity,      title::kShipmentNumber};
    for (int column = A; column <= H; ++column)
        cells.Text(19, column, Tr(heads[column - A]));
    for (std::size_t i = 0; i < products.size(); ++i) {
        const ProductRecord& product = products[i];
        const int row = 20 + static_cast<int>(i);
        cells.Text(row, A, Utf8FromUtf16(product.number));
        cells.Text(row, B, Utf8FromUtf16(product.name));
        cells.Text(row, C, Utf8FromUtf16(product.spec));
        cells.Text(row, D, Utf8FromUtf16(product.batch));
        cells.Text(row, E, ReportDate(product.validity));
        cells.Text(row, F, Utf8FromUtf16(product.unit));
        cells.WholeNumber(row, G, product.quantity);
        cells.Text(row, H, Utf8FromUtf16(product.shipment));
    }
}

// The picture goes in from memory: a shared file would let two exports at once swap their
// charts, and would take the name of a file of the user's.
void InsertChart(lxw_worksheet* sheet, int firstRow, const ChartPixels& chartPixels) {
    std::string description = Tr(kDataChartHeading);
    lxw_image_options options{};
    options.x_scale = static_cast<double>(kPictureColumns * kColumnPixels) / kChartImageWidth;
    options.y_scale = static_cast<double>(kPictureRows * kRowPixels) / kChartImageHeight;
    options.object_position = LXW_OBJECT_MOVE_AND_SIZE;
    options.description = description.data();
    // libxlsxwriter copies the picture when it is inserted.
    const std::vector<std::uint8_t> bitmap = EncodeChartBitmap(chartPixels);
    Check(worksheet_insert_image_buffer_opt(sheet, SheetWriter::Row(firstRow), 0, bitmap.data(),
                                            bitmap.size(), &options));
}

// The record table's three columns, and beside them "Alarm": which limit a sample is beyond, so
// that the temperature cell stays a number and colour is not the only cue.
void WriteSamples(SheetWriter& cells, const Recording& recording,
                  const std::vector<std::string>& tableColumnTitles, int headRow) {
    for (std::size_t i = 0; i < tableColumnTitles.size(); ++i)
        cells.Text(headRow, A + static_cast<int>(i), tableColumnTitles[i]);
    const int alarmColumn = A + static_cast<int>(tableColumnTitles.size());
    cells.Text(headRow, alarmColumn, Tr(kAlarmColumnTitle));
    const SampleList& samples = recording.record.samples;
    for (std::size_t j = 0; j < samples.size(); ++j) {
        const int row = headRow + 1 + static_cast<int>(j);
        cells.WholeNumber(row, A, static_cast<double>(j + 1));
        cells.DateTime(row, B, SampleTime(recording, j));
        cells.Temperature(row, C, samples[j].temperature);
        if (samples[j].alarm != 0)
            cells.Text(row, alarmColumn, Tr(AlarmWord(samples[j].alarm)));
    }
}

// The second worksheet: each value of the analysis on a row (its title in A, its text across
// B:F), then the profile's rules under heads, one a row.
void WriteAnalysisSheet(lxw_workbook* workbook, const ReportInputs& inputs) {
    const Recording& recording = inputs.recording;
    const std::optional<RecordingAnalysis> analysis = AnalyseRecording(recording, inputs.analysis);
    if (!analysis)
        return;
    const AnalysisReport report = MakeAnalysisReport(*analysis, recording, inputs.unit);
    const std::string heading = Tr(kAnalysisHeading);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, heading.c_str());
    if (sheet == nullptr)
        throw ReportFailure("cannot add the analysis worksheet");
    SheetWriter cells(workbook, sheet);
    // Rule texts are up to about 45 characters; the value texts span B:F.
    Check(worksheet_set_column(sheet, 0, 0, 46, cells.Centred()));
    Check(worksheet_set_column(sheet, 1, LXW_COL_MAX - 1, kColumnWidthCharacters, cells.Centred()));
    Check(worksheet_merge_range(sheet, 0, 0, 0, 5, heading.c_str(), cells.Centred()));

    int row = 3;
    for (const AnalysisValueRow& value : report.values) {
        cells.Text(row, A, value.title + "：");
        Check(worksheet_merge_range(sheet, SheetWriter::Row(row), 1, SheetWriter::Row(row), 5,
                                    FitToCell(value.value).c_str(), cells.Centred()));
        ++row;
    }
    row += 1;
    for (std::size_t c = 0; c < kAnalysisRuleHeads.size(); ++c)
        cells.Text(row, A + static_cast<int>(c), Tr(kAnalysisRuleHeads[c]));
    for (const AnalysisRuleRow& rule : report.rules) {
        ++row;
        cells.Text(row, A, rule.rule);
        cells.WholeNumber(row, B, static_cast<double>(rule.events));
        cells.Text(row, C, rule.timeBeyond);
        cells.Text(row, D, rule.longest);
        cells.Text(row, E, rule.firstOut);
        cells.Text(row, F, rule.alarm);
    }
    if (!report.note.empty())
        Check(worksheet_merge_range(sheet, SheetWriter::Row(row + 2), 0, SheetWriter::Row(row + 2),
                                    5, report.note.c_str(), cells.Centred()));
}

// The document's title, creation time, source and program; the time is the report date, so that
// a workbook is the same file whenever it is made from the same record at the same (injected)
// time.
void SetProperties(lxw_workbook* workbook, const ReportInputs& inputs) {
    std::string title = Tr(kReportTitle);
    std::string source = SourceText(inputs.source, inputs.recording.StartTime());
    std::string program = ProgramName("velka");
    lxw_doc_properties properties{};
    properties.title = title.data();
    properties.comments = source.data();
    properties.created = static_cast<time_t>(inputs.clock.Now());
    Check(workbook_set_properties(workbook, &properties));
    Check(workbook_set_custom_property_string(workbook, "Source file",
                                              inputs.source.fileName.c_str()));
    if (!inputs.source.sha256.empty())
        Check(workbook_set_custom_property_string(workbook, "Source SHA-256",
                                                  inputs.source.sha256.c_str()));
    Check(workbook_set_custom_property_string(workbook, "Program", program.c_str()));
}

void WriteWorkbookFile(const ReportInputs& inputs,
                       const std::vector<std::string>& tableColumnTitles,
                       const std::filesystem::path& path) {
    // libxlsxwriter writes numbers (cell values, column widths, picture offsets) with the C
    // library's printf.
    const ScopedCNumericLocale numbersWithPoint;
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr)
        throw ReportFailure("cannot create the workbook");
    std::unique_ptr<lxw_workbook, WorkbookDeleter> owner(workbook);
    SetProperties(workbook, inputs);
    const std::string title = Tr(kReportTitle);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, title.c_str());
    if (sheet == nullptr)
        throw ReportFailure("cannot add the worksheet");
    SheetWriter cells(workbook, sheet);

    Check(worksheet_set_column(sheet, 0, LXW_COL_MAX - 1, kColumnWidthCharacters, cells.Centred()));
    Check(worksheet_merge_range(sheet, 0, 0, 1, 7, title.c_str(), cells.Centred()));
    // The first sheet shows the recording in the chosen unit; the analysis sheet works in °C.
    const Recording shown = ShownIn(inputs.recording, inputs.unit);
    WriteSummary(cells, inputs, shown);
    const std::vector<ProductRecord>& products = inputs.recording.settings.products;
    WriteProducts(cells, products);

    const int n = static_cast<int>(products.size());
    cells.Text(24 + n, A, Tr(kDataChartHeading));
    const int pictureRow = 25 + n;
    Check(worksheet_merge_range(sheet, SheetWriter::Row(pictureRow), 0,
                                SheetWriter::Row(pictureRow + kPictureRows - 1),
                                kPictureColumns - 1, "", cells.Centred()));
    InsertChart(sheet, pictureRow, inputs.chartPixels);
    WriteSamples(cells, shown, tableColumnTitles, 54 + 2 * n);
    WriteAnalysisSheet(workbook, inputs);

    // Closing writes the file, and frees the workbook.
    static_cast<void>(owner.release());
    Check(workbook_close(workbook));
}

}  // namespace

std::vector<std::string> DefaultTableColumnTitles(TemperatureUnit unit) {
    std::vector<std::string> titles;
    titles.reserve(kRecordTableColumns.size());
    for (const RecordTableColumn& column : kRecordTableColumns)
        titles.push_back(RecordTableColumnTitle(column, unit));
    return titles;
}

ExportResult WriteExcelWorkbook(const ReportInputs& inputs,
                                const std::vector<std::string>& tableColumnTitles,
                                const std::filesystem::path& reportPath) {
    if (inputs.chartPixels.bgr.size() != kChartImageBytes)
        return {ExportStatus::Failed, "the chart picture has the wrong size"};
    return WriteReportFile(reportPath, [&](const std::filesystem::path& temporaryPath) {
        WriteWorkbookFile(inputs, tableColumnTitles, temporaryPath);
    });
}

ExportResult ExportExcelReport(const ReportInputs& inputs,
                               const std::vector<std::string>& tableColumnTitles,
                               const std::filesystem::path& reportPath, MessageService& messages) {
    if (inputs.recording.record.samples.empty()) {
        messages.ShowMessage(Tr(kInsertDeviceText), MessageIcon::Warning);
        return {ExportStatus::NoSamples, "the record holds no samples"};
    }
    ExportResult result = WriteExcelWorkbook(inputs, tableColumnTitles, reportPath);
    if (result.status == ExportStatus::Saved)
        messages.ShowMessage(Tr("Report", "Excel Export Success"), MessageIcon::Information);
    else
        messages.ShowMessage(Tr(kExcelExportFailedText) + ": " + result.failure,
                             MessageIcon::Error);
    return result;
}

}  // namespace velka
