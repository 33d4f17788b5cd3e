#pragma once
// Where the program keeps its files: a data root folder ($HOME/Calderwyn unless given) holding
// the archive folder "Data" and the calibrated table "reftable/current.txt"; and the folder of
// the running executable, which holds the delivered reference tables.

#include <filesystem>
#include <optional>
#include <string>

namespace velka {

class DataRoot {
public:
    explicit DataRoot(std::filesystem::path root) : root_(std::move(root)) {}

    // HOME/Calderwyn: the one place that names the default data root.
    static DataRoot Default(const std::filesystem::path& home);
    // The same in $HOME, or in the password database's home when HOME is not set.
    static DataRoot Default();

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path DataDirectory() const { return root_ / "Data"; }
    std::filesystem::path CurrentTablePath() const { return root_ / "reftable" / "current.txt"; }

private:
    std::filesystem::path root_;
};

// Why recordings cannot be kept under the root, or nothing when they can: the root and its
// archive folder must be folders the program can list and write in, or not exist yet below a
// folder (they are made at the first archiving). E.g. "The data folder /x/Calderwyn cannot be
// used: Not a directory".
std::optional<std::string> DataRootProblem(const DataRoot& root);

// $HOME, or the password database's home when HOME is not set.
std::filesystem::path HomeFolder();

// The window's settings file: $XDG_CONFIG_HOME/velka/config.ini, else
// HOME/.config/velka/config.ini. Its keys are in this one section.
inline constexpr const char* kSettingsSection = "Velka";
std::filesystem::path DefaultSettingsFile(const std::string& xdgConfigHome,
                                          const std::filesystem::path& home);

// The folder of the running executable.
std::filesystem::path ModuleDirectory();

// Where a file or folder the program ships (the reference tables, the user guide, the
// catalogues, fonts) is, for a program in `programFolder`: beside it (the build tree), else in
// ../share/velka/ next to it (an installed program), the first that exists. When neither does, the
// one beside the program, which a message then names. `--reftable` overrides this for the tables.
std::filesystem::path ProgramFileIn(const std::filesystem::path& programFolder,
                                    const std::filesystem::path& relative);
// The same for the running executable.
std::filesystem::path ProgramFile(const std::filesystem::path& relative);

// Accept an existing directory or create one; creates missing parents too. False when the path
// exists as something else or cannot be created.
bool EnsureDirectory(const std::filesystem::path& path);
// The same for a folder of the user's own: created with mode 0700 whatever the umask (missing
// parents as EnsureDirectory makes them); an existing folder is taken as it is.
bool EnsurePrivateDirectory(const std::filesystem::path& path);

}  // namespace velka
