// The program around the window: its options and folders, one copy per user (a second copy
// started while the first runs only warns), and the end of a run (settings written).

#include "app/app_options.h"
#include "app/app_paths.h"
#include "app/instance_lock.h"
#include "app/velka_program.h"
#include "child_process.h"
#include "scripted_messages.h"
#include "storage/file_io.h"
#include "temp_dir.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace velka {
namespace {

using testing::ChildProcess;
using testing::ScriptedMessages;
using testing::TempDir;

TEST(AppOptions, ParsesTheCommandLine) {
    struct Case {
        std::vector<std::string> arguments;
        std::string expected;  // the options in short, or "error: ..."
    };
    const auto describe = [](const std::variant<AppOptions, OptionsError>& parsed) {
        if (const auto* error = std::get_if<OptionsError>(&parsed))
            return "error: " + error->message;
        const AppOptions& o = std::get<AppOptions>(parsed);
        std::string text;
        text += o.help ? "help " : "";
        text += o.version ? "version " : "";
        text += o.demo ? "demo " : "";
        text += o.dataRoot ? "root=" + o.dataRoot->string() + " " : "";
        text += o.configFile ? "config=" + o.configFile->string() + " " : "";
        text += o.referenceFolder ? "reftable=" + o.referenceFolder->string() + " " : "";
        text += o.now ? "now=" + std::to_string(*o.now) + " " : "";
        return text;
    };
    const Case cases[] = {
        {{}, ""},
        {{"--demo", "--data-root", "/d", "--config", "c.ini", "--reftable", "t", "--now", "5"},
         "demo root=/d config=c.ini reftable=t now=5 "},
        {{"--help"}, "help "},
        {{"--version"}, "version "},
        {{"--now", "-1"}, "error: --now takes a whole number of seconds from 0 to 17179869180"},
        {{"--now", "12x"}, "error: --now takes a whole number of seconds from 0 to 17179869180"},
        {{"--data-root"}, "error: --data-root needs a value"},
        {{"--config", ""}, "error: --config needs a value"},
        {{"shipment.bin"}, "error: unknown argument shipment.bin"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(ParseAppOptions(c.arguments)), c.expected) << c.arguments.size();
}

TEST(AppPaths, FollowTheEnvironment) {
    AppEnvironment environment;
    environment.home = "/home/ada";
    EXPECT_EQ(DefaultConfigFile(environment), "/home/ada/.config/velka/config.ini");
    EXPECT_EQ(InstanceLockFile(environment), "/home/ada/.cache/velka/velka.lock");
    EXPECT_EQ(DefaultDemoDataRoot(environment).Root(), "/home/ada/Calderwyn-demo");

    environment.xdgConfigHome = "relative/ignored";
    environment.xdgCacheHome = "relative/ignored";
    EXPECT_EQ(DefaultConfigFile(environment), "/home/ada/.config/velka/config.ini");
    EXPECT_EQ(InstanceLockFile(environment), "/home/ada/.cache/velka/velka.lock");

    environment.xdgCacheHome = "/cache";
    EXPECT_EQ(InstanceLockFile(environment), "/cache/velka/velka.lock");

    environment.xdgConfigHome = "/cfg";
    environment.xdgRuntimeDir = "/run/user/1000";
    EXPECT_EQ(DefaultConfigFile(environment), "/cfg/velka/config.ini");
    EXPECT_EQ(InstanceLockFile(environment), "/run/user/1000/velka.lock");
}

// Sets environment variables for the programs a test starts, and puts them back afterwards.
class ScopedEnvironment {
public:
    void Set(const char* name, const std::string& value) {
        const char* previous = std::getenv(name);
        saved_.emplace_back(name, previous ? std::optional<std::string>(previous) : std::nullopt);
        ::setenv(name, value.c_str(), 1);
    }
    void Unset(const char* name) {
        Set(name, "");
        ::unsetenv(name);
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                ::unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Without a runtime folder the lock is kept in the user's cache folder, made for it and private.
TEST(SingleInstance, ASecondCopyOnlyWarnsAndTheFirstRunsOn) {
    TempDir dir;
    const auto lockFolder = dir / "cache" / "velka";
    ScopedEnvironment environment;
    environment.Set("HOME", dir.Path().string());
    environment.Unset("XDG_RUNTIME_DIR");
    environment.Set("XDG_CACHE_HOME", (dir / "cache").string());
    environment.Set("QT_QPA_PLATFORM", "offscreen");
    const auto firstConfig = dir / "first.ini";
    std::ofstream(firstConfig) << "[Velka]\nShow infomation timeout=50\n";

    ChildProcess first(VELKA_TEST_VELKA_PATH,
                       {"--demo", "--data-root", (dir / "first").string(), "--config",
                        firstConfig.string(), "--now", "1700000000"});
    // The demo logger's memory is written once the first copy holds the lock.
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "first/demo/logger.bin"); },
                        std::chrono::seconds(20)))
        << first.Err();

    ScriptedMessages messages;
    AppOptions second;
    second.configFile = dir / "second.ini";
    second.dataRoot = dir / "second";
    AppEnvironment secondEnvironment = AppEnvironment::OfProcess();
    EXPECT_EQ(RunVelka(second, secondEnvironment, messages), 0);
    EXPECT_EQ(messages.shown, (std::vector<testing::ShownMessage>{
                                  {kAlreadyRunningText.source, "Warning", MessageIcon::Warning}}));
    EXPECT_FALSE(std::filesystem::exists(dir / "second.ini"));
    EXPECT_FALSE(std::filesystem::exists(dir / "second"));
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(std::filesystem::is_regular_file(lockFolder / "velka.lock"));
    EXPECT_EQ(std::filesystem::status(lockFolder).permissions(), std::filesystem::perms::owner_all);

    // The first copy ends as its close button ends it: settings written, lock released.
    first.Signal(SIGTERM);
    EXPECT_EQ(first.Wait(20000), 0) << first.Err();
    const std::string written = ReadWholeFile(firstConfig).value_or("");
    for (const char* key :
         {"Check WP Enable=0\n", "Product Info=", "Company Info=", "Show infomation timeout=50\n"})
        EXPECT_NE(written.find(key), std::string::npos) << key;
    EXPECT_EQ(InstanceLock(lockFolder / "velka.lock").Result(), InstanceLock::Outcome::Acquired);
}

TEST(SingleInstance, TheLockIsPerFileAndDropsWithItsHolder) {
    TempDir dir;
    auto held = std::make_unique<InstanceLock>(dir / "velka.lock");
    EXPECT_EQ(held->Result(), InstanceLock::Outcome::Acquired);
    EXPECT_EQ(InstanceLock(dir / "velka.lock").Result(), InstanceLock::Outcome::HeldByAnotherCopy);
    held.reset();
    EXPECT_EQ(InstanceLock(dir / "velka.lock").Result(), InstanceLock::Outcome::Acquired);
    // No folder to lock in: the program runs unguarded rather than not at all.
    EXPECT_EQ(InstanceLock(dir / "missing" / "velka.lock").Result(),
              InstanceLock::Outcome::Unavailable);
    // A link planted under the lock's name is not followed.
    std::filesystem::create_symlink(dir / "elsewhere", dir / "planted.lock");
    EXPECT_EQ(InstanceLock(dir / "planted.lock").Result(), InstanceLock::Outcome::Unavailable);
    EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere"));
}

}  // namespace
}  // namespace velka
