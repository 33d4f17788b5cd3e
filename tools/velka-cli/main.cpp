// velka-cli: the logger record, archive and reports from the command line, through the same
// libraries as the window. Output is machine-readable; exit codes are fixed (0 success,
// 1 failure with one line on stderr, 2 wrong use).

#include "command_language.h"
#include "commands.h"
#include "console_messages.h"
#include "device/emulator_scenario.h"
#include "logger_session.h"
#include "standard_output.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace velka::cli {
namespace {

constexpr const char* kGlobalUsage =
    "global options: --data-root DIR (default $HOME/Calderwyn), --reftable DIR (default reftable/ "
    "beside the program, or ../share/velka/reftable once installed), --config FILE (the window's "
    "settings, default "
    "$XDG_CONFIG_HOME/velka/config.ini: the alarm profile and MKT activation energy of export and "
    "watch, and the temperature unit of export), --now UNIX (the clock), --lang de|zh_CN (reports "
    "and messages in that language; English without it, whatever the locale)";

const Command kCommands[] = {
    {"decode",
     "IMAGE [--unit C|F]",
     "decode a logger image and print it as JSON, temperatures in the unit (default C)",
     {{"--unit"}, {}},
     RunDecode,
     true},
    {"apply-settings",
     "IMAGE SETTINGS.json --out OUT",
     "apply settings and products to an image as the parameter page's Write does",
     {{"--out"}, {}},
     RunApplySettings,
     true},
    {"synth",
     "--out IMAGE [--serial HEX] [--interval S] [--count N] [--start UNIX] [--seed N]",
     "write a realistic synthetic recording",
     {{"--out", "--serial", "--interval", "--count", "--start", "--seed"}, {}},
     RunSynth,
     true},
    {"read", "[--emulate IMAGE [--scenario NAME] [--dump OUT]] [--trace]",
     "read the logger, archive its image and print the decode with \"archivePath\"",
     LoggerOptions(), RunRead, true},
    {"erase", "[--emulate IMAGE [--scenario NAME] [--dump OUT]] [--trace]",
     "read and archive the logger, then empty its record", LoggerOptions(), RunErase, true},
    {"write-settings", "SETTINGS.json [--emulate IMAGE [--scenario NAME] [--dump OUT]] [--trace]",
     "read and archive the logger, then write settings and products to it as the Write does",
     LoggerOptions(), RunWriteSettings, true},
    {"watch",
     "[--read [--sync [--db CONNINFO] [--site NAME] | --sync-if-configured]] [--count N] "
     "[--trace]",
     "print one JSON line per logger arrival or removal; with --read, read and archive every "
     "logger that arrives (\"archivePath\" or \"error\" in its line, and \"alarm\" and "
     "\"firstAlarmTime\" by the configured profile); with --sync, upload what is archived to "
     "the central archive in the background, retrying while it cannot be reached (a line "
     "\"event\": \"central\" after each try); --sync-if-configured syncs only when --config's "
     "file names a central archive (as the intake service runs it); ends after N events or on "
     "SIGINT or SIGTERM",
     {{"--count", "--db", "--site"}, {"--read", "--sync", "--sync-if-configured", "--trace"}},
     RunWatch,
     true},
    {"export",
     "IMAGE [--pdf OUT] [--xlsx OUT] [--csv OUT] [--chart OUT.bmp] [--unit C|F] [--force]",
     "decode a logger image and write its PDF report, workbook, samples as CSV or chart bitmap "
     "(all or none; --force replaces outputs that exist); temperatures in the unit, by default "
     "the window's",
     {{"--pdf", "--xlsx", "--csv", "--chart", "--unit"}, {"--force"}},
     RunExport,
     true},
    {"analyse",
     "INPUT [--interval S] [--delta-h KJ] [--profile NAME] "
     "[--rule SIDE,THRESHOLD,strict|inclusive,single|cumulative,DELAY_S]... [--unit C|F]",
     "print the cold-chain analysis of a logger image (or, with --interval, of a file of "
     "temperatures, one a line) as JSON: mean kinetic temperature, the worst 24 hours, and the "
     "rules of the profile (logger, who-pqs-1, who-pqs-2, usp-crt) or those given; the file's "
     "temperatures, the rules' thresholds and the output in the unit (default C)",
     {{"--interval", "--delta-h", "--profile", "--unit"}, {}, {"--rule"}},
     RunAnalyse,
     false},
    {"sign",
     "REPORT.pdf --out SIGNED.pdf --cert NICKNAME --reason TEXT [--nssdb DIR] "
     "[--password-file FILE] [--force]",
     "sign a PDF report with a certificate from an NSS database (default ~/.pki/nssdb): a visible "
     "signature on its first page with the signer, the UTC time and the meaning (--reason)",
     {{"--out", "--cert", "--reason", "--nssdb", "--password-file"}, {"--force"}},
     RunSign,
     false},
    {"verify",
     "",
     "check DATA-ROOT/Data against its SHA256SUMS and the audit log's chain: a summary and exit 0, "
     "or one line a problem (a changed, missing or unlisted recording; an audit line changed, "
     "removed or moved) and exit 1",
     {},
     RunVerify,
     false},
    {"central",
     "init|sync|query|get SHA256|verify [--db CONNINFO] [--site NAME] [--serial S] [--from UNIX] "
     "[--to UNIX] [--text WORDS] [--limit N] [--out FILE] [--force]",
     "the central archive on PostgreSQL (--db, else config.ini's \"Central Archive\"): init "
     "creates its tables and roles; sync uploads the images and audit lines it lacks; query "
     "prints the recordings found as JSON, newest start first (default at most 1000); get "
     "writes one image to --out; verify checks every stored image against its SHA-256 and "
     "summary",
     {{"--db", "--site", "--serial", "--from", "--to", "--text", "--limit", "--out"}, {"--force"}},
     RunCentral,
     false},
    {"scan",
     "",
     "scan the archive folder DATA-ROOT/Data and print its entries as JSON, in listing order",
     {},
     RunScan,
     false},
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

// Output that did not reach standard output (a full disk, a closed stream) is a failure of the
// run, not a success with nothing to show.
int CheckStandardOutput(std::ostream& out, const DescriptorOutput& output, int exitCode) {
    out.flush();
    if (output.Error() == 0 || exitCode != kExitSuccess)
        return exitCode;
    std::cerr << "velka-cli: cannot write to standard output: " << std::strerror(output.Error())
              << '\n';
    return kExitFailure;
}

int RunCommand(const Command& command, const std::vector<std::string>& arguments,
               std::ostream& out) {
    try {
        const Arguments parsed = ParseArguments(arguments, command.options);
        const CommandLanguage language(parsed);
        Context context = MakeContext(parsed, out, std::cerr, command.usesReferenceTables);
        return command.run(parsed, context);
    } catch (const UsageError& error) {
        WriteMessageLine(std::cerr,
                         "velka-cli " + std::string(command.name) + ": " + error.message);
        std::cerr << "usage: velka-cli " << command.name << (*command.usage ? " " : "")
                  << command.usage << '\n';
        return kExitUsage;
    } catch (const CommandFailure& failure) {
        WriteMessageLine(std::cerr, failure.message);
        return kExitFailure;
    } catch (const std::exception& exception) {
        WriteMessageLine(std::cerr,
                         "velka-cli " + std::string(command.name) + ": " + exception.what());
        return kExitFailure;
    }
}

int Run(const std::vector<std::string>& given, std::ostream& out) {
    std::vector<std::string> arguments;
    try {
        arguments = CommandFirst(given);
    } catch (const UsageError& error) {
        WriteMessageLine(std::cerr, "velka-cli: " + error.message);
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    if (arguments.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    if (arguments[0] == "--help" || arguments[0] == "help" || arguments[0] == "-h") {
        PrintUsage(out);
        return kExitSuccess;
    }
    if (arguments[0] == "--version") {
        out << "velka-cli " VELKA_VERSION "\n";
        return kExitSuccess;
    }
    for (const Command& command : Commands()) {
        if (arguments[0] == command.name)
            return RunCommand(command, {arguments.begin() + 1, arguments.end()}, out);
    }
    WriteMessageLine(std::cerr, "velka-cli: unknown command \"" + arguments[0] + "\"");
    PrintUsage(std::cerr);
    return kExitUsage;
}

// A standard stream that was closed when the program started gets a stand-in that fails every
// write: otherwise the first file opened would take its number, and output meant for the
// stream would land in that file (an image, a report).
void GuardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int standIn = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (standIn >= 0 && standIn != fd) {
                ::dup2(standIn, fd);
                ::close(standIn);
            }
        }
    }
}

}  // namespace

std::span<const Command> Commands() {
    return kCommands;
}

}  // namespace velka::cli

int main(int argc, char** argv) {
    velka::cli::GuardStandardStreams();
    velka::cli::DescriptorOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    const int exitCode = velka::cli::Run(std::vector<std::string>(argv + 1, argv + argc), out);
    return velka::cli::CheckStandardOutput(out, output, exitCode);
}
