// Changing config.ini in place on disk; apart from the parser (profile_file.cpp), which the
// fuzzer builds on its own.

#include "storage/data_root.h"
#include "storage/file_io.h"
#include "storage/profile_file.h"

namespace velka {

std::error_code UpdateProfileFile(const std::filesystem::path& path,
                                  const std::function<void(ProfileFile&)>& change) {
    std::error_code error;
    std::filesystem::path target = path;
    if (std::filesystem::symlink_status(path, error).type() ==
        std::filesystem::file_type::symlink) {
        target = std::filesystem::weakly_canonical(path, error);
        if (error)
            return error;
    }
    if (!EnsureDirectory(target.parent_path()))
        return std::make_error_code(std::errc::not_a_directory);
    const std::optional<std::string> text = ReadWholeFile(target);
    if (!text && std::filesystem::exists(target, error))
        return std::make_error_code(std::errc::permission_denied);
    ProfileFile file = ProfileFile::Parse(text.value_or(std::string()));
    change(file);
    return WriteFileAtomically(target, file.Text());
}

}  // namespace velka
