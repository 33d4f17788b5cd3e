#include "storage/data_root.h"

#include "services/translation.h"
#include "storage/file_io.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace velka {

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir)
        return entry->pw_dir;
    return std::filesystem::current_path();
}

DataRoot DataRoot::Default(const std::filesystem::path& home) {
    return DataRoot(home / "Calderwyn");
}

DataRoot DataRoot::Default() {
    return Default(HomeFolder());
}

std::filesystem::path DefaultSettingsFile(const std::string& xdgConfigHome,
                                          const std::filesystem::path& home) {
    // A relative XDG_CONFIG_HOME is ignored, as if it were unset.
    const std::filesystem::path base = !xdgConfigHome.empty() && xdgConfigHome.front() == '/'
                                           ? std::filesystem::path(xdgConfigHome)
                                           : home / ".config";
    return base / "velka" / "config.ini";
}

std::filesystem::path ModuleDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return executable.parent_path();
}

std::filesystem::path ProgramFileIn(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& relative) {
    std::filesystem::path beside = programFolder / relative;
    std::filesystem::path installed =
        (programFolder.parent_path() / "share" / "velka" / relative).lexically_normal();
    std::error_code error;
    if (!std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error))
        return installed;
    return beside;
}

std::filesystem::path ProgramFile(const std::filesystem::path& relative) {
    return ProgramFileIn(ModuleDirectory(), relative);
}

bool EnsureDirectory(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return true;
    std::filesystem::create_directories(path, error);
    return !error && std::filesystem::is_directory(path, error);
}

bool EnsurePrivateDirectory(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return true;
    if (path.has_parent_path() && !EnsureDirectory(path.parent_path()))
        return false;
    if (::mkdir(path.c_str(), 0700) == 0)
        return ::chmod(path.c_str(), 0700) == 0;
    // Another copy starting at the same moment may have made it.
    return errno == EEXIST && std::filesystem::is_directory(path, error);
}

std::optional<std::string> DataRootProblem(const DataRoot& root) {
    const auto problem = [&root](const std::filesystem::path& path, int error) {
        const std::error_code reason(error, std::generic_category());
        return WithArguments(Tr("Files", "The data folder %1 cannot be used: %2"),
                             {MessagePath(root.Root()), path == root.Root()
                                                            ? reason.message()
                                                            : DescribeFileError(path, reason)});
    };
    for (const std::filesystem::path& folder : {root.Root(), root.DataDirectory()}) {
        struct stat status {};
        if (::stat(folder.c_str(), &status) != 0) {
            // Missing is fine: it is made when the first recording is archived. A file on the
            // way ("Not a directory") or a folder we may not look into is not.
            if (errno == ENOENT)
                return std::nullopt;
            return problem(folder, errno);
        }
        if (!S_ISDIR(status.st_mode))
            return problem(folder, ENOTDIR);
        if (DIR* listing = ::opendir(folder.c_str()))
            ::closedir(listing);
        else
            return problem(folder, errno);
        if (::access(folder.c_str(), W_OK | X_OK) != 0)
            return problem(folder, errno);
    }
    return std::nullopt;
}

}  // namespace velka
