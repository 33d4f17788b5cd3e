#include "reports/report_buttons.h"

#include "reports/report_pages.h"

#include <QFileDialog>
#include <QStringList>

namespace velka {
namespace {

// The popup's filter names its pairs "description|pattern|…|"; Qt's file dialog wants
// "description (pattern)" filters separated by ";;".
QString QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString description = parts[i];
        const qsizetype bracket = description.indexOf(QLatin1Char('('));
        if (bracket > 0 && description[bracket - 1] != QLatin1Char(' '))
            description.insert(bracket, QLatin1Char(' '));
        filters << description;
    }
    return filters.join(QStringLiteral(";;"));
}

bool AskAndTakePath(ReportPage& page, const AskSavePath& askSavePath) {
    const std::optional<std::filesystem::path> confirmed = askSavePath(SaveRequestFor(page));
    if (!confirmed)
        return false;
    page.SetReportPath(*confirmed);
    return true;
}

}  // namespace

AskSavePath SavePopup(QWidget* parent) {
    return [parent](const SaveRequest& request) -> std::optional<std::filesystem::path> {
        QFileDialog dialog(parent, QStringLiteral("Save"),
                           QString::fromStdString(request.filePath.string()),
                           QtFileFilter(request.fileFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
        dialog.setLabelText(QFileDialog::Accept, QString::fromStdString(request.saveCaption));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return std::filesystem::path(dialog.selectedFiles().front().toStdString());
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
