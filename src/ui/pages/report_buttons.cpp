#include "ui/pages/report_buttons.h"

#include "services/translation.h"
#include "ui/kit/popup_dialog.h"
#include "ui/pages/report_pages.h"

namespace velka {
namespace {

bool AskAndTakePath(ReportPage& page, const AskSavePath& askSavePath) {
    // Nothing to report: said before the user is asked for a file name.
    if (!page.HasRecord())
        return false;
    const std::optional<std::filesystem::path> confirmed = askSavePath(SaveRequestFor(page));
    if (!confirmed || !page.ConfirmReportPath(*confirmed))
        return false;
    page.SetReportPath(*confirmed);
    return true;
}

}  // namespace

AskSavePath SavePopup(QWidget* parent) {
    return [parent](const SaveRequest& request) -> std::optional<std::filesystem::path> {
        CPopupDlg popup(parent);
        popup.SetDefaultExtension(QString::fromStdString(request.defaultExtension));
        popup.SetFileFilter(QString::fromStdString(request.fileFilter));
        popup.SetFilePath(QString::fromStdString(request.filePath.string()));
        popup.SetSaveCaption(QString::fromStdString(request.saveCaption));
        if (popup.exec() != QDialog::Accepted)
            return std::nullopt;
        return std::filesystem::path(popup.FilePath().toStdString());
    };
}

SaveRequest SaveRequestFor(const ReportPage& page) {
    return {ReportDefaultExtension(page.Kind()), ReportFileFilter(page.Kind()), page.reportPath(),
            page.Kind() == ReportKind::Pdf ? Tr("ReportPages", "Save PDF")
                                           : Tr("ReportPages", "Save Excel")};
}

void SavePdfReport(CDlgPdf& page, const AskSavePath& askSavePath,
                   const AskSignature& askSignature) {
    if (AskAndTakePath(page, askSavePath) && page.ExportPdfReport().status == ExportStatus::Saved &&
        askSignature)
        page.OfferSigning(askSignature);
}

void SaveExcelReport(CDlgExcel& page, const AskSavePath& askSavePath) {
    if (AskAndTakePath(page, askSavePath))
        page.ExportExcelReport();
}

}  // namespace velka
