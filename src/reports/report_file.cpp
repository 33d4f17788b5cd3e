#include "reports/report_file.h"

#include "services/translation.h"
#include "storage/file_io.h"
#include "storage/staged_file.h"

namespace velka {

std::string CannotWriteText(const std::filesystem::path& path, std::error_code error) {
    return WithArguments(Tr("Report", "cannot write %1"), {DescribeFileError(path, error)});
}

ExportResult WriteReportFile(const std::filesystem::path& reportPath,
                             const std::function<void(const std::filesystem::path&)>& write) {
    StagedFile staged(reportPath);
    if (const std::error_code error = staged.Error())
        return {ExportStatus::Failed, CannotWriteText(reportPath, error)};
    try {
        write(staged.TemporaryPath());
    } catch (const std::exception& failure) {
        return {ExportStatus::Failed, failure.what()};
    }
    if (const std::error_code error = staged.Commit())
        return {ExportStatus::Failed, CannotWriteText(reportPath, error)};
    return {ExportStatus::Saved, {}};
}

}  // namespace velka
