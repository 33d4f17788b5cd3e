#pragma once
// The work that talks to the logger or changes the session (an arrival sequence, a removal, the
// start-up read, an erase) runs one task at a time, in the order it was asked for. A task's
// message boxes run their own event loops, in which the hot-plug descriptor keeps firing: an
// arrival heard there must not start a second transfer on the one image in the middle of the
// first, so it waits in the queue and runs when the task that is running has ended.

#include <deque>
#include <functional>

namespace velka {

class LoggerTaskQueue {
public:
    // Runs `task` now when nothing runs, otherwise after everything queued before it.
    void Run(std::function<void()> task);

    bool Busy() const { return running_; }
    std::size_t Waiting() const { return waiting_.size(); }

private:
    std::deque<std::function<void()>> waiting_;
    bool running_ = false;
};

}  // namespace velka
