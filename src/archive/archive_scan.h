#pragma once
// One scan of the archive folder into the entry lists.

#include "archive/archive_entries.h"
#include "storage/data_root.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace velka {

// How far the running scan has come; written by the scan, read from any thread.
struct ScanProgress {
    std::atomic<std::uint64_t> generation{0};
    std::atomic<std::size_t> filesListed{0};
    std::atomic<std::size_t> filesRead{0};
};

// Told on the scanning thread how far the scan has come: once the folder is listed, then each
// time another hundredth of the listed files has been read (at least one file), so a scan of
// any size tells it at most 101 times.
using ScanStepHandler = std::function<void(std::size_t filesRead, std::size_t filesListed)>;

enum class ScanOutcome {
    Finished,    // the lists hold this scan's result
    Superseded,  // a newer scan began, or a stop was asked for; this one changed nothing more
};

// Makes sure the data root and its archive folder exist, lists the folder, reads every stored
// image into an entry and appends it to allEntries, then makes shownEntries a copy of
// allEntries. The lists are not emptied here: entries.BeginScan() did that when it gave out
// `generation`. A folder that cannot be created or listed gives a finished, empty scan.
ScanOutcome ScanArchive(const DataRoot& dataRoot, ArchiveEntries& entries, std::uint64_t generation,
                        ScanProgress* progress = nullptr,
                        const std::atomic<bool>* stopRequested = nullptr,
                        const ScanStepHandler& onStep = {});

}  // namespace velka
