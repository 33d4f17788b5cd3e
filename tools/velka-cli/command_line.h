#pragma once
// Arguments of one velka-cli run: the global options every command takes, the command's own
// options and its positional arguments.

#include "record/temperature_unit.h"
#include "storage/data_root.h"
#include "storage/reference_files.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velka::cli {

// Exit codes of every command.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A command's wrong use; main prints it with the command's usage and exits 2.
struct UsageError {
    std::string message;
};

// A failure of the work itself; main prints the one line and exits 1.
struct CommandFailure {
    std::string message;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;                 // --name VALUE
    std::set<std::string> flags;                               // --name
    std::map<std::string, std::vector<std::string>> repeated;  // --name VALUE, in order

    std::optional<std::string> Value(const std::string& name) const;
    // Every value of an option that may repeat, in the order given.
    std::vector<std::string> Values(const std::string& name) const;
    bool Flag(const std::string& name) const { return flags.contains(name); }
    std::string RequiredValue(const std::string& name) const;
    // Integer options, checked against their range.
    std::optional<long long> Integer(const std::string& name, long long minimum,
                                     long long maximum) const;
    // --unit C|F, or `fallback` when it is not given.
    TemperatureUnit Unit(TemperatureUnit fallback) const;
};

// The options a command accepts besides the global ones.
struct OptionSpec {
    std::set<std::string> withValue;
    std::set<std::string> flags;
    std::set<std::string> repeatable = {};  // with a value, given any number of times
};

// Splits the arguments after the command name; the global options --data-root, --reftable,
// --config and --now may appear anywhere. Throws UsageError.
Arguments ParseArguments(const std::vector<std::string>& arguments, const OptionSpec& spec);

// The global options given before the command name ("velka-cli --data-root D scan"): moves
// them behind it, where ParseArguments takes them with the command's own. Throws UsageError
// for anything else before the command.
std::vector<std::string> CommandFirst(const std::vector<std::string>& arguments);

// What every command works with.
struct Context {
    DataRoot dataRoot;
    std::filesystem::path referenceFolder;
    std::int64_t now;
    std::ostream& out;
    std::ostream& err;
    // The window's config.ini (--config, else where the window keeps it): the analysis choice is
    // read from it, and no report may replace it.
    std::filesystem::path settingsFile;
    // Loaded and checked at start for the commands that convert temperatures.
    LoadedReferenceTables tables;
};

// Throws UsageError for wrong global options, and CommandFailure with one line when
// `loadTables` and the reference tables cannot be used: nothing is decoded or written then.
Context MakeContext(const Arguments& arguments, std::ostream& out, std::ostream& err,
                    bool loadTables);

}  // namespace velka::cli
