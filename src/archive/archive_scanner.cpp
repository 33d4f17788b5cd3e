#include "archive/archive_scanner.h"

#include <exception>

namespace velka {

ArchiveScanner::ArchiveScanner(DataRoot dataRoot, ArchiveEntries& entries,
                               ScanFinishedHandler onScanFinished, ProgressHandler onProgress)
    : dataRoot_(std::move(dataRoot)), entries_(entries), onScanFinished_(std::move(onScanFinished)),
      onProgress_(std::move(onProgress)), thread_(&ArchiveScanner::Run, this) {}

ArchiveScanner::~ArchiveScanner() {
    stopRequested_.store(true, std::memory_order_relaxed);
    {
        const std::lock_guard lock(queueLock_);
        quit_ = true;
    }
    queueChanged_.notify_one();
    thread_.join();
}

std::uint64_t ArchiveScanner::RequestScan() {
    const std::uint64_t generation = entries_.BeginScan();
    {
        const std::lock_guard lock(queueLock_);
        requests_.push_back(generation);
    }
    queueChanged_.notify_one();
    return generation;
}

ArchiveScanner::Progress ArchiveScanner::CurrentProgress() const {
    return Progress{progress_.generation.load(std::memory_order_relaxed),
                    progress_.filesListed.load(std::memory_order_relaxed),
                    progress_.filesRead.load(std::memory_order_relaxed),
                    scanning_.load(std::memory_order_relaxed)};
}

void ArchiveScanner::Run() {
    for (;;) {
        std::uint64_t generation = 0;
        {
            std::unique_lock lock(queueLock_);
            queueChanged_.wait(lock, [this] { return quit_ || !requests_.empty(); });
            if (quit_)
                return;
            generation = requests_.front();
            requests_.pop_front();
        }
        // Requests that a newer one has already superseded are dropped unread.
        if (!entries_.IsCurrent(generation))
            continue;

        scanning_.store(true, std::memory_order_relaxed);
        ScanOutcome outcome = ScanOutcome::Superseded;
        const ScanStepHandler onStep = [this, generation](std::size_t filesRead,
                                                          std::size_t filesListed) {
            if (onProgress_)
                onProgress_(Progress{generation, filesListed, filesRead, true});
        };
        try {
            outcome =
                ScanArchive(dataRoot_, entries_, generation, &progress_, &stopRequested_, onStep);
        } catch (const std::exception&) {
            // Out of memory in the middle of a scan: show what was read rather than leave the
            // history waiting for a scan that never ends.
            outcome =
                entries_.FinishScan(generation) ? ScanOutcome::Finished : ScanOutcome::Superseded;
        }
        scanning_.store(false, std::memory_order_relaxed);
        if (outcome == ScanOutcome::Finished && onScanFinished_)
            onScanFinished_(generation);
    }
}

}  // namespace velka
