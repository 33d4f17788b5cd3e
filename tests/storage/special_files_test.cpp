// What the staged writer and the bounded reads do with anything but a plain regular file: pipes,
// devices, folders and links; the modes of new and replaced files; the temporary file of a
// program ended by a signal, and the sweep of those left by a program killed outright.

#include "services/clock.h"
#include "storage/exclusive_lock.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"
#include "storage/staged_file.h"
#include "temp_dir.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velka {
namespace {

using testing::TempDir;

std::vector<std::string> NamesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t KindOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}

mode_t ModeOf(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0;
}

// Reads a pipe to its end on another thread, as the program at its other end would.
std::future<std::string> ReadPipe(const std::filesystem::path& fifo) {
    return std::async(std::launch::async, [fifo] {
        std::ifstream in(fifo, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    });
}

TEST(StagedWrite, ANonRegularTargetIsWrittenAndStaysWhatItIs) {
    const TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", dir / "null");
    std::filesystem::create_symlink(dir / "pipe", dir / "to-pipe");
    std::filesystem::create_directory(dir / "folder");
    const struct {
        const char* name;
        bool readAsPipe;
        mode_t kind;
        std::errc error;
    } cases[] = {
        {"pipe", true, S_IFIFO, {}},
        {"to-pipe", true, S_IFLNK, {}},
        {"null", false, S_IFLNK, {}},
        {"folder", false, S_IFDIR, std::errc::is_a_directory},
    };
    for (const auto& c : cases) {
        std::future<std::string> received;
        if (c.readAsPipe)
            received = ReadPipe(dir / "pipe");
        const std::error_code error =
            WriteFileAtomically(dir / c.name, std::string_view("through"));
        EXPECT_EQ(error.value(), std::make_error_code(c.error).value()) << c.name;
        if (c.readAsPipe) {
            EXPECT_EQ(received.get(), "through") << c.name;
        }
        EXPECT_EQ(KindOf(dir / c.name), c.kind) << c.name;
    }
    EXPECT_EQ(KindOf("/dev/null"), S_IFCHR);
    EXPECT_EQ(NamesIn(dir.Path()), (std::vector<std::string>{"folder", "null", "pipe", "to-pipe"}));
}

TEST(StagedWrite, ALinkIsFollowedAndStaysALink) {
    const TempDir dir;
    std::filesystem::create_directory(dir / "reports");
    std::ofstream(dir / "reports" / "real.pdf") << "old";
    ::chmod((dir / "reports" / "real.pdf").c_str(), 0640);
    const struct {
        const char* link;
        std::filesystem::path pointsTo;
        std::filesystem::path written;
    } cases[] = {
        {"absolute.pdf", dir / "reports" / "real.pdf", dir / "reports" / "real.pdf"},
        {"relative.pdf", "reports/real.pdf", dir / "reports" / "real.pdf"},
        {"chain.pdf", "absolute.pdf", dir / "reports" / "real.pdf"},
        {"dangling.pdf", "reports/new.pdf", dir / "reports" / "new.pdf"},
    };
    for (const auto& c : cases) {
        std::filesystem::create_symlink(c.pointsTo, dir / c.link);
        ASSERT_FALSE(WriteFileAtomically(dir / c.link, std::string(c.link))) << c.link;
        EXPECT_EQ(KindOf(dir / c.link), S_IFLNK) << c.link;
        EXPECT_EQ(std::filesystem::read_symlink(dir / c.link), c.pointsTo) << c.link;
        EXPECT_EQ(*ReadWholeFile(c.written), c.link) << c.link;
    }
    EXPECT_EQ(ModeOf(dir / "reports" / "real.pdf"), 0640u);
    EXPECT_EQ(NamesIn(dir / "reports"), (std::vector<std::string>{"new.pdf", "real.pdf"}));

    std::filesystem::create_symlink("loop-b", dir / "loop-a");
    std::filesystem::create_symlink("loop-a", dir / "loop-b");
    EXPECT_EQ(WriteFileAtomically(dir / "loop-a", std::string_view("x")),
              std::errc::too_many_symbolic_link_levels);
}

TEST(StagedWrite, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
    const struct {
        mode_t umask;
        std::optional<mode_t> existing;
        mode_t expected;
    } cases[] = {
        {022, std::nullopt, 0644}, {077, std::nullopt, 0600}, {002, std::nullopt, 0664},
        {022, 0600, 0600},         {077, 0664, 0664},         {022, 0750, 0750},
    };
    for (const auto& c : cases) {
        const TempDir dir;
        const auto path = dir / "report.pdf";
        if (c.existing) {
            std::ofstream(path) << "earlier";
            ::chmod(path.c_str(), *c.existing);
        }
        const mode_t saved = ::umask(c.umask);
        const std::error_code error = WriteFileAtomically(path, std::string_view("new"));
        ::umask(saved);
        ASSERT_FALSE(error);
        EXPECT_EQ(ModeOf(path), c.expected) << std::oct << c.umask << " " << c.existing.value_or(0);
    }
}

// A child half writes a report and waits; the signal must end it as it would have ended without
// us. An anonymous staged file is gone with the program whatever ends it; a named one is removed
// by the program on the signals it can catch, and left for the sweep by a kill.
TEST(StagedWrite, AProgramEndedMidWriteLeavesNothingButWhatTheSweepClears) {
    using Staging = StagedFile::Staging;
    const struct {
        Staging staging;
        int signalNumber;
        std::size_t leftBehind;
    } cases[] = {
        {Staging::Anonymous, SIGINT, 0}, {Staging::Anonymous, SIGTERM, 0},
        {Staging::Anonymous, SIGHUP, 0}, {Staging::Anonymous, SIGKILL, 0},
        {Staging::Named, SIGINT, 0},     {Staging::Named, SIGTERM, 0},
        {Staging::Named, SIGHUP, 0},     {Staging::Named, SIGKILL, 1},
    };
    for (const auto& c : cases) {
        const TempDir dir;
        int channel[2];
        ASSERT_EQ(::pipe(channel), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(channel[0]);
            StagedFile staged(dir / "report.pdf", c.staging);
            const bool written =
                !staged.Error() && std::ofstream(staged.TemporaryPath())
                                       .write(std::string(700000, 'x').data(), 700000);
            if (!written || ::write(channel[1], "w", 1) != 1)
                ::_exit(3);
            for (;;)
                ::pause();
        }
        ::close(channel[1]);
        char ready = 0;
        ASSERT_EQ(::read(channel[0], &ready, 1), 1);
        ::close(channel[0]);

        ::kill(child, c.signalNumber);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signalNumber) << c.signalNumber;
        const std::vector<std::string> left = NamesIn(dir.Path());
        EXPECT_EQ(left.size(), c.leftBehind) << c.signalNumber;
        for (const std::string& name : left) {
            EXPECT_EQ(name.rfind(".report.pdf.", 0), 0u) << name;
            EXPECT_EQ(SweepStaleStagedFiles(dir.Path(), MachineClock().Now() + 7200), 1u);
        }
    }
}

// A file that must not replace anything takes its name only when the name is free, whichever
// way it was staged; what holds the name stays as it was.
TEST(StagedWrite, ANewFileNeverReplacesWhatHasItsName) {
    using Staging = StagedFile::Staging;
    for (const Staging staging : {Staging::Anonymous, Staging::Named}) {
        const TempDir dir;
        std::ofstream(dir / "taken.bin") << "earlier";
        std::filesystem::create_symlink("missing.bin", dir / "dangling.bin");
        const struct {
            const char* name;
            bool created;
        } cases[] = {{"free.bin", true}, {"taken.bin", false}, {"dangling.bin", false}};
        for (const auto& c : cases) {
            StagedFile staged(dir / c.name, staging);
            ASSERT_FALSE(staged.Error()) << c.name;
            std::ofstream(staged.TemporaryPath()) << "new";
            const std::error_code error = staged.CommitAsNew();
            EXPECT_EQ(!error, c.created) << c.name;
            if (!c.created) {
                EXPECT_EQ(error, std::errc::file_exists) << c.name;
            }
        }
        EXPECT_EQ(*ReadWholeFile(dir / "free.bin"), "new");
        EXPECT_EQ(*ReadWholeFile(dir / "taken.bin"), "earlier");
        EXPECT_EQ(KindOf(dir / "dangling.bin"), S_IFLNK);
        EXPECT_EQ(NamesIn(dir.Path()),
                  (std::vector<std::string>{"dangling.bin", "free.bin", "taken.bin"}));
    }
}

// Locks between programs: one holder at a time for a file, a folder or a device node; a
// waiter takes the lock once its holder lets go, and gives up after its patience.
TEST(ExclusiveLocks, OneHolderAtATimeAndABoundedWait) {
    const TempDir dir;
    std::ofstream(dir / "logger.bin") << "memory";
    for (const std::filesystem::path& path :
         {dir / "logger.bin", dir.Path(), std::filesystem::path("/dev/null")}) {
        ExclusiveLock first(path);
        ASSERT_TRUE(first.Held()) << path;
        EXPECT_TRUE(ExclusiveLock(path).Busy()) << path;

        int waits = 0;
        const ExclusiveLock waited = WaitForLock(path, std::chrono::seconds(10), [&](auto) {
            if (++waits == 3)
                first.Release();
        });
        EXPECT_TRUE(waited.Held()) << path;
        EXPECT_EQ(waits, 3) << path;

        waits = 0;
        const ExclusiveLock gaveUp =
            WaitForLock(path, std::chrono::seconds(10), [&](auto) { ++waits; });
        EXPECT_TRUE(gaveUp.Busy()) << path;
        EXPECT_EQ(waits, 100) << path;
    }
    const ExclusiveLock missing(dir / "missing");
    EXPECT_FALSE(missing.Held());
    EXPECT_EQ(missing.Error(), std::errc::no_such_file_or_directory);
}

TEST(StagedWrite, TheSweepRemovesOnlyStagedFilesOlderThanAnHour) {
    const TempDir dir;
    constexpr std::int64_t kNow = 1800000000;
    const auto place = [&](const std::string& name, std::int64_t ageSeconds) {
        std::ofstream(dir / name) << "partial";
        const timespec times[2] = {{kNow - ageSeconds, 0}, {kNow - ageSeconds, 0}};
        ::utimensat(AT_FDCWD, (dir / name).c_str(), times, AT_SYMLINK_NOFOLLOW);
    };
    place(".A1B2_2018.bin.Xy3zQ9.velka-staged", 3601);  // left by a killed program
    place(".graph.bmp.000000.velka-staged", 7200);      // likewise
    place(".A1B2_2018.bin.Kp4mR2.velka-staged", 600);   // still being written
    place(".A1B2_2018.bin.Kp4mR.velka-staged", 7200);   // not our pattern: five letters
    place("A1B2_2018.bin.Kp4mR2.velka-staged", 7200);   // not hidden
    place(".A1B2_2018.bin.Kp4mR2", 7200);               // another program's
    std::filesystem::create_symlink("/etc/hostname", dir / ".x.bin.Qw3rty.velka-staged");
    std::filesystem::create_directory(dir / ".y.bin.Qw3rty.velka-staged");

    EXPECT_EQ(SweepStaleStagedFiles(dir.Path(), kNow), 2u);
    EXPECT_EQ(NamesIn(dir.Path()),
              (std::vector<std::string>{
                  ".A1B2_2018.bin.Kp4mR.velka-staged", ".A1B2_2018.bin.Kp4mR2",
                  ".A1B2_2018.bin.Kp4mR2.velka-staged", ".x.bin.Qw3rty.velka-staged",
                  ".y.bin.Qw3rty.velka-staged", "A1B2_2018.bin.Kp4mR2.velka-staged"}));
    EXPECT_EQ(SweepStaleStagedFiles(dir / "missing", kNow), 0u);
}

// Reading stops at what cannot end (a pipe, a device) or is too large, with the reason.
TEST(BoundedRead, OnlyRegularFilesWithinTheirLimit) {
    const TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::ofstream(dir / "limit.json") << std::string(100, 'x');
    std::ofstream(dir / "over.json") << std::string(101, 'x');
    std::filesystem::create_symlink("limit.json", dir / "link.json");
    std::filesystem::create_directory(dir / "folder");
    const struct {
        std::filesystem::path path;
        std::string reason;  // empty: read
    } cases[] = {
        {dir / "limit.json", ""},
        {dir / "link.json", ""},
        {dir / "over.json", "File too large"},
        {dir / "pipe", "Not a regular file"},
        {"/dev/zero", "Not a regular file"},
        {dir / "folder", "Is a directory"},
        {dir / "missing.json", "No such file or directory"},
    };
    for (const auto& c : cases) {
        std::error_code error;
        const auto text = ReadWholeFile(c.path, 100, &error);
        EXPECT_EQ(text.has_value(), c.reason.empty()) << c.path;
        EXPECT_EQ(error ? error.message() : "", c.reason) << c.path;

        LoggerImage image{};
        error.clear();
        // None of these regular files is a whole image.
        EXPECT_FALSE(ReadImageFile(c.path, image, &error)) << c.path;
        const bool regular = c.reason.empty() || c.reason == "File too large";
        EXPECT_EQ(error.message(), regular ? "not a complete logger image" : c.reason) << c.path;
    }
    EXPECT_EQ(DescribeFileError("missing.json",
                                std::make_error_code(std::errc::no_such_file_or_directory)),
              "missing.json: No such file or directory");
}

// Tables that would give nonsense temperatures are refused with the file and the reason.
TEST(ReferenceFiles, TablesThatCannotConvertAreRefusedWithTheReason) {
    std::string complete;
    for (int row = 0; row < 1001; ++row)
        complete +=
            std::to_string(row * 0.1 - 30.0) + "    " + std::to_string(200.0 - row * 0.19) + "\n";
    const auto replaceLine = [&](int line, const std::string& text) {
        std::string changed = complete;
        std::size_t start = 0;
        for (int i = 1; i < line; ++i)
            start = changed.find('\n', start) + 1;
        changed.replace(start, changed.find('\n', start) - start, text);
        return changed;
    };
    const struct {
        const char* what;
        std::optional<std::string> middle;  // nothing: no file
        std::string problem;
    } cases[] = {
        {"complete", complete, ""},
        {"longer", complete + "70.1    1.0\n70.2    0.9\n", ""},
        {"missing", std::nullopt, "middle.txt: No such file or directory"},
        {"short", complete.substr(0, complete.find("-29.0")), "middle.txt: 10 of 1001 rows"},
        {"not numbers", replaceLine(12, "twelve"), "middle.txt: row 12 holds no resistance"},
        {"NaN", replaceLine(3, "-29.8    nan"),
         "middle.txt: row 3 holds a resistance that is not a number"},
        {"infinite", replaceLine(1001, "inf    0.5"),
         "middle.txt: row 1001 holds a temperature that is not a number"},
        {"zero", replaceLine(500, "19.9    0"), "middle.txt: row 500 holds no resistance"},
    };
    for (const auto& c : cases) {
        const TempDir dir;
        std::ofstream(dir / "high.txt") << complete;
        std::ofstream(dir / "low.txt") << complete;
        if (c.middle)
            std::ofstream(dir / "middle.txt") << *c.middle;
        const LoadedReferenceTables tables = LoadReferenceTables(dir.Path());
        EXPECT_EQ(tables.problem, c.problem) << c.what;
        EXPECT_EQ(tables.Usable(), c.problem.empty()) << c.what;
        if (!c.problem.empty()) {
            EXPECT_EQ(tables.ProblemText(), "The reference tables in " + dir.Path().string() +
                                                " cannot be used: " + c.problem);
        }
    }
}

}  // namespace
}  // namespace velka
