#pragma once
// The workbook report: one worksheet "Temperature information" with the transport data, the
// device settings, the statistics, the products, the chart picture and the sample table.

#include "reports/report_inputs.h"
#include "services/message_service.h"
#include "services/translation.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velka {

// The record table's column titles in `unit`, for callers without the record table page.
std::vector<std::string> DefaultTableColumnTitles(TemperatureUnit unit);

// Writes the workbook to reportPath and tells the user: "Excel Export Success" / "Info",
// "Excel Export FAILED" / "Error", or "Please Insert Device" / "Warning" for an empty record.
// tableColumnTitles head the sample table (the record table list's columns). The workbook is an
// Office Open XML file (".xlsx"); the chart picture goes into it from memory. A failed export
// leaves no file at reportPath (an earlier one stays as it was).
inline constexpr UiText kExcelExportFailedText = VELKA_TEXT("Report", "Excel Export FAILED");

ExportResult ExportExcelReport(const ReportInputs& inputs,
                               const std::vector<std::string>& tableColumnTitles,
                               const std::filesystem::path& reportPath, MessageService& messages);

// The inner step without the messages; the record must hold samples.
ExportResult WriteExcelWorkbook(const ReportInputs& inputs,
                                const std::vector<std::string>& tableColumnTitles,
                                const std::filesystem::path& reportPath);

}  // namespace velka
