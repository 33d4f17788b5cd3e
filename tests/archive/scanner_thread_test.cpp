// The scanner on its own thread: "scan finished" reaches the owner on the owner's thread, a
// newer request supersedes a running scan, and a destroyed owner or scanner is never called.

#include "archive/archive_listing.h"
#include "archive/archive_scanner.h"
#include "archive/history_list.h"
#include "archive/queued_delivery.h"
#include "archive_fixtures.h"
#include "temp_dir.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace velka {
namespace {

using namespace std::chrono_literals;

// Waits for a condition, handling the owner's events meanwhile when asked to. The limit only
// keeps a broken build from hanging; nothing here is timed.
bool WaitUntil(const std::function<bool()>& condition, bool handleEvents = true) {
    const auto limit = std::chrono::steady_clock::now() + 120s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        if (handleEvents)
            QCoreApplication::processEvents();
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

std::vector<std::string> StoredNames(ArchiveEntries& entries) {
    std::vector<std::string> names;
    for (const ArchiveEntry& entry : entries.Lock().allEntries)
        names.push_back(entry.storedName);
    std::sort(names.begin(), names.end());
    return names;
}

class ScannerThread : public ::testing::Test {
protected:
    void Store(std::size_t count) {
        testing::WriteManyImages(dataRoot.DataDirectory(), testing::MakeImage({}), count);
        expectedNames = ListArchiveFiles(dataRoot.DataDirectory());
        std::sort(expectedNames.begin(), expectedNames.end());
        ASSERT_EQ(expectedNames.size(), count);
    }

    testing::TempDir temp;
    DataRoot dataRoot{temp.Path()};
    std::vector<std::string> expectedNames;
    ArchiveEntries entries;
    HistorySortState sortState;
    HistoryList history{entries, sortState};
};

TEST_F(ScannerThread, DeliversScanFinishedOnTheOwnersThread) {
    Store(60);
    QObject owner;
    std::vector<std::uint64_t> delivered;
    bool deliveredOnOwnerThread = false;
    std::thread::id scannerThread;
    const ScanFinishedHandler queued = DeliverOnThreadOf(&owner, [&](std::uint64_t generation) {
        deliveredOnOwnerThread = QThread::currentThread() == owner.thread();
        delivered.push_back(generation);
        history.ShowScanResult(generation);
    });
    ArchiveScanner scanner(dataRoot, entries, [&](std::uint64_t generation) {
        scannerThread = std::this_thread::get_id();
        queued(generation);
    });

    const std::uint64_t generation = scanner.RequestScan();
    ASSERT_TRUE(WaitUntil([&] { return !delivered.empty(); }));
    EXPECT_EQ(delivered, std::vector<std::uint64_t>{generation});
    EXPECT_TRUE(deliveredOnOwnerThread);
    EXPECT_NE(scannerThread, std::this_thread::get_id());
    EXPECT_EQ(StoredNames(entries), expectedNames);
    EXPECT_EQ(history.PageCount(), 3);
    EXPECT_TRUE(history.ControlsEnabled());
    EXPECT_FALSE(scanner.CurrentProgress().scanning);
    EXPECT_EQ(scanner.CurrentProgress().filesRead, 60u);
}

TEST_F(ScannerThread, ANewerRequestInTheMiddleOfAScanLeavesEveryFileOnce) {
    Store(3000);
    QObject owner;
    std::vector<std::uint64_t> shown;
    ArchiveScanner scanner(dataRoot, entries, DeliverOnThreadOf(&owner, [&](std::uint64_t g) {
                               if (history.ShowScanResult(g))
                                   shown.push_back(g);
                           }));

    const std::uint64_t first = scanner.RequestScan();
    ASSERT_TRUE(WaitUntil([&] {
        const ArchiveScanner::Progress progress = scanner.CurrentProgress();
        return progress.generation == first && progress.filesRead >= 100;
    }));
    // The history empties its lists and asks again while the first scan is under way.
    const std::uint64_t second = scanner.RequestScan();
    ASSERT_TRUE(WaitUntil([&] { return !shown.empty() && shown.back() == second; }));
    EXPECT_EQ(shown, std::vector<std::uint64_t>{second});

    EXPECT_EQ(StoredNames(entries), expectedNames);
    {
        auto locked = entries.Lock();
        EXPECT_EQ(locked.shownEntries, locked.allEntries);
    }
    EXPECT_EQ(history.PageCount(), 120);
}

TEST_F(ScannerThread, RequestsQueuedBehindEachOtherEndInOneResult) {
    Store(200);
    QObject owner;
    std::vector<std::uint64_t> shown;
    ArchiveScanner scanner(dataRoot, entries, DeliverOnThreadOf(&owner, [&](std::uint64_t g) {
                               if (history.ShowScanResult(g))
                                   shown.push_back(g);
                           }));
    scanner.RequestScan();
    scanner.RequestScan();
    const std::uint64_t last = scanner.RequestScan();
    ASSERT_TRUE(WaitUntil([&] { return !shown.empty() && shown.back() == last; }));
    EXPECT_EQ(shown, std::vector<std::uint64_t>{last});
    EXPECT_EQ(StoredNames(entries), expectedNames);
}

// The news is on its way when the owner goes: the delivery must be bound to the owner, not to
// anything that outlives it (the application, say), or the handler would run on a dead owner.
TEST_F(ScannerThread, ADestroyedOwnerIsNeverCalled) {
    Store(20);
    auto owner = std::make_unique<QObject>();
    bool called = false;
    {
        ArchiveScanner scanner(
            dataRoot, entries,
            DeliverOnThreadOf(owner.get(), [&](std::uint64_t) { called = true; }));
        scanner.RequestScan();
        // The owner's events are not handled yet, so the news waits in its queue.
        ASSERT_TRUE(WaitUntil([&] { return entries.Lock().shownEntries.size() == 20; }, false));
    }  // the scanner's thread has ended: its post is made
    owner.reset();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(called);
}

TEST_F(ScannerThread, DestroyingTheScannerStopsItsScan) {
    Store(3000);
    QObject owner;
    bool called = false;
    {
        ArchiveScanner scanner(dataRoot, entries,
                               DeliverOnThreadOf(&owner, [&](std::uint64_t) { called = true; }));
        scanner.RequestScan();
        ASSERT_TRUE(WaitUntil([&] { return scanner.CurrentProgress().filesRead >= 10; }, false));
    }
    const std::size_t filesRead = entries.Lock().allEntries.size();
    QCoreApplication::processEvents();
    // Stopped part-way (the usual case on any machine) it shows nothing; had it ended first,
    // it would show everything and have said so.
    if (filesRead < 3000) {
        EXPECT_FALSE(called);
        EXPECT_TRUE(entries.Lock().shownEntries.empty());
    } else {
        EXPECT_TRUE(called);
    }
}

}  // namespace
}  // namespace velka
