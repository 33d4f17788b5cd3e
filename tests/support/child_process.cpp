#include "child_process.h"

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace velka::testing {
namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments) {
    const std::string outPath = (outputs_ / "out").string();
    const std::string errPath = (outputs_ / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);

    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);

    const int spawned =
        posix_spawn(&pid_, program.c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + program);
}

ChildProcess::~ChildProcess() {
    if (Running()) {
        ::kill(pid_, SIGKILL);
        Wait();
    }
}

void ChildProcess::Signal(int signalNumber) {
    if (Running())
        ::kill(pid_, signalNumber);
}

std::optional<int> ChildProcess::Wait(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!exitCode_) {
        int status = 0;
        const pid_t ended = ::waitpid(pid_, &status, timeoutMs < 0 ? 0 : WNOHANG);
        if (ended == pid_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        else if (ended < 0 && errno != EINTR)
            throw std::runtime_error("cannot wait for the child process");
        else if (timeoutMs >= 0 && std::chrono::steady_clock::now() >= deadline)
            break;
        else if (ended == 0)
            std::this_thread::sleep_for(kPollInterval);
    }
    return exitCode_;
}

std::string ChildProcess::Out() const {
    return Slurp(outputs_ / "out");
}

std::string ChildProcess::Err() const {
    return Slurp(outputs_ / "err");
}

std::vector<std::string> ChildProcess::OutLines() const {
    std::vector<std::string> lines;
    std::istringstream out(Out());
    std::string line;
    while (std::getline(out, line)) {
        if (out.eof())
            break;  // the last line is not complete yet
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> ChildProcess::WaitForLines(std::size_t count, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::string> lines = OutLines();
    while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollInterval);
        lines = OutLines();
    }
    return lines;
}

bool ChildProcess::WaitForErr(const std::string& text, int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Err().find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

}  // namespace velka::testing
