#include "storage/data_root.h"

#include <cstdlib>
#include <pwd.h>
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

DataRoot DataRoot::Default() {
    return DataRoot(HomeFolder() / "Calderwyn");
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

bool EnsureDirectory(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return true;
    std::filesystem::create_directories(path, error);
    return !error && std::filesystem::is_directory(path, error);
}

}  // namespace velka
