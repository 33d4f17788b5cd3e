#include "audit/audit_log.h"
#include "chart/chart_bitmap.h"
#include "chart/chart_image.h"
#include "commands.h"
#include "config/analysis_settings.h"
#include "config/unit_setting.h"
#include "export_targets.h"
#include "image_files.h"
#include "offscreen_gui.h"
#include "path_json.h"
#include "record_json.h"
#include "reports/csv_report.h"
#include "reports/excel_report.h"
#include "reports/pdf_report.h"
#include "reports/report_texts.h"
#include "services/clock.h"
#include "storage/data_root.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"
#include "storage/staged_file.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velka::cli {
namespace {

// The exports talk to the user through the message service; the command line keeps the last
// message for its one line on failure.
class LastMessage final : public MessageService {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon, MessageButtons) override {
        last = text;
        return MessageAnswer::Ok;
    }
    void ShowTimedNotice(const std::string& text, const std::string&, int) override { last = text; }

    std::string last;
};

void RequireSaved(const ExportResult& result, const std::string& what, const LastMessage& message) {
    if (result.status == ExportStatus::Saved)
        return;
    // The message names the reason already.
    std::string line = "velka-cli export: ";
    if (!message.last.empty())
        line += message.last;
    else
        line += "cannot write the " + what + (result.failure.empty() ? "" : ": " + result.failure);
    throw CommandFailure{line};
}

// Each output in the audit log of the data root, when there is one: an export of an image from
// elsewhere on a machine without an archive has no log to go into.
void RecordExports(const Context& context,
                   const std::vector<std::pair<const char*, std::optional<std::string>>>& outputs,
                   const ReportSource& source) {
    std::error_code error;
    if (!std::filesystem::is_directory(context.dataRoot.Root(), error))
        return;
    const FixedClock clock(context.now);
    const AuditLog audit(context.dataRoot, AuditIdentity::OfThisProcess(ProgramName("velka-cli")),
                         clock);
    for (const auto& [kind, path] : outputs) {
        if (!path)
            continue;
        const std::filesystem::path report = std::filesystem::absolute(*path, error);
        if (const std::error_code failed = audit.Append("export", {{"report", report.string()},
                                                                   {"kind", kind},
                                                                   {"file", source.fileName},
                                                                   {"sha256", source.sha256}}))
            context.err << "velka-cli export: the audit log cannot be written: "
                        << DescribeFileError(audit.File(), failed) << std::endl;
    }
}

}  // namespace

int RunExport(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 1)
        throw UsageError{"export takes one IMAGE"};
    const std::optional<std::string> pdfPath = arguments.Value("--pdf");
    const std::optional<std::string> workbookPath = arguments.Value("--xlsx");
    const std::optional<std::string> csvPath = arguments.Value("--csv");
    const std::optional<std::string> chartPath = arguments.Value("--chart");
    if (!pdfPath && !workbookPath && !csvPath && !chartPath)
        throw UsageError{"export writes at least one of --pdf, --xlsx, --csv, --chart"};

    const std::filesystem::path imagePath = arguments.positional[0];
    const LoggerImage image = ReadImageArgument(imagePath);
    const Recording recording = DecodeRecording(image, context.tables, context.now);
    const TemperatureUnit unit = arguments.Unit(LoadTemperatureUnit(context.settingsFile));
    const ReportSource source = SourceOfImage(imagePath, image);

    // Everything that can fail for a reason known now fails before the first file is written.
    std::vector<ExportTarget> targets;
    for (const auto& [option, path] :
         {std::pair{"--pdf", pdfPath}, std::pair{"--xlsx", workbookPath},
          std::pair{"--csv", csvPath}, std::pair{"--chart", chartPath}}) {
        if (path)
            targets.push_back({option, *path});
    }
    const KeptFiles kept{context.dataRoot, context.referenceFolder, context.settingsFile};
    CheckExportTargets(imagePath, targets, kept, arguments.Flag("--force"));
    if ((pdfPath || workbookPath) && recording.record.samples.empty())
        throw CommandFailure{std::string("velka-cli export: ") + Tr(kInsertDeviceText) +
                             ": the record holds no samples"};
    if (const PdfFontSearch fonts = pdfPath ? FindPdfFonts() : PdfFontSearch{};
        !fonts.missing.empty())
        throw CommandFailure{"velka-cli export: cannot write the PDF report: " + fonts.missing};

    // As for decode: current.txt is for inspection only.
    WriteCurrentTable(context.dataRoot, recording.currentTable);
    // All outputs or none: each is staged, and they take their names together at the end.
    StagedBatch outputs;
    Json written = Json::object();
    written["samples"] = recording.record.samples.size();
    if (csvPath) {
        RequireSaved(WriteSamplesCsv(recording, unit, *csvPath), "CSV file", LastMessage{});
        PutPath(written, "csv", *csvPath);
    }
    if (chartPath || pdfPath || workbookPath) {
        const OffscreenGui gui;
        const ChartPixels pixels = RenderReportChart(recording, unit);
        if (chartPath) {
            if (std::error_code error; !SaveChartBitmap(pixels, *chartPath, &error))
                throw CommandFailure{"velka-cli export: cannot write " +
                                     DescribeFileError(*chartPath, error)};
            PutPath(written, "chart", *chartPath);
        }
        const FixedClock clock(context.now);
        const ReportInputs inputs{
            recording, pixels, clock, LoadAnalysisChoice(context.settingsFile), source, unit};
        if (pdfPath) {
            LastMessage message;
            RequireSaved(ExportPdfReport(inputs, *pdfPath, message), "PDF report", message);
            PutPath(written, "pdf", *pdfPath);
        }
        if (workbookPath) {
            LastMessage message;
            RequireSaved(
                ExportExcelReport(inputs, DefaultTableColumnTitles(unit), *workbookPath, message),
                "workbook", message);
            PutPath(written, "xlsx", *workbookPath);
        }
    }
    if (const std::error_code error = outputs.Commit())
        throw CommandFailure{"velka-cli export: cannot write the outputs: " + error.message()};
    RecordExports(
        context, {{"pdf", pdfPath}, {"xlsx", workbookPath}, {"csv", csvPath}, {"chart", chartPath}},
        source);
    context.out << written.dump() << '\n';
    return kExitSuccess;
}

}  // namespace velka::cli
