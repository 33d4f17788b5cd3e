#pragma once
// A program started by a test and left running while the test goes on: velka-cli watch, the
// virtual logger. Standard input is /dev/null; both output streams go to files that the test
// reads at any time. A child still running when the object ends is killed.

#include "temp_dir.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace velka::testing {

class ChildProcess {
public:
    // Throws std::runtime_error when the program cannot be started.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    void Signal(int signalNumber);
    // Waits at most timeoutMs (forever when negative) for the child to end: its exit code, or
    // 128 + the signal that ended it; nothing while it still runs.
    std::optional<int> Wait(int timeoutMs = -1);
    bool Running() const { return !exitCode_; }

    std::string Out() const;
    std::string Err() const;
    // The complete lines written to standard output so far.
    std::vector<std::string> OutLines() const;
    // Waits at most timeoutMs until standard output holds at least `count` complete lines.
    std::vector<std::string> WaitForLines(std::size_t count, int timeoutMs) const;
    // Waits at most timeoutMs until standard error holds `text`; whether it does.
    bool WaitForErr(const std::string& text, int timeoutMs) const;

private:
    TempDir outputs_;
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

}  // namespace velka::testing
