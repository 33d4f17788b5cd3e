// Listing the archive folder and scanning it into the entry lists, on the calling thread.

#include "archive/archive_listing.h"
#include "archive/archive_reading.h"
#include "archive/archive_scan.h"
#include "archive_fixtures.h"
#include "temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velka {
namespace {

namespace fs = std::filesystem;
using testing::ImageFields;
using testing::MakeImage;
using testing::WriteBytes;

const std::string kNotUtf8Name = "0A1B\xff\xfe-caf\xc3\xa9.bin";

// A folder of every kind of item the listing meets.
void FillOddFolder(const fs::path& data, const LoggerImage& image) {
    fs::create_directories(data);
    WriteBytes(data / "0A1B2C3D-1.bin", image);
    fs::create_symlink("0A1B2C3D-1.bin", data / "link-to-file.bin");
    WriteBytes(data / "short.bin", std::span<const std::uint8_t>(image).first(100));
    WriteBytes(data / kNotUtf8Name, image);
    WriteBytes(data / "upper.BIN", image);  // copied from another system
    WriteBytes(data / "mixed.Bin", image);
    WriteBytes(data / ".hidden.bin", image);
    WriteBytes(data / ".bin", image);
    WriteBytes(data / "notes.bin.txt", image);
    WriteBytes(data / "bin", image);
    fs::create_directory(data / "folder.bin");
    fs::create_directory(data / "elsewhere");
    fs::create_directory_symlink("elsewhere", data / "link-to-folder.bin");
    fs::create_symlink("missing-target", data / "dangling.bin");
    ASSERT_EQ(::mkfifo((data / "pipe.bin").c_str(), 0644), 0);
}

const std::vector<std::string> kListedNames = {"0A1B2C3D-1.bin", "link-to-file.bin", "short.bin",
                                               kNotUtf8Name,     "upper.BIN",        "mixed.Bin"};

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ArchiveListing, ListsOnlyRegularBinFilesThatAreNotHidden) {
    testing::TempDir root;
    FillOddFolder(root / "Data", MakeImage({}));
    EXPECT_EQ(Sorted(ListArchiveFiles(root / "Data")), Sorted(kListedNames));
    EXPECT_TRUE(ListArchiveFiles(root / "missing").empty());
}

TEST(ArchiveListing, ShowsNamesThatAreNotUtf8WithReplacementCharacters) {
    EXPECT_EQ(DisplayFileName(kNotUtf8Name), u"0A1B\uFFFD\uFFFD-café.bin");
    EXPECT_EQ(DisplayFileName("Kühlung.bin"), u"Kühlung.bin");
}

TEST(ArchiveScan, MakesAMissingFolderAndFinishesEmpty) {
    testing::TempDir temp;
    const DataRoot dataRoot(temp / "Calderwyn");
    ArchiveEntries entries;
    const std::uint64_t generation = entries.BeginScan();
    EXPECT_EQ(ScanArchive(dataRoot, entries, generation), ScanOutcome::Finished);
    EXPECT_TRUE(fs::is_directory(dataRoot.DataDirectory()));
    auto locked = entries.Lock();
    EXPECT_TRUE(locked.allEntries.empty());
    EXPECT_TRUE(locked.shownEntries.empty());
}

TEST(ArchiveScan, AFolderThatCannotBeMadeFinishesEmpty) {
    testing::TempDir temp;
    WriteBytes(temp / "Calderwyn", {});  // a file where the data root should be
    ArchiveEntries entries;
    const std::uint64_t generation = entries.BeginScan();
    EXPECT_EQ(ScanArchive(DataRoot(temp / "Calderwyn"), entries, generation),
              ScanOutcome::Finished);
    EXPECT_TRUE(entries.Lock().shownEntries.empty());
}

TEST(ArchiveScan, EveryListedFileBecomesAnEntryInListingOrder) {
    testing::TempDir temp;
    const DataRoot dataRoot(temp.Path());
    ImageFields fields;
    fields.deliveryCompany = u"Cold Line";
    FillOddFolder(dataRoot.DataDirectory(), MakeImage(fields));

    ArchiveEntries entries;
    ScanProgress progress;
    const std::uint64_t generation = entries.BeginScan();
    ASSERT_EQ(ScanArchive(dataRoot, entries, generation, &progress), ScanOutcome::Finished);
    EXPECT_EQ(progress.filesListed.load(), kListedNames.size());
    EXPECT_EQ(progress.filesRead.load(), kListedNames.size());

    // The order of the directory listing, with the other items left out.
    std::vector<std::string> listingOrder;
    for (const fs::directory_entry& item : fs::directory_iterator(dataRoot.DataDirectory())) {
        const std::string name = item.path().filename().string();
        if (std::find(kListedNames.begin(), kListedNames.end(), name) != kListedNames.end())
            listingOrder.push_back(name);
    }
    auto locked = entries.Lock();
    ASSERT_EQ(locked.allEntries.size(), listingOrder.size());
    EXPECT_EQ(locked.shownEntries, locked.allEntries);
    for (std::size_t i = 0; i < listingOrder.size(); ++i) {
        const ArchiveEntry& entry = locked.allEntries[i];
        EXPECT_EQ(entry.storedName, listingOrder[i]);
        EXPECT_EQ(entry.fileName, DisplayFileName(listingOrder[i]));
        const bool readable = listingOrder[i] != "short.bin";
        EXPECT_EQ(entry.deliveryCompany, readable ? u"Cold Line" : u"") << listingOrder[i];
        EXPECT_EQ(entry.startTime != 0, readable) << listingOrder[i];
    }
    // The name that is not UTF-8 still loads by its bytes.
    const auto odd =
        std::find_if(locked.allEntries.begin(), locked.allEntries.end(),
                     [](const ArchiveEntry& e) { return e.storedName == kNotUtf8Name; });
    ASSERT_NE(odd, locked.allEntries.end());
    EXPECT_TRUE(fs::is_regular_file(StoredImagePath(dataRoot.DataDirectory(), *odd)));
}

TEST(ArchiveScan, TwoScansInARowLeaveWhatOneLeaves) {
    testing::TempDir temp;
    const DataRoot dataRoot(temp.Path());
    testing::WriteManyImages(dataRoot.DataDirectory(), MakeImage({}), 40);
    ArchiveEntries entries;
    ScanArchive(dataRoot, entries, entries.BeginScan());
    const std::vector<ArchiveEntry> once = entries.Lock().allEntries;
    ScanArchive(dataRoot, entries, entries.BeginScan());
    EXPECT_EQ(once.size(), 40u);
    EXPECT_EQ(entries.Lock().allEntries, once);
    EXPECT_EQ(entries.Lock().shownEntries, once);
}

TEST(ArchiveScan, AStaleOrStoppedScanChangesNothing) {
    testing::TempDir temp;
    const DataRoot dataRoot(temp.Path());
    testing::WriteManyImages(dataRoot.DataDirectory(), MakeImage({}), 5);
    ArchiveEntries entries;
    const std::uint64_t stale = entries.BeginScan();
    entries.BeginScan();
    EXPECT_EQ(ScanArchive(dataRoot, entries, stale), ScanOutcome::Superseded);
    EXPECT_TRUE(entries.Lock().allEntries.empty());

    const std::atomic<bool> stop{true};
    EXPECT_EQ(ScanArchive(dataRoot, entries, entries.CurrentGeneration(), nullptr, &stop),
              ScanOutcome::Superseded);
    EXPECT_TRUE(entries.Lock().allEntries.empty());
    EXPECT_TRUE(entries.Lock().shownEntries.empty());
}

}  // namespace
}  // namespace velka
