#include "storage/exclusive_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace velka {

ExclusiveLock::ExclusiveLock(const std::filesystem::path& path) {
    // Read-only and without waiting: a folder opens so, a logger's node hands a reader nothing
    // that matters, and a FIFO in the way would otherwise block.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error_ = {errno, std::generic_category()};
        return;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // EWOULDBLOCK is EAGAIN here.
        error_ = {errno == EWOULDBLOCK ? EAGAIN : errno, std::generic_category()};
        ::close(fd);
        return;
    }
    fd_ = fd;
}

ExclusiveLock::~ExclusiveLock() {
    Release();
}

ExclusiveLock::ExclusiveLock(ExclusiveLock&& other) noexcept
    : fd_(other.fd_), error_(other.error_) {
    other.fd_ = -1;
}

ExclusiveLock& ExclusiveLock::operator=(ExclusiveLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = other.fd_;
        error_ = other.error_;
        other.fd_ = -1;
    }
    return *this;
}

void ExclusiveLock::Release() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void SleepFor(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

ExclusiveLock WaitForLock(const std::filesystem::path& path, std::chrono::milliseconds patience,
                          const LockWait& wait, std::chrono::milliseconds step) {
    ExclusiveLock lock(path);
    for (std::chrono::milliseconds waited{0}; lock.Busy() && waited < patience; waited += step) {
        wait(step);
        lock = ExclusiveLock(path);
    }
    return lock;
}

}  // namespace velka
