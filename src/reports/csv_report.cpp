#include "reports/csv_report.h"

#include "record/decimal_text.h"
#include "record/record_table_columns.h"
#include "record/string_format.h"
#include "reports/report_fields.h"
#include "reports/report_file.h"
#include "storage/file_io.h"

namespace velka {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string SamplesCsv(const Recording& recording, TemperatureUnit unit) {
    std::string csv;
    for (const RecordTableColumn& column : kRecordTableColumns)
        csv += CsvField(RecordTableColumnTitle(column, unit)) + ",";
    csv += "Alarm\r\n";
    const SampleList& samples = recording.record.samples;
    csv.reserve(csv.size() + samples.size() * 36);
    for (std::size_t j = 0; j < samples.size(); ++j) {
        csv += StringPrintf("%zu,", j + 1);
        csv += CsvField(ReportDateTime(SampleTime(recording, j)));
        csv += ',';
        csv += FixedDecimal(InUnit(samples[j].temperature, unit), 1);
        csv += StringPrintf(",%d\r\n", static_cast<int>(samples[j].alarm));
    }
    return csv;
}

ExportResult WriteSamplesCsv(const Recording& recording, TemperatureUnit unit,
                             const std::filesystem::path& path) {
    if (const std::error_code error = WriteFileAtomically(path, SamplesCsv(recording, unit)))
        return {ExportStatus::Failed, CannotWriteText(path, error)};
    return {ExportStatus::Saved, {}};
}

}  // namespace velka
