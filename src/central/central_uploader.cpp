#include "central/central_uploader.h"

#include "central/central_sync.h"

#include <algorithm>

namespace velka {

CentralUploader::CentralUploader(std::string connection, DataRoot root,
                                 const ReferenceTables& tables, UploadOrigin origin,
                                 const Clock& clock, StatusListener listener, RetryPauses pauses)
    : connection_(std::move(connection)), root_(std::move(root)), tables_(tables),
      origin_(std::move(origin)), clock_(clock), listener_(std::move(listener)), pauses_(pauses),
      thread_([this] { Run(); }) {}

CentralUploader::~CentralUploader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void CentralUploader::Request() {
    {
        const std::lock_guard lock(mutex_);
        requested_ = true;
        status_.upToDate = false;
    }
    changed_.notify_all();
}

UploadStatus CentralUploader::Status() const {
    const std::lock_guard lock(mutex_);
    return status_;
}

bool CentralUploader::WaitForSync(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const std::uint64_t after = started_;
    return changed_.wait_for(lock, timeout, [&] { return finished_ > after; });
}

void CentralUploader::Run() {
    std::chrono::milliseconds pause{0};  // after a failure, the wait before the next try
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto woken = [&] { return stopping_ || requested_; };
        // A pause ends early for a request: an archive write is worth trying at once.
        if (pause.count() > 0)
            changed_.wait_for(lock, pause, woken);
        else
            changed_.wait(lock, woken);
        if (stopping_)
            return;
        requested_ = false;
        ++started_;
        lock.unlock();
        const bool synced = SyncOnce();
        lock.lock();
        ++finished_;
        changed_.notify_all();
        pause = synced ? std::chrono::milliseconds(0)
                       : std::min(pauses_.longest, pause.count() == 0 ? pauses_.first : pause * 2);
    }
}

bool CentralUploader::SyncOnce() {
    UploadStatus status = Status();
    ++status.syncs;
    try {
        PgConnection connection(connection_);
        const SyncReport report = SyncToCentral(connection, root_, tables_, origin_, clock_.Now());
        sent_.clear();
        sent_.insert(report.digests.begin(), report.digests.end());
        status.waiting = 0;
        status.waitingFiles.clear();
        status.failingSince.reset();
        status.failure.clear();
        status.upToDate = true;
    } catch (const std::exception& failure) {
        status.failure = failure.what();
        if (!status.failingSince)
            status.failingSince = clock_.Now();
        status.waitingFiles.clear();
        for (const ArchivedDigest& archived : ArchivedDigests(root_))
            if (!sent_.contains(archived.sha256))
                status.waitingFiles.push_back(archived.fileName);
        status.waiting = status.waitingFiles.size();
        status.upToDate = false;
    }
    {
        const std::lock_guard lock(mutex_);
        // A request that came during the sync leaves something for the next one.
        status.upToDate = status.upToDate && !requested_;
        status_ = status;
    }
    if (listener_)
        listener_(status);
    return status.failure.empty();
}

}  // namespace velka
