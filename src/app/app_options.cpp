#include "app/app_options.h"

#include <charconv>

namespace velka {
namespace {

// The same range as velka-cli's --now: any time a logger's 32-bit fields can hold, and beyond.
constexpr std::int64_t kLatestNow = 0xFFFFFFFFLL * 4;

}  // namespace

std::variant<AppOptions, OptionsError> ParseAppOptions(const std::vector<std::string>& arguments) {
    AppOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--version") {
            options.version = true;
            continue;
        }
        if (argument == "--demo") {
            options.demo = true;
            continue;
        }
        const bool takesValue = argument == "--data-root" || argument == "--config" ||
                                argument == "--reftable" || argument == "--now";
        if (!takesValue)
            return OptionsError{"unknown argument " + argument};
        if (i + 1 >= arguments.size() || arguments[i + 1].empty())
            return OptionsError{argument + " needs a value"};
        const std::string& value = arguments[++i];
        if (argument == "--data-root") {
            options.dataRoot = value;
        } else if (argument == "--config") {
            options.configFile = value;
        } else if (argument == "--reftable") {
            options.referenceFolder = value;
        } else {
            std::int64_t seconds = 0;
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), seconds);
            if (error != std::errc() || end != value.data() + value.size() || seconds < 0 ||
                seconds > kLatestNow)
                return OptionsError{"--now takes a whole number of seconds from 0 to " +
                                    std::to_string(kLatestNow)};
            options.now = seconds;
        }
    }
    return options;
}

std::string AppUsage() {
    return "usage: velka [--demo] [--data-root DIR] [--config FILE] [--reftable DIR] [--now UNIX]\n"
           "       velka --help | --version\n"
           "\n"
           "  --demo           run against an emulated logger kept in DATA-ROOT/demo/logger.bin\n"
           "                   (DATA-ROOT defaults to $HOME/Calderwyn-demo in demo mode)\n"
           "  --data-root DIR  the archive folder DIR/Data and DIR/reftable/current.txt\n"
           "                   (default $HOME/Calderwyn)\n"
           "  --config FILE    the settings file (default $XDG_CONFIG_HOME/velka/config.ini)\n"
           "  --reftable DIR   the delivered reference tables (default reftable/ beside the "
           "program,\n"
           "                   or ../share/velka/reftable once installed)\n"
           "  --now UNIX       the clock, in seconds since 1970-01-01 UTC\n";
}

}  // namespace velka
