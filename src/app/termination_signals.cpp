#include "app/termination_signals.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velka {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach nothing but static storage: the write end of the pipe that wakes
// the event loop. (A signalfd would need the signals blocked in every thread, and programs
// started from the window, such as the browser for the help, would inherit that mask.)
std::atomic<int> wakeDescriptor{-1};

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeDescriptor.load(), &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // the signals keep their usual effect
    wakeDescriptor.store(pipe_[1]);
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Drain);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    if (pipe_[0] < 0)
        return;
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    wakeDescriptor.store(-1);
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void TerminationSignals::Drain() {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (onSignal_)
        onSignal_();
}

}  // namespace velka
