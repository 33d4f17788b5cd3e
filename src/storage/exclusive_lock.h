#pragma once
// Locks between Velka programs on one machine (the window, `velka-cli watch --read` at a dock,
// a script): flock() on a descriptor of the thing itself, a logger's node, the memory file of
// an emulated logger or the archive folder. The kernel drops the lock with the descriptor, so a
// program that is killed never leaves it held. Every process that can open the thing can lock
// it, which a read-only archive folder allows too.
//
// Order, always: the logger, then the archive folder, then the audit log.

#include <chrono>
#include <filesystem>
#include <functional>
#include <system_error>

namespace velka {

class ExclusiveLock {
public:
    // Held by nobody.
    ExclusiveLock() = default;
    // One attempt that never waits: Held() when taken; otherwise Busy() while another
    // descriptor holds it, or Error() says why the thing cannot be opened.
    explicit ExclusiveLock(const std::filesystem::path& path);
    ~ExclusiveLock();
    ExclusiveLock(ExclusiveLock&& other) noexcept;
    ExclusiveLock& operator=(ExclusiveLock&& other) noexcept;
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    bool Busy() const { return error_ == std::errc::resource_unavailable_try_again; }
    std::error_code Error() const { return error_; }
    void Release();

private:
    int fd_ = -1;
    std::error_code error_;
};

// How a program waits between two attempts; the window keeps its event loop running meanwhile,
// tests count the waits instead of sleeping.
using LockWait = std::function<void(std::chrono::milliseconds)>;
// Sleeps for the duration.
void SleepFor(std::chrono::milliseconds duration);

// Tries again every `step` while the lock is busy, until `patience` has been waited out; the
// last attempt's lock (Busy() when the other program still holds it).
ExclusiveLock WaitForLock(const std::filesystem::path& path, std::chrono::milliseconds patience,
                          const LockWait& wait = SleepFor,
                          std::chrono::milliseconds step = std::chrono::milliseconds(100));

}  // namespace velka
