#include "export_targets.h"

#include "command_line.h"
#include "storage/file_io.h"
#include "storage/staged_file.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace velka::cli {
namespace {

namespace fs = std::filesystem;

// Whether two paths name one file: the same file where both exist (hard links, links and
// "./" forms included), the same resolved path where they do not exist yet.
bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    const bool aExists = fs::exists(a, error);
    const bool bExists = fs::exists(b, error);
    if (aExists && bExists)
        return fs::equivalent(a, b, error);
    if (aExists != bExists)
        return false;
    return fs::weakly_canonical(fs::absolute(a, error), error) ==
           fs::weakly_canonical(fs::absolute(b, error), error);
}

std::string Named(const ExportTarget& target) {
    return target.option + " " + MessagePath(target.path);
}

// A regular file is replaced by a new file in its folder, so the folder must take new files;
// anything else that is already there (a pipe, /dev/stdout) is written in place.
void CheckWritable(const ExportTarget& target) {
    std::error_code error;
    const fs::file_status status = fs::status(target.path, error);
    if (fs::is_directory(status))
        throw CommandFailure{"velka-cli export: cannot write " + Named(target) +
                             ": it is a folder"};
    const bool writtenInPlace = fs::exists(status) && !fs::is_regular_file(status);
    const fs::path checked =
        writtenInPlace ? target.path
                       : (target.path.has_parent_path() ? target.path.parent_path() : ".");
    if (::access(checked.c_str(), writtenInPlace ? W_OK : W_OK | X_OK) != 0)
        throw CommandFailure{"velka-cli export: cannot write " + Named(target) + ": " +
                             std::strerror(errno)};
    if (!writtenInPlace && !fs::is_directory(checked, error))
        throw CommandFailure{"velka-cli export: cannot write " + Named(target) + ": " +
                             MessagePath(checked) + " is not a folder"};
}

}  // namespace

void CheckExportTargets(const fs::path& input, const std::vector<ExportTarget>& targets,
                        const KeptFiles& kept, bool force) {
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const ExportTarget& target = targets[i];
        if (SameFile(target.path, input))
            throw CommandFailure{"velka-cli export: " + Named(target) +
                                 " would replace the input image"};
        for (std::size_t k = 0; k < i; ++k) {
            if (SameFile(target.path, targets[k].path))
                throw CommandFailure{"velka-cli export: " + Named(target) + " and " +
                                     Named(targets[k]) + " are the same file"};
        }
        if (const std::optional<std::string> refusal = ForeignLinkOnTheWay(target.path))
            throw CommandFailure{"velka-cli export: " + target.option + " " + *refusal};
        if (const std::optional<std::string> refusal = RefuseReportTarget(target.path, kept))
            throw CommandFailure{"velka-cli export: " + target.option + " " + *refusal};
        if (!force && ReplacesExistingFile(target.path))
            throw CommandFailure{"velka-cli export: " + Named(target) +
                                 " already exists; --force replaces it"};
        CheckWritable(target);
    }
}

}  // namespace velka::cli
