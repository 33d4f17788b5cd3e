#pragma once
// What the window's two export buttons do: fill the save popup with the report's path, its
// extension, filter and button caption; after OK take the confirmed path as the page's
// reportPath and run the export (which tells the user how it went); after Cancel nothing.

#include "ui/pages/sign_dialog.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace velka {

class CDlgExcel;
class CDlgPdf;
class ReportPage;

// The four values the save popup is filled with.
struct SaveRequest {
    std::string defaultExtension;  // without the dot: "pdf"
    std::string fileFilter;        // pairs of description and pattern: "PDF(*.pdf)|*.pdf||"
    std::filesystem::path filePath;
    std::string saveCaption;  // the confirming button: "Save PDF"

    bool operator==(const SaveRequest&) const = default;
};

// Shows the save popup modally: the path confirmed with OK, or nothing after Cancel.
using AskSavePath = std::function<std::optional<std::filesystem::path>(const SaveRequest&)>;

// The save popup over `parent`.
AskSavePath SavePopup(QWidget* parent);

SaveRequest SaveRequestFor(const ReportPage& page);

// "Save PDF" and "Save Excel"; a saved PDF is then offered for signing when a certificate is
// configured.
void SavePdfReport(CDlgPdf& page, const AskSavePath& askSavePath,
                   const AskSignature& askSignature = {});
void SaveExcelReport(CDlgExcel& page, const AskSavePath& askSavePath);

}  // namespace velka
