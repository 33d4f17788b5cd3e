// The manifest kept by each archive write, and the scan's mark on a recording that no longer
// matches its line.

#include "archive/archive_manifest.h"
#include "archive/archive_reading.h"
#include "archive/archive_scan.h"
#include "archive/archive_store.h"
#include "archive_fixtures.h"
#include "storage/sha256.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velka {
namespace {

namespace fs = std::filesystem;
using testing::ImageFields;
using testing::MakeImage;

TEST(ArchiveManifest, EachStoreKeepsItsLineAndTheScanMarksWhatChangedSince) {
    testing::TempDir root;
    const fs::path data = root / "Data";
    fs::create_directories(data);
    const LoggerImage first = MakeImage({.sampleCount = 100});
    const LoggerImage grown = MakeImage({.sampleCount = 150});  // the same recording, later
    const LoggerImage other = MakeImage({.clockSetTime = 1'710'000'000});

    struct Step {
        const LoggerImage* image;
        ArchiveStoreResult::Status status;
        std::size_t lines;
    };
    using enum ArchiveStoreResult::Status;
    const Step steps[] = {{&first, Written, 1},
                          {&first, AlreadyArchived, 1},
                          {&grown, Written, 1},
                          {&other, Written, 2}};
    for (const Step& step : steps) {
        const ArchiveStoreResult stored = StoreInArchive(data, *step.image, SleepFor);
        ASSERT_EQ(stored.status, step.status) << stored.failure;
        const Manifest manifest = ReadManifest(data).entries;
        EXPECT_EQ(manifest.size(), step.lines);
        // The line holds what the file holds, and the file is read-only.
        EXPECT_EQ(manifest.at(stored.path.filename().string()), *Sha256HexOfFile(stored.path));
        struct stat status {};
        ASSERT_EQ(::stat(stored.path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0222, 0u);
    }

    // One recording changed, one never archived, one cut short.
    const std::vector<std::string> names = [&] {
        std::vector<std::string> listed;
        for (const auto& [name, digest] : ReadManifest(data).entries)
            listed.push_back(name);
        return listed;
    }();
    LoggerImage changed = other;
    changed[9000] ^= 0x01;
    fs::remove(data / names[1]);
    testing::WriteBytes(data / names[1], changed);
    testing::WriteBytes(data / "stranger.bin", first);

    ArchiveEntries entries;
    const std::uint64_t generation = entries.BeginScan();
    ASSERT_EQ(ScanArchive(DataRoot(root.Path()), entries, generation), ScanOutcome::Finished);
    std::map<std::string, bool> marked;
    for (const ArchiveEntry& entry : entries.Lock().allEntries)
        marked[entry.storedName] = entry.changedSinceArchived;
    EXPECT_EQ(marked, (std::map<std::string, bool>{
                          {names[0], false}, {names[1], true}, {"stranger.bin", false}}));

    fs::remove(data / names[0]);
    testing::WriteBytes(data / names[0], std::span<const std::uint8_t>(grown).first(100));
    EXPECT_TRUE(ChangedSinceArchived(ReadManifest(data).entries, names[1], changed));
    ArchiveEntry cut;
    cut.storedName = names[0];
    const Manifest manifest = ReadManifest(data).entries;
    EXPECT_FALSE(ReadArchiveEntry(data, cut, &manifest));
    EXPECT_TRUE(cut.changedSinceArchived);
}

}  // namespace
}  // namespace velka
