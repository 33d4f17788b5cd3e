#pragma once
// The PDF report: an A4 summary page (transport data, device settings, statistics, products
// and the chart picture) followed by the sample table, 54 rows a page, alarm samples in red.
// Every page says "Page N of M" at the right end of a line in its top margin.

#include "reports/pdf_font.h"
#include "reports/report_inputs.h"
#include "services/message_service.h"
#include "services/translation.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace velka {

// Writes the report to reportPath and tells the user: "PDF save success" / "Info",
// "PDF save FAILED" / "Error", or "Please Insert Device" / "Warning" for an empty record.
// A failed export leaves no file at reportPath (an earlier one stays as it was).
inline constexpr UiText kPdfSaveFailedText = VELKA_TEXT("Report", "PDF save FAILED");

ExportResult ExportPdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                             MessageService& messages);

// The inner step without the messages; the record must hold samples. The text is drawn in the
// installed report fonts (FindPdfFonts), or in `fonts`.
ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath);
ExportResult WritePdfReport(const ReportInputs& inputs, const std::filesystem::path& reportPath,
                            const PdfFontFiles& fonts);

}  // namespace velka
