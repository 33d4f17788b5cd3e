#include "ui/pages/report_buttons.h"

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
    // ".pdf" → "pdf"
    const std::string extension = ReportExtension(page.Kind()) + 1;
    if (page.Kind() == ReportKind::Pdf)
        return {extension, "PDF(*.pdf)|*.pdf||", page.reportPath(), "Save PDF"};
    return {extension, "Workbooks files(*." + extension + ")|*." + extension + "||",
            page.reportPath(), "Save Excel"};
}

void SavePdfReport(CDlgPdf& page, const AskSavePath& askSavePath) {
    if (AskAndTakePath(page, askSavePath))
        page.ExportPdfReport();
}

void SaveExcelReport(CDlgExcel& page, const AskSavePath& askSavePath) {
    if (AskAndTakePath(page, askSavePath))
        page.ExportExcelReport();
}

}  // namespace velka
