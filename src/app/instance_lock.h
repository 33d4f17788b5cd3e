#pragma once
// One running copy of the program per user: an exclusive flock on a lock file, held for the
// life of the process. The kernel drops the lock when the process ends however it ends, so a
// crash never leaves a stale lock behind.

#include <filesystem>

namespace velka {

class InstanceLock {
public:
    enum class Outcome {
        Acquired,
        HeldByAnotherCopy,
        // The lock file cannot be opened or locked (no such folder, a read-only file system):
        // the program runs unguarded rather than not at all.
        Unavailable,
    };

    explicit InstanceLock(const std::filesystem::path& lockFile);
    // Releases the lock.
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome Result() const { return outcome_; }
    // Releases the lock early (the program's shutdown order); idempotent.
    void Release();

private:
    int descriptor_ = -1;
    Outcome outcome_ = Outcome::Unavailable;
};

}  // namespace velka
