#include "archive/archive_entries.h"

namespace velka {

ArchiveEntries::Locked ArchiveEntries::Lock() {
    return Locked{std::unique_lock(entriesLock_), allEntries_, shownEntries_};
}

std::uint64_t ArchiveEntries::BeginScan() {
    const std::lock_guard lock(entriesLock_);
    allEntries_.clear();
    shownEntries_.clear();
    const std::uint64_t generation = generation_.load(std::memory_order_relaxed) + 1;
    generation_.store(generation, std::memory_order_release);
    return generation;
}

bool ArchiveEntries::Append(std::uint64_t generation, ArchiveEntry entry) {
    const std::lock_guard lock(entriesLock_);
    if (!IsCurrent(generation))
        return false;
    allEntries_.push_back(std::move(entry));
    return true;
}

bool ArchiveEntries::FinishScan(std::uint64_t generation) {
    const std::lock_guard lock(entriesLock_);
    if (!IsCurrent(generation))
        return false;
    shownEntries_ = allEntries_;
    return true;
}

}  // namespace velka
