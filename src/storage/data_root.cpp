#include "storage/data_root.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace velka {

DataRoot DataRoot::Default() {
    const char* home = std::getenv("HOME");
    std::filesystem::path base;
    if (home != nullptr && *home != '\0') {
        base = home;
    } else if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir) {
        base = entry->pw_dir;
    } else {
        base = std::filesystem::current_path();
    }
    return DataRoot(base / "Calderwyn");
}

std::filesystem::path ModuleDirectory() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path(error);
    return executable.parent_path();
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

}  // namespace velka
