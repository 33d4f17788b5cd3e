#include "app/logger_task_queue.h"

namespace velka {

void LoggerTaskQueue::Run(std::function<void()> task) {
    waiting_.push_back(std::move(task));
    if (running_)
        return;
    running_ = true;
    // A task that throws must not leave the queue marked busy for ever.
    struct Idle {
        bool& running;
        ~Idle() { running = false; }
    } idle{running_};
    while (!waiting_.empty()) {
        const std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        next();
    }
}

}  // namespace velka
