#pragma once
// SIGINT and SIGTERM as a file descriptor that an event loop polls beside its others, so that a
// long-running command ends between two events, never in the middle of writing an archive.
// While an instance lives, the two signals are blocked and only recorded.

#include <csignal>

namespace velka::cli {

class StopSignals {
public:
    // Throws CommandFailure when the signals cannot be redirected.
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Readable once a stop was asked for.
    int FileDescriptor() const { return fd_; }
    // Whether a stop was asked for since the last call; takes the signals, so that none is
    // left pending when the instance ends.
    bool TakeStopRequest();

private:
    sigset_t previousMask_{};
    int fd_ = -1;
};

}  // namespace velka::cli
