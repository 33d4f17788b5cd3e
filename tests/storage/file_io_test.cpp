#include "storage/data_root.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"
#include "temp_dir.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace velka {
namespace {

using testing::TempDir;

std::size_t FilesIn(const std::filesystem::path& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

TEST(AtomicWrite, ReplacesTheWholeFile) {
    const TempDir dir;
    const auto path = dir / "a.bin";
    std::ofstream(path) << "an older, longer content that must not survive";
    ASSERT_FALSE(WriteFileAtomically(path, std::string_view("new")));
    EXPECT_EQ(*ReadWholeFile(path), "new");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicWrite, NamesAsLongAsTheFileSystemAllows) {
    const TempDir dir;
    const auto path = dir / std::string(255, 'r');
    ASSERT_FALSE(WriteFileAtomically(path, std::string_view("long")));
    EXPECT_EQ(*ReadWholeFile(path), "long");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(AtomicWrite, FailureLeavesTheEarlierFileAndNoTemporary) {
    const TempDir dir;
    // A folder in the way of the name: the rename fails after the temporary file was written.
    std::filesystem::create_directory(dir / "taken");
    std::filesystem::create_directory(dir / "taken" / "inside");
    EXPECT_TRUE(WriteFileAtomically(dir / "taken", std::string_view("x")));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
    // A missing folder: nothing to create the temporary file in.
    EXPECT_TRUE(WriteFileAtomically(dir / "missing" / "a.bin", std::string_view("x")));
}

// A write that fails half-way, as on a full disk: the file-size limit makes write() fail with
// EFBIG after the first kilobyte.
TEST(AtomicWrite, FailedWriteKeepsTheEarlierFile) {
    const TempDir dir;
    const auto path = dir / "a.bin";
    std::ofstream(path) << "earlier";

    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::error_code error = WriteFileAtomically(path, std::string(kImageSize, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(*ReadWholeFile(path), "earlier");
    EXPECT_EQ(FilesIn(dir.Path()), 1u);
}

TEST(ImageFile, ReadsOnlyACompleteImage) {
    const TempDir dir;
    std::ofstream(dir / "exact.bin", std::ios::binary) << std::string(kImageSize, '\x11');
    std::ofstream(dir / "long.bin", std::ios::binary) << std::string(kImageSize + 1, '\x22');
    std::ofstream(dir / "short.bin", std::ios::binary) << std::string(10, '\x33');
    LoggerImage image{};
    EXPECT_EQ(ReadImageFile(dir / "exact.bin", image), kImageSize);
    for (const char* name : {"long.bin", "short.bin"}) {
        std::error_code error;
        EXPECT_FALSE(ReadImageFile(dir / name, image, &error)) << name;
        EXPECT_EQ(error.message(), "not a complete logger image") << name;
    }
    EXPECT_EQ(image, [] {
        LoggerImage expected{};
        expected.fill(0x11);
        return expected;
    }());  // the refused files changed nothing
    EXPECT_FALSE(ReadImageFile(dir / "missing.bin", image));
    EXPECT_FALSE(ReadImageFile(dir.Path(), image));  // a folder
}

TEST(DataRoot, FoldersUnderTheRoot) {
    const DataRoot root("/x/Calderwyn");
    EXPECT_EQ(root.DataDirectory(), "/x/Calderwyn/Data");
    EXPECT_EQ(root.CurrentTablePath(), "/x/Calderwyn/reftable/current.txt");

    const char* home = std::getenv("HOME");
    const std::string saved = home ? home : "";
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DataRoot::Default().Root(), "/home/someone/Calderwyn");
    setenv("HOME", saved.c_str(), 1);

    EXPECT_TRUE(std::filesystem::exists(ModuleDirectory()));
}

// The build tree keeps the shipped files beside the program; an installed program finds them in
// ../share/velka.
TEST(DataRoot, ShippedFilesAreFoundBesideTheProgramThenUnderShare) {
    const TempDir dir;
    const std::filesystem::path bin = dir / "usr" / "bin";
    std::filesystem::create_directories(bin / "reftable");
    std::filesystem::create_directories(dir / "usr" / "share" / "velka" / "reftable");
    std::filesystem::create_directories(dir / "usr" / "share" / "velka" / "Help");
    const struct {
        const char* relative;
        std::filesystem::path found;
    } cases[] = {
        {"reftable", bin / "reftable"},  // both: beside wins
        {"Help", dir / "usr" / "share" / "velka" / "Help"},
        {"translations", bin / "translations"},  // neither: where a message points
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFileIn(bin, c.relative), c.found) << c.relative;
}

TEST(DataRoot, EnsureDirectoryAcceptsFoldersOnly) {
    const TempDir dir;
    EXPECT_TRUE(EnsureDirectory(dir / "a" / "Data"));
    EXPECT_TRUE(EnsureDirectory(dir / "a" / "Data"));
    std::ofstream(dir / "file") << "x";
    EXPECT_FALSE(EnsureDirectory(dir / "file"));
}

TEST(DataRoot, AProblemOnlyWhenRecordingsCannotBeKept) {
    const TempDir dir;
    std::ofstream(dir / "file") << "x";
    std::filesystem::create_directories(dir / "withFileData");
    std::ofstream(dir / "withFileData" / "Data") << "x";
    std::filesystem::create_directories(dir / "locked" / "Data");
    std::filesystem::permissions(dir / "locked" / "Data", std::filesystem::perms::owner_read);
    const bool root = ::geteuid() == 0;  // root reads and writes every folder
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {dir / "new", ""},
        {dir.Path(), ""},
        {dir / "file", "cannot be used: Not a directory"},
        {dir / "file" / "below", "cannot be used: Not a directory"},
        {dir / "withFileData",
         "cannot be used: " + MessagePath(dir / "withFileData" / "Data") + ": Not a directory"},
        {dir / "locked",
         root ? ""
              : "cannot be used: " + MessagePath(dir / "locked" / "Data") + ": Permission denied"},
    };
    for (const auto& [path, reason] : cases) {
        const std::optional<std::string> problem = DataRootProblem(DataRoot(path));
        EXPECT_EQ(problem.value_or(""),
                  reason.empty() ? "" : "The data folder " + MessagePath(path) + " " + reason);
    }
    std::filesystem::permissions(dir / "locked" / "Data", std::filesystem::perms::owner_all);
}

TEST(ReferenceFiles, MissingFilesLeaveZeroTablesAndCurrentTableIsWritten) {
    const TempDir dir;
    std::ofstream(dir / "middle.txt") << "-30.0    200.0\n-29.9    199.0\n";
    const ReferenceTables tables = LoadReferenceTables(dir.Path());
    EXPECT_EQ(tables.middle.rows[1].resistance, 199.0);
    EXPECT_EQ(tables.middle.rows[2].resistance, 0.0);
    EXPECT_EQ(tables.high.rows[0].resistance, 0.0);

    // Only into a data root that exists: the file never makes one.
    EXPECT_FALSE(WriteCurrentTable(DataRoot(dir / "missing"), tables.middle));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    const DataRoot root(dir / "root");
    std::filesystem::create_directory(dir / "root");
    EXPECT_TRUE(WriteCurrentTable(root, tables.middle));
    const auto text = ReadWholeFile(root.CurrentTablePath());
    ASSERT_TRUE(text);
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), 1001);
    EXPECT_EQ(text->substr(0, 16), "-30.0    200.000");

    // A file where the reftable folder should be: silently not written.
    const DataRoot blocked(dir / "blocked");
    std::filesystem::create_directory(dir / "blocked");
    std::ofstream(dir / "blocked" / "reftable") << "x";
    EXPECT_FALSE(WriteCurrentTable(blocked, tables.middle));
}

}  // namespace
}  // namespace velka
