#include "reports/report_path.h"

#include "record/local_time.h"
#include "record/string_format.h"

namespace velka {

const char* ReportExtension(ReportKind kind) {
    return kind == ReportKind::Pdf ? ".pdf" : ".xlsx";
}

const char* ReportDefaultExtension(ReportKind kind) {
    return ReportExtension(kind) + 1;
}

const char* ReportFileFilter(ReportKind kind) {
    return kind == ReportKind::Pdf ? "PDF(*.pdf)|*.pdf||" : "Workbooks files(*.xlsx)|*.xlsx||";
}

std::filesystem::path BuildDefaultReportPath(ReportKind kind, const std::string& recordingName,
                                             const DataRoot& dataRoot, const Clock& clock) {
    // A folder that cannot be made shows up when the report is written.
    EnsureDirectory(dataRoot.Root());
    std::string name;
    if (!recordingName.empty()) {
        name = recordingName + ReportExtension(kind);
    } else {
        const std::tm now = LocalTime(clock.Now());
        name = StringPrintf("%d_%d_%d_%d_%d_%d%s", now.tm_year + 1900, now.tm_mon + 1, now.tm_mday,
                            now.tm_hour, now.tm_min, now.tm_sec, ReportExtension(kind));
    }
    EnsureDirectory(dataRoot.DataDirectory());
    return dataRoot.DataDirectory() / name;
}

}  // namespace velka
