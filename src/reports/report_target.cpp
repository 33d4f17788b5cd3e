#include "reports/report_target.h"

#include "archive/archive_file_name.h"
#include "services/translation.h"
#include "storage/file_io.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace velka {
namespace {

namespace fs = std::filesystem;

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

bool IsStoredImageName(const fs::path& path) {
    return HasImageSuffix(path.filename().string());
}

// Whether `file` lies in `folder` or below it.
bool Inside(const fs::path& file, const fs::path& folder) {
    std::error_code error;
    const fs::path resolvedFolder = fs::canonical(folder, error);
    if (error)
        return false;
    for (fs::path parent = file.parent_path(); !parent.empty(); parent = parent.parent_path()) {
        if (parent == resolvedFolder)
            return true;
        if (parent == parent.root_path())
            break;
    }
    return false;
}

}  // namespace

std::optional<std::string> RefuseReportTarget(const fs::path& path, const KeptFiles& kept) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;  // a new file, or one written through
    const fs::path file = fs::canonical(path, error);
    if (error)
        return std::nullopt;
    const auto refuse = [&](const std::string& what) {
        return WithArguments(Tr("Report", "%1 is %2, which a report never replaces"),
                             {MessagePath(path), what});
    };
    if (IsStoredImageName(path) || IsStoredImageName(file))
        return refuse(Tr("Report", "a stored logger image"));
    if (Inside(file, kept.dataRoot.DataDirectory()))
        return refuse(WithArguments(Tr("Report", "in the archive folder %1"),
                                    {MessagePath(kept.dataRoot.DataDirectory())}));
    if (SameFile(file, kept.settingsFile))
        return refuse(Tr("Report", "the settings file"));
    const std::array<fs::path, 4> tables = {
        kept.referenceFolder / "high.txt", kept.referenceFolder / "middle.txt",
        kept.referenceFolder / "low.txt", kept.dataRoot.CurrentTablePath()};
    if (std::any_of(tables.begin(), tables.end(),
                    [&](const fs::path& table) { return SameFile(file, table); }))
        return refuse(Tr("Report", "a reference table"));
    return std::nullopt;
}

bool ReplacesExistingFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string ReplaceQuestion(const fs::path& path) {
    return WithArguments(Tr("Report", "%1 already exists. Replace it?"), {MessagePath(path)});
}

}  // namespace velka
