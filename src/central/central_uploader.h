#pragma once
// Keeps the central archive up to date from one data root in the background: a thread with a
// connection of its own syncs at start and after every request (an archive write), and while the
// server cannot be reached it tries again after growing pauses. It only reads the data root and
// never touches its owner's state: what it finds out goes to the status listener, called on its
// thread (the window hands it over to its own).

#include "central/central_recording.h"
#include "services/clock.h"
#include "storage/data_root.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace velka {

struct UploadStatus {
    bool upToDate = false;  // the last sync went through and no request came since
    // Archived recordings the server does not hold yet, as far as the last sync knew.
    std::size_t waiting = 0;
    std::vector<std::string> waitingFiles;     // their names in the archive folder
    std::optional<std::int64_t> failingSince;  // when the syncs began to fail (the clock's time)
    std::string failure;                       // the last failure's line
    std::size_t syncs = 0;                     // syncs tried so far

    bool operator==(const UploadStatus&) const = default;
};

// The pause after the first failure, doubled after each one after it up to the longest.
struct RetryPauses {
    std::chrono::milliseconds first{2000};
    std::chrono::milliseconds longest{std::chrono::minutes(5)};
};

class CentralUploader {
public:
    using StatusListener = std::function<void(const UploadStatus&)>;

    // Starts the thread, which syncs at once. `tables` convert the summaries; `clock` dates the
    // failures.
    CentralUploader(std::string connection, DataRoot root, const ReferenceTables& tables,
                    UploadOrigin origin, const Clock& clock, StatusListener listener = {},
                    RetryPauses pauses = {});
    // Stops the thread; a sync in progress ends first (a server that does not answer is given up
    // after the connection's timeout).
    ~CentralUploader();
    CentralUploader(const CentralUploader&) = delete;
    CentralUploader& operator=(const CentralUploader&) = delete;

    // Syncs again as soon as the thread is free, also during a pause after a failure.
    void Request();
    UploadStatus Status() const;
    // Waits until a sync that began after this call has ended; false after `timeout`.
    bool WaitForSync(std::chrono::milliseconds timeout);

private:
    void Run();
    // One sync; whether it went through.
    bool SyncOnce();

    const std::string connection_;
    const DataRoot root_;
    const ReferenceTables tables_;
    const UploadOrigin origin_;
    const Clock& clock_;
    const StatusListener listener_;
    const RetryPauses pauses_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    UploadStatus status_;
    bool requested_ = true;  // the sync at start
    bool stopping_ = false;
    std::uint64_t started_ = 0;   // syncs begun
    std::uint64_t finished_ = 0;  // syncs ended
    std::set<std::string> sent_;  // the thread's own: what the last sync found on the server
    std::thread thread_;          // last: it starts once everything above is ready
};

}  // namespace velka
