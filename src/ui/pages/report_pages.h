#pragma once
// The two report pages of the window. The window never shows them: each holds the path its
// report is written to, `reportPath`, set to the default path at creation and after every
// decode (a read or a recording loaded from the history), and changed by a confirmed save
// popup; and each runs its export on the session's record, with the chart as the chart page
// shows it (the current view, without the hover marker).

#include "reports/report_inputs.h"
#include "reports/report_path.h"
#include "reports/report_target.h"
#include "services/clock.h"
#include "services/message_service.h"
#include "signing/report_signing.h"
#include "storage/data_root.h"
#include "ui/pages/sign_dialog.h"

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QHeaderView;
class QLineEdit;

namespace velka {

class AcquisitionController;
class SessionNotifier;

class ReportPage : public QWidget {
    Q_OBJECT
public:
    ReportKind Kind() const { return kind_; }
    const std::filesystem::path& reportPath() const { return reportPath_; }
    // The path the user confirmed in the save popup; kept until the next decode.
    void SetReportPath(std::filesystem::path path);
    // DATA-ROOT/Data/<the recording's archive name>.pdf (or the workbook's extension), or the
    // time-stamp name while no logger has been read.
    void BuildDefaultReportPath();
    // The files the report never replaces; by default the data root's.
    void ProtectFiles(KeptFiles kept) { keptFiles_ = std::move(kept); }
    // Whether the report may go to `path`: never over a file Velka keeps (an Error box says
    // why), over another existing file only when the user says Yes.
    bool ConfirmReportPath(const std::filesystem::path& path);
    // Whether there is a record to report; "Please Insert Device" when there is none.
    bool HasRecord() const;

protected:
    // The references must outlive the page.
    ReportPage(ReportKind kind, const AcquisitionController& session, SessionNotifier& notifier,
               MessageService& messages, const Clock& clock, DataRoot dataRoot, QWidget* parent);

    // The file the shown recording was loaded from or archived as, and the digest of its image.
    ReportSource Source() const;
    // A failed export is also written to standard error; a saved one is recorded in the audit
    // log with its source.
    ExportResult Logged(ExportResult result, const ReportSource& source) const;
    // Runs the export on a thread of its own under a busy cursor while the window keeps
    // painting, then shows its messages and logs it.
    ExportResult InBackground(const ReportSource& source,
                              const std::function<ExportResult(MessageService&)>& work);

    void paintEvent(QPaintEvent* event) override;

    const AcquisitionController& session_;
    MessageService& messages_;
    const Clock& clock_;
    const DataRoot dataRoot_;

private:
    ReportKind kind_;
    std::filesystem::path reportPath_;
    KeptFiles keptFiles_;
    QLineEdit* pathField_;
};

class CDlgPdf final : public ReportPage {
    Q_OBJECT
public:
    CDlgPdf(const AcquisitionController& session, SessionNotifier& notifier,
            MessageService& messages, const Clock& clock, DataRoot dataRoot,
            QWidget* parent = nullptr);

    // Writes the PDF report to reportPath and tells the user how it went.
    ExportResult ExportPdfReport();

    // The certificate the window signs with; an empty nickname offers no signing.
    void SetSigning(SigningSetup setup) { signing_ = std::move(setup); }
    bool SigningOffered() const { return !signing_.nickname.empty(); }
    // After a saved report: asks for the meaning (and the database's password), signs the report
    // into "…-signed.pdf" beside it (asking before it replaces a file), records the signing in
    // the audit log and tells the user how it went. False when nothing was signed.
    bool OfferSigning(const AskSignature& askSignature);

private:
    SigningSetup signing_;
};

class CDlgExcel final : public ReportPage {
    Q_OBJECT
public:
    CDlgExcel(const AcquisitionController& session, SessionNotifier& notifier,
              MessageService& messages, const Clock& clock, DataRoot dataRoot,
              QWidget* parent = nullptr);

    // The record table list's header: the workbook's sample table takes its columns' titles
    // from it at export time. Without one, the record table's own titles.
    void SetSampleTableHeader(const QHeaderView* header);
    // Writes the workbook to reportPath and tells the user how it went.
    ExportResult ExportExcelReport();

private:
    std::vector<std::string> SampleTableTitles() const;

    QPointer<const QHeaderView> sampleTableHeader_;
};

}  // namespace velka
