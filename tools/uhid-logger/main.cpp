// uhid-logger: a virtual logger on this machine's HID stack. It creates a USB HID device with
// the logger's vendor and product ids through /dev/uhid, answers the report protocol from the
// memory image it was given, and writes the memory out when it ends.
//
//   uhid-logger IMAGE [--dump OUT] [--unplug-at-report K] [--unplugged]
//
// SIGUSR1 pulls the logger out (the HID device is destroyed), SIGUSR2 plugs it in again,
// SIGTERM or SIGINT end the program. Every change is one JSON line on stdout:
// {"event": "plugged"|"unplugged"}, and at the end {"event": "ended", …} with the report counts.
// Exit codes: 0 success, 1 failure (one line on stderr), 2 wrong use.

#include "storage/file_io.h"
#include "uhid_logger.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <poll.h>
#include <sched.h>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>
#include <vector>

namespace velka {
namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: uhid-logger IMAGE [--dump OUT] [--unplug-at-report K] [--answer-delay-ms MS]\n"
    "                   [--unplugged]\n"
    "  IMAGE                 the logger's 16,384-byte memory\n"
    "  --dump OUT            write the memory to OUT when the program ends\n"
    "  --unplug-at-report K  pull the logger out at the K-th report after each plug-in\n"
    "  --answer-delay-ms MS  wait MS milliseconds before each answer (a slow logger)\n"
    "  --unplugged           start pulled out\n"
    "signals: SIGUSR1 pulls the logger out, SIGUSR2 plugs it in, SIGTERM or SIGINT end\n";

struct Options {
    std::string imagePath;
    std::optional<std::string> dumpPath;
    int unplugAtReport = 0;
    int answerDelayMs = 0;
    bool startUnplugged = false;
};

std::optional<Options> ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (argument == "--dump" && hasValue) {
            options.dumpPath = arguments[++index];
        } else if ((argument == "--unplug-at-report" || argument == "--answer-delay-ms") &&
                   hasValue) {
            const std::string& text = arguments[++index];
            int& value =
                argument == "--unplug-at-report" ? options.unplugAtReport : options.answerDelayMs;
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc() || end != text.data() + text.size() || value < 1)
                return std::nullopt;
        } else if (argument == "--unplugged") {
            options.startUnplugged = true;
        } else if (argument.starts_with("--") || !options.imagePath.empty()) {
            return std::nullopt;
        } else {
            options.imagePath = argument;
        }
    }
    if (options.imagePath.empty())
        return std::nullopt;
    return options;
}

void Announce(const nlohmann::ordered_json& line) {
    std::cout << line.dump() << std::endl;  // a line at a time: whoever drives us waits for it
}

void AnnouncePlugState(const UhidLogger& logger) {
    Announce({{"event", logger.Plugged() ? "plugged" : "unplugged"}});
}

// Signals arrive through a descriptor beside /dev/uhid's, so nothing runs in a handler.
int OpenSignalDescriptor() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int number : {SIGUSR1, SIGUSR2, SIGTERM, SIGINT})
        sigaddset(&signals, number);
    if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0)
        return -1;
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

// The kernel keeps at most 32 output reports of a uhid device and drops the rest without telling
// the writer, whose write succeeds all the same; a USB logger holds the host's write back until
// it has taken the report instead. Taking each report the moment the kernel queues it
// (real-time priority) keeps a fast writer, such as the erase with its 344 unanswered reports,
// from overrunning the queue.
void TakeReportsAtOnce() {
    sched_param priority{};
    priority.sched_priority = sched_get_priority_min(SCHED_FIFO);
    if (sched_setscheduler(0, SCHED_FIFO, &priority) != 0)
        std::cerr << "uhid-logger: no real-time priority (" << std::strerror(errno)
                  << "): reports written in quick succession may be lost in the kernel\n";
}

int Run(const Options& options) {
    LoggerImage memory{};
    if (!ReadImageFile(options.imagePath, memory)) {
        std::cerr << "uhid-logger: cannot read " << options.imagePath << ": "
                  << std::strerror(errno) << '\n';
        return kExitFailure;
    }
    const int signalFd = OpenSignalDescriptor();
    if (signalFd < 0) {
        std::cerr << "uhid-logger: cannot receive signals: " << std::strerror(errno) << '\n';
        return kExitFailure;
    }

    TakeReportsAtOnce();
    UhidLogger logger(memory);
    logger.UnplugAtReport(options.unplugAtReport);
    logger.DelayAnswers(std::chrono::milliseconds(options.answerDelayMs));
    if (!options.startUnplugged)
        logger.Plug();
    AnnouncePlugState(logger);

    int exitCode = kExitSuccess;
    // Whatever ends the program, the memory is written out: it is what the host wrote.
    try {
        bool running = true;
        while (running) {
            pollfd descriptors[2] = {{signalFd, POLLIN, 0}, {logger.FileDescriptor(), POLLIN, 0}};
            if (::poll(descriptors, logger.Plugged() ? 2 : 1, -1) < 0) {
                if (errno == EINTR)
                    continue;
                throw std::system_error(errno, std::generic_category(), "poll");
            }
            if (logger.Plugged() && (descriptors[1].revents & POLLIN) != 0) {
                logger.HandleEvents();
                if (!logger.Plugged())
                    AnnouncePlugState(logger);
            }
            if ((descriptors[0].revents & POLLIN) == 0)
                continue;
            signalfd_siginfo signal{};
            if (::read(signalFd, &signal, sizeof signal) != sizeof signal)
                continue;
            const bool wasPlugged = logger.Plugged();
            if (signal.ssi_signo == SIGUSR1)
                logger.Unplug();
            else if (signal.ssi_signo == SIGUSR2)
                logger.Plug();
            else
                running = false;
            if (running && logger.Plugged() != wasPlugged)
                AnnouncePlugState(logger);
        }
        logger.Unplug();
    } catch (const std::exception& error) {
        std::cerr << "uhid-logger: " << error.what() << '\n';
        exitCode = kExitFailure;
    }
    if (options.dumpPath) {
        if (const std::error_code error = WriteFileAtomically(*options.dumpPath, logger.Memory())) {
            std::cerr << "uhid-logger: cannot write " << *options.dumpPath << ": "
                      << error.message() << '\n';
            exitCode = kExitFailure;
        }
    }
    const UhidLoggerStatistics& statistics = logger.Statistics();
    Announce({{"event", "ended"},
              {"outputReports", statistics.outputReports},
              {"answers", statistics.answers},
              {"ignoredReports", statistics.ignoredReports},
              {"outputReportLengths", statistics.outputReportLengths}});
    ::close(signalFd);
    return exitCode;
}

}  // namespace
}  // namespace velka

int main(int argc, char** argv) {
    const auto options = velka::ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        std::cerr << velka::kUsage;
        return velka::kExitUsage;
    }
    try {
        return velka::Run(*options);
    } catch (const std::exception& error) {
        std::cerr << "uhid-logger: " << error.what() << '\n';
        return velka::kExitFailure;
    }
}
