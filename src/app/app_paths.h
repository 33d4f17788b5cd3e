#pragma once
// Where the program keeps its own files, from the environment it was started in. The
// environment is handed in, so tests never touch the user's home or runtime folder.

#include "storage/data_root.h"

#include <filesystem>
#include <string>

namespace velka {

struct AppEnvironment {
    std::string home;           // $HOME (empty: unknown)
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME
    std::string xdgCacheHome;   // $XDG_CACHE_HOME
    std::string xdgRuntimeDir;  // $XDG_RUNTIME_DIR

    // The running process's environment; the home from the password database when HOME is
    // not set.
    static AppEnvironment OfProcess();
};

// $XDG_CONFIG_HOME/velka/config.ini, else ~/.config/velka/config.ini. (Beside the program, where
// the file used to live, is not writable once the program is installed.)
std::filesystem::path DefaultConfigFile(const AppEnvironment& environment);

// velka.lock in $XDG_RUNTIME_DIR (a private folder that the session empties at logout), else in
// $XDG_CACHE_HOME/velka (~/.cache/velka), a folder of the user's own: in a shared temporary
// folder another user could create the file first and hold the lock.
std::filesystem::path InstanceLockFile(const AppEnvironment& environment);

// The demo's own data root, $HOME/Calderwyn-demo: the demo never writes into the real archive.
DataRoot DefaultDemoDataRoot(const AppEnvironment& environment);

// The user guide's first page in its folder (ProgramFile("Help")).
std::filesystem::path HelpIndexFile(const std::filesystem::path& helpFolder);

}  // namespace velka
