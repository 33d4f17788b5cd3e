#include "command_line.h"

#include "storage/reference_files.h"

#include <charconv>
#include <cstdlib>
#include <ctime>

namespace velka::cli {
namespace {

const std::set<std::string> kGlobalOptions = {"--data-root", "--reftable", "--config", "--now",
                                              "--lang"};

// An empty folder would quietly mean the working folder.
std::optional<std::filesystem::path> FolderOption(const Arguments& arguments,
                                                  const std::string& name) {
    const auto value = arguments.Value(name);
    if (value && value->empty())
        throw UsageError{name + " needs a folder"};
    return value;
}

std::string EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::optional<long long> ParseInteger(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string> Arguments::Value(const std::string& name) const {
    const auto it = values.find(name);
    if (it == values.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> Arguments::Values(const std::string& name) const {
    const auto it = repeated.find(name);
    return it == repeated.end() ? std::vector<std::string>{} : it->second;
}

std::string Arguments::RequiredValue(const std::string& name) const {
    auto value = Value(name);
    if (!value)
        throw UsageError{name + " is required"};
    return *value;
}

std::optional<long long> Arguments::Integer(const std::string& name, long long minimum,
                                            long long maximum) const {
    const auto text = Value(name);
    if (!text)
        return std::nullopt;
    const auto value = ParseInteger(*text);
    if (!value || *value < minimum || *value > maximum) {
        throw UsageError{name + " takes a whole number from " + std::to_string(minimum) + " to " +
                         std::to_string(maximum)};
    }
    return value;
}

TemperatureUnit Arguments::Unit(TemperatureUnit fallback) const {
    const auto text = Value("--unit");
    if (!text)
        return fallback;
    const std::optional<TemperatureUnit> unit = ParseUnitCode(*text);
    if (!unit)
        throw UsageError{"--unit takes C or F"};
    return *unit;
}

Arguments ParseArguments(const std::vector<std::string>& arguments, const OptionSpec& spec) {
    Arguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument.rfind("--", 0) != 0) {
            parsed.positional.push_back(argument);
            continue;
        }
        if (spec.repeatable.contains(argument)) {
            if (i + 1 >= arguments.size())
                throw UsageError{argument + " needs a value"};
            parsed.repeated[argument].push_back(arguments[++i]);
        } else if (kGlobalOptions.contains(argument) || spec.withValue.contains(argument)) {
            if (i + 1 >= arguments.size())
                throw UsageError{argument + " needs a value"};
            parsed.values[argument] = arguments[++i];
        } else if (spec.flags.contains(argument)) {
            parsed.flags.insert(argument);
        } else {
            throw UsageError{"unknown option " + argument};
        }
    }
    return parsed;
}

std::vector<std::string> CommandFirst(const std::vector<std::string>& arguments) {
    std::vector<std::string> globals;
    std::size_t i = 0;
    while (i < arguments.size() && kGlobalOptions.contains(arguments[i])) {
        if (i + 1 >= arguments.size())
            throw UsageError{arguments[i] + " needs a value"};
        globals.insert(globals.end(), {arguments[i], arguments[i + 1]});
        i += 2;
    }
    if (i < arguments.size() && arguments[i].rfind("--", 0) == 0 && arguments[i] != "--help" &&
        arguments[i] != "--version")
        throw UsageError{"unknown option " + arguments[i] + " before the command"};
    std::vector<std::string> ordered(arguments.begin() + static_cast<std::ptrdiff_t>(i),
                                     arguments.end());
    if (ordered.empty() && !globals.empty())
        throw UsageError{"no command"};
    ordered.insert(ordered.end(), globals.begin(), globals.end());
    return ordered;
}

Context MakeContext(const Arguments& arguments, std::ostream& out, std::ostream& err,
                    bool loadTables) {
    const auto root = FolderOption(arguments, "--data-root");
    const auto reftable = FolderOption(arguments, "--reftable");
    const auto now = arguments.Integer("--now", 0, 0xFFFFFFFFLL * 4);
    const auto settingsFile = arguments.Value("--config");
    if (settingsFile && settingsFile->empty())
        throw UsageError{"--config needs a file"};
    Context context{
        root ? DataRoot(*root) : DataRoot::Default(),
        reftable ? *reftable : DefaultReferenceFolder(),
        now ? *now : static_cast<std::int64_t>(std::time(nullptr)),
        out,
        err,
        settingsFile ? std::filesystem::path(*settingsFile)
                     : DefaultSettingsFile(EnvironmentVariable("XDG_CONFIG_HOME"), HomeFolder()),
        {},
    };
    if (loadTables) {
        context.tables = LoadReferenceTables(context.referenceFolder);
        if (!context.tables.Usable())
            throw CommandFailure{context.tables.ProblemText()};
    }
    return context;
}

}  // namespace velka::cli
