// velka-cli: the logger record, archive and reports from the command line, through the same
// libraries as the window. Output is machine-readable; exit codes are fixed (0 success,
// 1 failure with one line on stderr, 2 wrong use).

#include "commands.h"
#include "device/emulator_scenario.h"
#include "logger_session.h"

#include <iostream>
#include <string>
#include <vector>

namespace velka::cli {
namespace {

constexpr const char* kGlobalUsage =
    "global options: --data-root DIR (default $HOME/Calderwyn), --reftable DIR (default reftable/ "
    "beside the program), --now UNIX (the clock)";

const Command kCommands[] = {
    {"decode", "IMAGE", "decode a logger image and print it as JSON", {}, RunDecode},
    {"apply-settings",
     "IMAGE SETTINGS.json --out OUT",
     "apply settings and products to an image as the parameter page's Write does",
     {{"--out"}, {}},
     RunApplySettings},
    {"synth",
     "--out IMAGE [--serial HEX] [--interval S] [--count N] [--start UNIX] [--seed N]",
     "write a realistic synthetic recording",
     {{"--out", "--serial", "--interval", "--count", "--start", "--seed"}, {}},
     RunSynth},
    {"read", "[--emulate IMAGE [--scenario NAME] [--dump OUT]] [--trace]",
     "read the logger, archive its image and print the decode with \"archivePath\"",
     LoggerOptions(), RunRead},
    {"erase", "[--emulate IMAGE [--scenario NAME] [--dump OUT]] [--trace]",
     "read and archive the logger, then empty its record", LoggerOptions(), RunErase},
    {"write-settings", "SETTINGS.json [--emulate IMAGE [--scenario NAME] [--dump OUT]] [--trace]",
     "read and archive the logger, then write settings and products to it as the Write does",
     LoggerOptions(), RunWriteSettings},
    {"watch",
     "[--read] [--count N] [--trace]",
     "print one JSON line per logger arrival or removal; with --read, read and archive every "
     "logger that arrives (\"archivePath\" or \"error\" in its line); ends after N events or on "
     "SIGINT or SIGTERM",
     {{"--count"}, {"--read", "--trace"}},
     RunWatch},
    {"export",
     "IMAGE [--pdf OUT] [--xlsx OUT] [--csv OUT] [--chart OUT.bmp]",
     "decode a logger image and write its PDF report, workbook, samples as CSV or chart bitmap",
     {{"--pdf", "--xlsx", "--csv", "--chart"}, {}},
     RunExport},
    {"scan",
     "",
     "scan the archive folder DATA-ROOT/Data and print its entries as JSON, in listing order",
     {},
     RunScan},
};

void PrintUsage(std::ostream& stream) {
    stream << "usage: velka-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const Command& command : Commands())
        stream << "  " << command.name << (*command.usage ? " " : "") << command.usage << "\n      "
               << command.summary << '\n';
    stream << '\n' << kGlobalUsage << '\n';
    stream
        << "logger options: --emulate IMAGE talks to an emulated logger holding IMAGE instead of "
           "the first one plugged in; --scenario NAME makes it misbehave ("
        << kEmulatorScenarioNames
        << "); --dump OUT writes its memory afterwards; --trace prints every report to stderr\n";
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    if (arguments[0] == "--help" || arguments[0] == "help" || arguments[0] == "-h") {
        PrintUsage(std::cout);
        return kExitSuccess;
    }
    for (const Command& command : Commands()) {
        if (arguments[0] != command.name)
            continue;
        try {
            const Arguments parsed =
                ParseArguments({arguments.begin() + 1, arguments.end()}, command.options);
            Context context = MakeContext(parsed, std::cout, std::cerr);
            return command.run(parsed, context);
        } catch (const UsageError& error) {
            std::cerr << "velka-cli " << command.name << ": " << error.message
                      << "\nusage: velka-cli " << command.name << (*command.usage ? " " : "")
                      << command.usage << '\n';
            return kExitUsage;
        } catch (const CommandFailure& failure) {
            std::cerr << failure.message << '\n';
            return kExitFailure;
        } catch (const std::exception& exception) {
            std::cerr << "velka-cli " << command.name << ": " << exception.what() << '\n';
            return kExitFailure;
        }
    }
    std::cerr << "velka-cli: unknown command \"" << arguments[0] << "\"\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

}  // namespace velka::cli

int main(int argc, char** argv) {
    return velka::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
