#include "reports/report_file.h"

#include "storage/file_io.h"
#include "storage/staged_file.h"

namespace velka {

ExportResult WriteReportFile(const std::filesystem::path& reportPath,
                             const std::function<void(const std::filesystem::path&)>& write) {
    StagedFile staged(reportPath);
    if (const std::error_code error = staged.Error())
        return {ExportStatus::Failed, "cannot write " + DescribeFileError(reportPath, error)};
    try {
        write(staged.TemporaryPath());
    } catch (const std::exception& failure) {
        return {ExportStatus::Failed, failure.what()};
    }
    if (const std::error_code error = staged.Commit())
        return {ExportStatus::Failed, "cannot write " + DescribeFileError(reportPath, error)};
    return {ExportStatus::Saved, {}};
}

}  // namespace velka
