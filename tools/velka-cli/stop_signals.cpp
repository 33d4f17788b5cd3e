#include "stop_signals.h"

#include "command_line.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>

namespace velka::cli {

StopSignals::StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    if (sigprocmask(SIG_BLOCK, &signals, &previousMask_) != 0)
        throw CommandFailure{std::string("cannot block SIGINT and SIGTERM: ") +
                             std::strerror(errno)};
    fd_ = signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0) {
        const int error = errno;
        sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
        throw CommandFailure{std::string("cannot receive SIGINT and SIGTERM: ") +
                             std::strerror(error)};
    }
}

bool StopSignals::TakeStopRequest() {
    bool requested = false;
    signalfd_siginfo signal{};
    while (::read(fd_, &signal, sizeof signal) == static_cast<ssize_t>(sizeof signal))
        requested = true;
    return requested;
}

StopSignals::~StopSignals() {
    ::close(fd_);
    // A stop that was asked for but not taken stays pending and acts on the program as usual.
    sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace velka::cli
