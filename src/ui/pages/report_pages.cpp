#include "ui/pages/report_pages.h"

#include "archive/archive_file_name.h"
#include "chart/chart_image.h"
#include "reports/excel_report.h"
#include "reports/pdf_report.h"
#include "reports/report_texts.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/file_io.h"
#include "storage/sha256.h"
#include "storage/staged_file.h"
#include "ui/kit/page_background.h"
#include "ui/kit/page_geometry.h"
#include "ui/kit/ui_text.h"
#include "ui/kit/work_beside_window.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <iostream>

namespace velka {
namespace {

// The messages of an export that runs beside the window, shown by the window's thread once it
// is done (boxes belong to that thread).
class HeldMessages final : public MessageService {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                              MessageButtons buttons) override {
        held_.push_back({text, {}, icon, buttons, 0});
        return MessageAnswer::Ok;
    }
    void ShowTimedNotice(const std::string& text, const std::string& caption,
                         int timeoutMs) override {
        held_.push_back({text, caption, MessageIcon::Information, MessageButtons::Ok, timeoutMs});
    }
    void ShowOn(MessageService& messages) const {
        for (const Held& message : held_) {
            if (message.noticeCaption.empty())
                messages.ShowMessage(message.text, message.icon, message.buttons);
            else
                messages.ShowTimedNotice(message.text, message.noticeCaption, message.timeoutMs);
        }
    }

private:
    struct Held {
        std::string text;
        std::string noticeCaption;  // empty for a box
        MessageIcon icon;
        MessageButtons buttons;
        int timeoutMs;
    };
    std::vector<Held> held_;
};

}  // namespace

ReportPage::ReportPage(ReportKind kind, const AcquisitionController& session,
                       SessionNotifier& notifier, MessageService& messages, const Clock& clock,
                       DataRoot dataRoot, QWidget* parent)
    : QWidget(parent), session_(session), messages_(messages), clock_(clock),
      dataRoot_(std::move(dataRoot)), kind_(kind), keptFiles_{dataRoot_, {}, {}} {
    setFixedSize(kPageSize);
    pathField_ = new QLineEdit(this);
    pathField_->setAccessibleName(TrQ("ReportPages", "Report path"));
    pathField_->setGeometry(20, 20, 820, 24);
    pathField_->setReadOnly(true);
    // The window reaches the report only through its export button.
    hide();
    BuildDefaultReportPath();
    connect(&notifier, &SessionNotifier::recordDecoded, this, &ReportPage::BuildDefaultReportPath);
}

void ReportPage::SetReportPath(std::filesystem::path path) {
    reportPath_ = std::move(path);
    pathField_->setText(QString::fromStdString(reportPath_.string()));
}

void ReportPage::BuildDefaultReportPath() {
    // The report of one trip must not take the name of the previous trip's: it is named after
    // the recording's file.
    std::string recordingName;
    const Recording& recording = session_.CurrentRecording();
    if (!session_.ShownStoredRecording().empty())
        recordingName = session_.ShownStoredRecording().stem().string();
    else if (!recording.settings.serialText.empty())
        recordingName = std::filesystem::path(
                            ArchiveFileName(recording.settings.serialText, recording.StartTime()))
                            .stem()
                            .string();
    SetReportPath(velka::BuildDefaultReportPath(kind_, recordingName, dataRoot_, clock_));
}

ReportSource ReportPage::Source() const {
    std::filesystem::path file = session_.ShownStoredRecording();
    if (!session_.ShownCentralOrigin().empty())
        return {session_.ShownCentralOrigin(), Sha256Hex(session_.Image())};
    if (file.empty() && session_.LastArchive().status == ArchiveOutcome::Status::Saved)
        file = session_.LastArchive().path;
    return SourceOfImage(file, session_.Image());
}

ExportResult ReportPage::Logged(ExportResult result, const ReportSource& source) const {
    // The window's diagnostics go to standard error too, for whoever looks after the machine.
    if (result.status == ExportStatus::Failed)
        std::cerr << "velka: "
                  << (kind_ == ReportKind::Pdf ? kPdfSaveFailedText : kExcelExportFailedText).source
                  << ": " << result.failure << '\n';
    if (result.status == ExportStatus::Saved) {
        std::error_code error;
        session_.RecordAudit("export",
                             {{"report", std::filesystem::absolute(reportPath_, error).string()},
                              {"kind", kind_ == ReportKind::Pdf ? "pdf" : "xlsx"},
                              {"file", source.fileName},
                              {"sha256", source.sha256}});
    }
    return result;
}

bool ReportPage::HasRecord() const {
    if (!session_.CurrentRecording().record.samples.empty())
        return true;
    messages_.ShowMessage(Tr(kInsertDeviceText), MessageIcon::Warning);
    return false;
}

bool ReportPage::ConfirmReportPath(const std::filesystem::path& path) {
    std::optional<std::string> refusal = ForeignLinkOnTheWay(path);
    if (!refusal)
        refusal = RefuseReportTarget(path, keptFiles_);
    if (refusal) {
        messages_.ShowMessage(
            Tr(kind_ == ReportKind::Pdf ? kPdfSaveFailedText : kExcelExportFailedText) + ": " +
                *refusal,
            MessageIcon::Error);
        return false;
    }
    return !ReplacesExistingFile(path) ||
           messages_.ShowMessage(ReplaceQuestion(path), MessageIcon::Warning,
                                 MessageButtons::YesNo) == MessageAnswer::Yes;
}

void ReportPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPageBackground(painter, rect());
}

ExportResult ReportPage::InBackground(const ReportSource& source,
                                      const std::function<ExportResult(MessageService&)>& work) {
    HeldMessages held;
    ExportResult result;
    RunBesideWindow([&] { result = work(held); });
    held.ShowOn(messages_);
    return Logged(result, source);
}

CDlgPdf::CDlgPdf(const AcquisitionController& session, SessionNotifier& notifier,
                 MessageService& messages, const Clock& clock, DataRoot dataRoot, QWidget* parent)
    : ReportPage(ReportKind::Pdf, session, notifier, messages, clock, std::move(dataRoot), parent) {
}

ExportResult CDlgPdf::ExportPdfReport() {
    // A copy: a logger plugged in meanwhile is read into the session while the report is written.
    const Recording recording = session_.CurrentRecording();
    const TemperatureUnit unit = session_.Unit();
    const ChartPixels chart = RenderReportChart(recording, unit);
    const AnalysisChoice analysis = session_.Analysis();
    const ReportSource source = Source();
    const std::filesystem::path target = reportPath();
    return InBackground(source, [&](MessageService& messages) {
        return velka::ExportPdfReport(
            ReportInputs{recording, chart, clock_, analysis, source, unit}, target, messages);
    });
}

bool CDlgPdf::OfferSigning(const AskSignature& askSignature) {
    if (!SigningOffered())
        return false;
    const std::filesystem::path database =
        signing_.database.empty() ? DefaultNssDatabase(HomeFolder()) : signing_.database;
    const std::optional<SignAnswer> answer =
        askSignature({signing_.nickname, NssDatabaseNeedsPassword(database)});
    if (!answer)
        return false;
    const std::filesystem::path report = reportPath();
    const std::filesystem::path output = SignedReportPath(report);
    if (!ConfirmReportPath(output))
        return false;
    const SigningRequest request{report,   output,          signing_.nickname,
                                 database, answer->meaning, answer->password};
    SigningOutcome outcome;
    RunBesideWindow([&] { outcome = SignReport(request); });
    if (!outcome.signedReport) {
        std::cerr << "velka: " << kSigningFailedText.source << ": " << outcome.failure << '\n';
        messages_.ShowMessage(Tr(kSigningFailedText) + ": " + outcome.failure, MessageIcon::Error);
        return false;
    }
    std::error_code error;
    session_.RecordAudit("sign", {{"report", std::filesystem::absolute(output, error).string()},
                                  {"signer", outcome.signer},
                                  {"reason", answer->meaning},
                                  {"sha256", outcome.sha256}});
    messages_.ShowMessage(
        WithArguments(Tr("ReportPages", "The report is signed as %1"), {MessagePath(output)}),
        MessageIcon::Information);
    return true;
}

CDlgExcel::CDlgExcel(const AcquisitionController& session, SessionNotifier& notifier,
                     MessageService& messages, const Clock& clock, DataRoot dataRoot,
                     QWidget* parent)
    : ReportPage(ReportKind::Excel, session, notifier, messages, clock, std::move(dataRoot),
                 parent) {}

void CDlgExcel::SetSampleTableHeader(const QHeaderView* header) {
    sampleTableHeader_ = header;
}

std::vector<std::string> CDlgExcel::SampleTableTitles() const {
    if (sampleTableHeader_.isNull() || sampleTableHeader_->model() == nullptr)
        return DefaultTableColumnTitles(session_.Unit());
    const QAbstractItemModel& model = *sampleTableHeader_->model();
    std::vector<std::string> titles;
    titles.reserve(static_cast<std::size_t>(sampleTableHeader_->count()));
    for (int column = 0; column < sampleTableHeader_->count(); ++column)
        titles.push_back(
            model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
    return titles;
}

ExportResult CDlgExcel::ExportExcelReport() {
    const Recording recording = session_.CurrentRecording();
    const TemperatureUnit unit = session_.Unit();
    const ChartPixels chart = RenderReportChart(recording, unit);
    const std::vector<std::string> titles = SampleTableTitles();
    const AnalysisChoice analysis = session_.Analysis();
    const ReportSource source = Source();
    const std::filesystem::path target = reportPath();
    return InBackground(source, [&](MessageService& messages) {
        return velka::ExportExcelReport(
            ReportInputs{recording, chart, clock_, analysis, source, unit}, titles, target,
            messages);
    });
}

}  // namespace velka
