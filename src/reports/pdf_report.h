#pragma once
// The PDF report: an A4 summary page (transport data, device settings, statistics, products
// and the chart picture) followed by the sample table, 54 rows a page, alarm samples in red.

#include "reports/pdf_font.h"
#include "reports/report_inputs.h"
#include "services/message_service.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace velka {

// Writes the report to reportPath and tells the user: "PDF save success" / "Info",
// "PDF save FAILED" / "Error", or "Please Insert Device" / "Warning" for an empty record.
// A failed export leaves no file at reportPath (an earlier one stays as it was).
constexpr const char* kPdfSaveFailedText = "PDF save FAILED";

ExportResult ExportPdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                             MessageService& messages);

// The inner step without the messages; the record must hold samples. The text is drawn in the
// installed report font (FindPdfFont), or in `font`.
ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath);
ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                            const PdfFontFile& font);

}  // namespace velka
