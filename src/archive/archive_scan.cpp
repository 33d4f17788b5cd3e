#include "archive/archive_scan.h"

#include "archive/archive_listing.h"
#include "archive/archive_reading.h"
#include "archive/file_handle.h"

#include <algorithm>
#include <fcntl.h>

namespace velka {

ScanOutcome ScanArchive(const DataRoot& dataRoot, ArchiveEntries& entries, std::uint64_t generation,
                        ScanProgress* progress, const std::atomic<bool>* stopRequested,
                        const ScanStepHandler& onStep) {
    const auto superseded = [&] {
        return (stopRequested != nullptr && stopRequested->load(std::memory_order_relaxed)) ||
               !entries.IsCurrent(generation);
    };
    if (progress != nullptr) {
        progress->filesRead.store(0, std::memory_order_relaxed);
        progress->filesListed.store(0, std::memory_order_relaxed);
        progress->generation.store(generation, std::memory_order_relaxed);
    }

    // The folders are made once for the scan; reading a file never needs to create one.
    const std::filesystem::path folder = dataRoot.DataDirectory();
    EnsureDirectory(dataRoot.Root());
    EnsureDirectory(folder);

    const std::vector<std::string> names = ListArchiveFiles(folder);
    // Each file is read anyway: checking it against its line costs only its digest.
    const ManifestRead manifest = ReadManifest(folder);
    if (progress != nullptr)
        progress->filesListed.store(names.size(), std::memory_order_relaxed);
    const std::size_t filesPerStep = std::max<std::size_t>(1, (names.size() + 99) / 100);
    if (onStep)
        onStep(0, names.size());
    // The folder is opened once and each file found by its name within it. A folder that
    // cannot be opened now (it vanished after the listing) leaves every entry with its name.
    const FileHandle openFolder(
        names.empty() ? -1 : ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));

    std::size_t filesRead = 0;
    for (const std::string& name : names) {
        if (superseded())
            return ScanOutcome::Superseded;
        ArchiveEntry entry;
        entry.fileName = DisplayFileName(name);
        entry.storedName = name;
        // The file is read without the lock; the lock is taken only for the append.
        ReadArchiveEntryAt(openFolder.Get(), entry, &manifest.entries);
        if (!entries.Append(generation, std::move(entry)))
            return ScanOutcome::Superseded;
        ++filesRead;
        if (progress != nullptr)
            progress->filesRead.store(filesRead, std::memory_order_relaxed);
        if (onStep && filesRead % filesPerStep == 0)
            onStep(filesRead, names.size());
    }
    return entries.FinishScan(generation) ? ScanOutcome::Finished : ScanOutcome::Superseded;
}

}  // namespace velka
