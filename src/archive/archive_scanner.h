#pragma once
// The archive scanner: one worker thread that runs scan requests one after another. A newer
// request supersedes a running or waiting one, whose results are dropped, and only a scan that
// is still the newest when it ends reports "scan finished".

#include "archive/archive_entries.h"
#include "archive/archive_scan.h"
#include "storage/data_root.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace velka {

// Called on the scanner thread with the generation of the scan that finished. It must not
// throw and should only hand the news over to its owner's thread (see queued_delivery.h).
using ScanFinishedHandler = std::function<void(std::uint64_t generation)>;

class ArchiveScanner {
public:
    struct Progress {
        std::uint64_t generation = 0;  // of the scan running or last run
        std::size_t filesListed = 0;
        std::size_t filesRead = 0;
        bool scanning = false;
    };
    // Called on the scanner thread as a scan goes on, as often as ScanStepHandler says, also
    // for a scan that a newer one then supersedes. The same rules as for ScanFinishedHandler.
    using ProgressHandler = std::function<void(const Progress& progress)>;

    // Starts the thread; it waits for the first request. `entries` must outlive the scanner.
    ArchiveScanner(DataRoot dataRoot, ArchiveEntries& entries, ScanFinishedHandler onScanFinished,
                   ProgressHandler onProgress = {});
    // Stops a running scan at the next file, ends the thread and waits for it: no handler call
    // happens after this returns.
    ~ArchiveScanner();
    ArchiveScanner(const ArchiveScanner&) = delete;
    ArchiveScanner& operator=(const ArchiveScanner&) = delete;

    // Empties the entry lists and queues a scan; returns its generation. Any earlier scan is
    // superseded from this moment.
    std::uint64_t RequestScan();

    Progress CurrentProgress() const;

private:
    void Run();

    const DataRoot dataRoot_;
    ArchiveEntries& entries_;
    const ScanFinishedHandler onScanFinished_;
    const ProgressHandler onProgress_;

    std::mutex queueLock_;
    std::condition_variable queueChanged_;
    std::deque<std::uint64_t> requests_;
    bool quit_ = false;

    std::atomic<bool> stopRequested_{false};
    std::atomic<bool> scanning_{false};
    ScanProgress progress_;
    std::thread thread_;  // last member: starts once everything it uses exists
};

}  // namespace velka
