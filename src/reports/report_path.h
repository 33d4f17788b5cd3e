#pragma once
// The default paths of the two reports: the recording's archive name in the archive folder, or
// the time stamp of the moment when no logger has been read.

#include "services/clock.h"
#include "storage/data_root.h"

#include <filesystem>
#include <string>

namespace velka {

enum class ReportKind { Pdf, Excel };

// ".pdf" or ".xlsx" (the workbook is an Office Open XML file; under ".xls" spreadsheet
// programs warn that its content does not match its name).
const char* ReportExtension(ReportKind kind);

// What the save popup offers: the default extension ("pdf", "xlsx") and the file filter
// ("PDF(*.pdf)|*.pdf||", "Workbooks files(*.xlsx)|*.xlsx||").
const char* ReportDefaultExtension(ReportKind kind);
const char* ReportFileFilter(ReportKind kind);

// DATA-ROOT/Data/<recordingName>.pdf (or .xlsx), the recording's archive name without ".bin"
// (00A4C215_2026-12-04_07-41-33.pdf: each trip its own report); with an empty name the local
// time as year_month_day_hour_minute_second without leading zeros, for example
// 2018_7_5_9_3_0.pdf. Creates the data root and its archive folder when they are missing.
std::filesystem::path BuildDefaultReportPath(ReportKind kind, const std::string& recordingName,
                                             const DataRoot& dataRoot, const Clock& clock);

}  // namespace velka
