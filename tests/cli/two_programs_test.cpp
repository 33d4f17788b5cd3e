// Two velka-cli programs at once on one machine, as at a dock where the window, `watch --read`
// and a script run side by side: one program per logger, an archive that keeps every recording
// whoever writes into it, and file ages judged by the real clock.

#include "child_process.h"
#include "cli_fixture.h"
#include "record/logger_image.h"
#include "storage/file_io.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/stat.h>
#include <thread>

namespace velka::testing {
namespace {

// 2018-05-04 09:07:05 UTC.
constexpr const char* kStart = "1525424825";
const std::string kInUse = "The logger is in use by another program\n";

// Whether some process holds an flock on the file, seen in /proc/locks without taking the lock:
// a probe that took it, even for an instant, could make the program under test find it busy.
bool SomeoneHoldsAnFlockOn(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return false;
    const std::string inode = ":" + std::to_string(status.st_ino) + " ";
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);)
        if (line.find("FLOCK") != std::string::npos && line.find(inode) != std::string::npos)
            return true;
    return false;
}

class TwoPrograms : public CliTest {
protected:
    TwoPrograms() {
        ::setenv("TZ", "UTC0", 1);
        ::tzset();
    }

    std::vector<std::string> WithGlobals(std::vector<std::string> arguments) const {
        const std::vector<std::string> globals = Globals();
        arguments.insert(arguments.end(), globals.begin(), globals.end());
        return arguments;
    }

    std::filesystem::path Data() const { return Dir() / "root" / "Data"; }

    std::vector<LoggerImage> Archived() const {
        std::vector<LoggerImage> images;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Data(), error)) {
            if (entry.path().extension() != ".bin")
                continue;  // the manifest
            LoggerImage image{};
            EXPECT_EQ(ReadImageFile(entry.path(), image), kImageSize) << entry.path();
            images.push_back(image);
        }
        return images;
    }
};

// Two loggers whose recordings have one name (the same serial number and start under other
// settings), read at the same moment, again and again: both recordings are always kept, both
// in the manifest, and the audit log's chain never forks.
TEST_F(TwoPrograms, RecordingsOfOneNameReadAtOnceAreBothKept) {
    const std::string first = Synth("first.bin", {"--start", kStart});
    LoggerImage other{};
    ASSERT_EQ(ReadImageFile(first, other), kImageSize);
    other[kSettingsBlockOffset + 0x90] ^= 0x01;  // a letter of the delivery company
    const std::string second = (Dir() / "second.bin").string();
    ASSERT_FALSE(WriteFileAtomically(second, other));

    for (int round = 0; round < 12; ++round) {
        std::filesystem::remove_all(Data());
        ChildProcess a(CliPath(), WithGlobals({"read", "--emulate", first}));
        ChildProcess b(CliPath(), WithGlobals({"read", "--emulate", second}));
        ASSERT_EQ(a.Wait(30000), 0) << a.Err();
        ASSERT_EQ(b.Wait(30000), 0) << b.Err();
        std::vector<LoggerImage> archived = Archived();
        ASSERT_EQ(archived.size(), 2u) << "round " << round;
        LoggerImage firstImage{};
        ReadImageFile(first, firstImage);
        EXPECT_TRUE((archived[0] == firstImage && archived[1] == other) ||
                    (archived[1] == firstImage && archived[0] == other))
            << "round " << round;
        const CliResult verify = Run({"verify"});
        EXPECT_EQ(verify.exitCode, 0) << "round " << round << ": " << verify.out;
    }
    // Two downloads and a verify a round, one chain.
    std::ifstream log(Dir() / "root" / "audit.jsonl");
    std::size_t lines = 0;
    for (std::string line; std::getline(log, line);)
        ++lines;
    EXPECT_EQ(lines, 36u);
}

// What the user starts on a logger that another program holds is refused at once, archives
// nothing and leaves the logger as it was.
TEST_F(TwoPrograms, ASecondProgramOnOneLoggerIsRefused) {
    const std::string logger = Synth("logger.bin", {"--start", kStart});
    const std::string settings = WriteFile("settings.json", R"({"transportNumber": "T-1"})");
    const std::string dump = (Dir() / "dump.bin").string();
    const std::string memory = ReadFile(logger);

    // A real second velka-cli: a slow read holds the logger for about two seconds.
    ChildProcess holder(CliPath(),
                        WithGlobals({"read", "--emulate", logger, "--scenario", "slow"}));
    // A loaded machine (the sanitizer build beside the fuzzers) may take long to start it.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!SomeoneHoldsAnFlockOn(logger) && holder.Running() &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(SomeoneHoldsAnFlockOn(logger)) << holder.Err();
    // All three at once, while the holder still reads (a slow build must not outlast it).
    const std::vector<std::string> commands[] = {{"read"}, {"erase"}, {"write-settings", settings}};
    std::vector<std::unique_ptr<ChildProcess>> refused;
    for (const std::vector<std::string>& command : commands) {
        std::vector<std::string> arguments = command;
        arguments.insert(arguments.end(), {"--emulate", logger, "--dump", dump + "." + command[0]});
        refused.push_back(std::make_unique<ChildProcess>(CliPath(), WithGlobals(arguments)));
    }
    for (std::size_t i = 0; i < refused.size(); ++i) {
        const std::string& name = commands[i][0];
        EXPECT_EQ(refused[i]->Wait(30000), 1) << name;
        EXPECT_EQ(refused[i]->Err(), kInUse) << name;
        EXPECT_EQ(refused[i]->Out(), "") << name;
        EXPECT_EQ(ReadFile(dump + "." + name), memory) << name;
    }
    EXPECT_TRUE(holder.Running()) << "the refusals came after the holder ended";
    ASSERT_EQ(holder.Wait(30000), 0) << holder.Err();
    ASSERT_EQ(Archived().size(), 1u);
    EXPECT_EQ(Archived()[0], [&] {
        LoggerImage image{};
        ReadImageFile(logger, image);
        return image;
    }());
}

// Staged files are judged by their real age: a scan whose clock (--now) runs hours ahead keeps
// a live writer's staged file and removes only one that is really old.
TEST_F(TwoPrograms, TheSweepGoesByTheRealClockNotByNow) {
    std::filesystem::create_directories(Data());
    const std::int64_t realNow = std::time(nullptr);
    const auto place = [&](const std::string& name, std::int64_t ageSeconds) {
        WriteFile("root/Data/" + name, "partial");
        const timespec times[2] = {{realNow - ageSeconds, 0}, {realNow - ageSeconds, 0}};
        ::utimensat(AT_FDCWD, (Data() / name).c_str(), times, 0);
    };
    place(".A.bin.Live01.velka-staged", 60);
    place(".A.bin.Old001.velka-staged", 3 * 3600);
    const CliResult result = RunCli({"scan", "--data-root", (Dir() / "root").string(), "--now",
                                     std::to_string(realNow + 6 * 3600)});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(std::filesystem::exists(Data() / ".A.bin.Live01.velka-staged"));
    EXPECT_FALSE(std::filesystem::exists(Data() / ".A.bin.Old001.velka-staged"));
}

}  // namespace
}  // namespace velka::testing
