#include "app/app_paths.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace velka {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// A relative path in one of these variables is ignored, as if it were unset.
bool UsableFolder(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

}  // namespace

AppEnvironment AppEnvironment::OfProcess() {
    AppEnvironment environment;
    environment.home = Variable("HOME");
    if (environment.home.empty()) {
        if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
            environment.home = entry->pw_dir;
    }
    environment.xdgConfigHome = Variable("XDG_CONFIG_HOME");
    environment.xdgCacheHome = Variable("XDG_CACHE_HOME");
    environment.xdgRuntimeDir = Variable("XDG_RUNTIME_DIR");
    return environment;
}

std::filesystem::path DefaultConfigFile(const AppEnvironment& environment) {
    return DefaultSettingsFile(environment.xdgConfigHome, environment.home);
}

std::filesystem::path InstanceLockFile(const AppEnvironment& environment) {
    if (UsableFolder(environment.xdgRuntimeDir))
        return std::filesystem::path(environment.xdgRuntimeDir) / "velka.lock";
    const std::filesystem::path cache = UsableFolder(environment.xdgCacheHome)
                                            ? std::filesystem::path(environment.xdgCacheHome)
                                            : std::filesystem::path(environment.home) / ".cache";
    return cache / "velka" / "velka.lock";
}

DataRoot DefaultDemoDataRoot(const AppEnvironment& environment) {
    std::filesystem::path root = DataRoot::Default(environment.home).Root();
    return DataRoot(root += "-demo");
}

std::filesystem::path HelpIndexFile(const std::filesystem::path& helpFolder) {
    return helpFolder / "index.html";
}

}  // namespace velka
