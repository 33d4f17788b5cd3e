#pragma once
// The two entry lists the scanner fills and the history shows, with the one lock that guards
// both. Every scan has a generation number: starting a scan empties both lists and makes every
// earlier scan stale, and a stale scan can no longer change them, so after the last scan
// finishes each stored file appears exactly once.

#include "archive/archive_entry.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace velka {

class ArchiveEntries {
public:
    // Both lists, held under the lock for as long as this object lives. One at a time: a
    // second Lock() on the same thread would wait for ever.
    struct Locked {
        std::unique_lock<std::mutex> lock;
        std::vector<ArchiveEntry>& allEntries;    // one per stored file, in listing order
        std::vector<ArchiveEntry>& shownEntries;  // what the history shows
    };

    Locked Lock();

    // Empties both lists and returns the generation of the scan that will fill them again.
    std::uint64_t BeginScan();
    // The generation of the newest scan (0 before any).
    std::uint64_t CurrentGeneration() const { return generation_.load(std::memory_order_acquire); }
    bool IsCurrent(std::uint64_t generation) const { return generation == CurrentGeneration(); }

    // Appends to allEntries for the scan of `generation`; false, changing nothing, when that
    // scan is stale.
    bool Append(std::uint64_t generation, ArchiveEntry entry);
    // Makes shownEntries a copy of allEntries; false when the scan is stale.
    bool FinishScan(std::uint64_t generation);

private:
    std::mutex entriesLock_;
    std::vector<ArchiveEntry> allEntries_;
    std::vector<ArchiveEntry> shownEntries_;
    std::atomic<std::uint64_t> generation_{0};  // changed only under entriesLock_
};

}  // namespace velka
