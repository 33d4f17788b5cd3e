// The logger through the real Linux HID stack: the kernel's uhid, hid-generic and hidraw
// drivers, hidapi's discovery and transfers, and the kernel's hot-plug events, against
// uhid-logger. Every result is checked against the emulated logger holding the same image.
// This program runs inside the small VM that run-in-vm boots (this machine's own kernel has no
// uhid); anywhere without /dev/uhid it skips.

#include "child_process.h"
#include "cli_runner.h"
#include "device/device_watcher.h"
#include "device/hidapi_transport.h"
#include "record/logger_image.h"
#include "storage/exclusive_lock.h"
#include "temp_dir.h"
#include "test_tables.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <nlohmann/json.hpp>
#include <poll.h>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace velka::testing {
namespace {

using Json = nlohmann::json;
using Clock = std::chrono::steady_clock;

constexpr const char* kStart = "1525424825";  // 2018-05-04 09:07:05 UTC
constexpr const char* kNow = "1765280000";
constexpr const char* kArchiveName = "0A1B2C3D_2018-05-04_09-07-05.bin";
constexpr int kImageReadBlocks = 197;
// Generous bounds for a software-emulated machine; a hang ends the test instead of the VM.
constexpr int kPlugTimeoutMs = 10000;
constexpr int kCommandTimeoutMs = 30000;

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// Two memory images compared with a readable message: their lengths or the first byte apart.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " bytes where " << expected.size() << " were expected";
    const auto [first, second] = std::mismatch(actual.begin(), actual.end(), expected.begin());
    if (first == actual.end())
        return ::testing::AssertionSuccess();
    const auto offset = first - actual.begin();
    const auto last = std::mismatch(actual.rbegin(), actual.rend(), expected.rbegin()).first;
    return ::testing::AssertionFailure()
           << "bytes " << offset << " to " << actual.rend() - last - 1 << " differ; byte " << offset
           << " is " << int(static_cast<unsigned char>(*first)) << ", expected "
           << int(static_cast<unsigned char>(*second));
}

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// uhid-logger holding an image, started plugged in unless told otherwise.
class VirtualLogger {
public:
    VirtualLogger(const std::string& image, const std::string& dump,
                  std::vector<std::string> options = {})
        : process_(VELKA_TEST_UHID_LOGGER_PATH, Arguments(image, dump, std::move(options))) {
        Expect("plugged");
    }

    // The hidraw node hidapi finds for the logger; empty when it does not appear in time.
    static std::string WaitUntilFound() {
        const auto deadline = Clock::now() + std::chrono::milliseconds(kPlugTimeoutMs);
        while (Clock::now() < deadline) {
            if (const auto path = HidapiProvider().FindLogger())
                return *path;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return {};
    }

    void Unplug() {
        process_.Signal(SIGUSR1);
        Expect("unplugged");
    }
    void Plug() {
        process_.Signal(SIGUSR2);
        Expect("plugged");
    }
    // Ends the program (its memory goes to the dump) and returns its report counts.
    Json End() {
        process_.Signal(SIGTERM);
        EXPECT_EQ(process_.Wait(kCommandTimeoutMs), 0) << process_.Err();
        const auto lines = process_.OutLines();
        return lines.empty() ? Json() : Json::parse(lines.back());
    }

private:
    static std::vector<std::string> Arguments(const std::string& image, const std::string& dump,
                                              std::vector<std::string> options) {
        options.insert(options.begin(), {image, "--dump", dump});
        return options;
    }

    void Expect(const std::string& event) {
        ++announcements_;
        const auto lines = process_.WaitForLines(announcements_, kPlugTimeoutMs);
        ASSERT_EQ(lines.size(), announcements_) << process_.Err();
        EXPECT_EQ(Json::parse(lines.back())["event"], event);
    }

    ChildProcess process_;
    std::size_t announcements_ = 0;
};

// Report lines of velka-cli's --trace: "out 00 53 B0 …" and "in  00 …".
struct TraceSummary {
    int written = 0;
    int answered = 0;
    std::set<std::size_t> answerLengths;
    std::set<std::string> answerReportIds;
};

TraceSummary SummariseTrace(const std::string& trace) {
    TraceSummary summary;
    std::istringstream lines(trace);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string direction, word;
        words >> direction;
        std::vector<std::string> bytes;
        while (words >> word)
            bytes.push_back(word);
        if (direction == "out") {
            ++summary.written;
        } else if (direction == "in" && !bytes.empty()) {
            ++summary.answered;
            summary.answerLengths.insert(bytes.size());
            summary.answerReportIds.insert(bytes.front());
        }
    }
    return summary;
}

// Waits for `count` logger events, or as many as come within the wait.
std::vector<DeviceEvent> WaitForEvents(DeviceWatcher& watcher, std::size_t count) {
    std::vector<DeviceEvent> events;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kPlugTimeoutMs);
    while (events.size() < count && Clock::now() < deadline) {
        pollfd descriptor{watcher.FileDescriptor(), POLLIN, 0};
        const auto remaining =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (::poll(&descriptor, 1, static_cast<int>(std::max<long long>(remaining.count(), 0))) <=
            0)
            continue;
        for (const DeviceEvent& event : watcher.ReadPendingEvents())
            events.push_back(event);
    }
    return events;
}

class HidStack : public ::testing::Test {
protected:
    void SetUp() override {
        if (::access("/dev/uhid", R_OK | W_OK) != 0)
            GTEST_SKIP()
                << "no /dev/uhid: this test runs inside the VM that tests/vm/run-in-vm boots";
        // Archive names are in local time; velka-cli inherits this.
        ::setenv("TZ", "UTC0", 1);
        ASSERT_FALSE(HidapiProvider().FindLogger()) << "a logger was left plugged in";
        const CliResult synth = RunCli({"synth", "--out", Image(), "--start", kStart});
        ASSERT_EQ(synth.exitCode, 0) << synth.err;
        original_ = ReadFile(Image());
        ASSERT_EQ(original_.size(), kImageSize);
    }

    std::string Image() const { return (dir_ / "logger.bin").string(); }
    std::string RealDump() const { return (dir_ / "real-dump.bin").string(); }
    std::string EmulatedDump() const { return (dir_ / "emulated-dump.bin").string(); }
    std::filesystem::path Root(const std::string& name) const { return dir_ / name; }

    // The window's settings of a run: a file of the test's own, absent unless a test writes it.
    std::filesystem::path ConfigFile() const { return dir_ / "config.ini"; }

    std::vector<std::string> Globals(const std::string& root) const {
        return {"--data-root", Root(root).string(),
                "--reftable",  ReferenceFolder().string(),
                "--now",       kNow,
                "--config",    ConfigFile().string()};
    }
    // velka-cli on whatever logger is plugged in, archiving into data root `root`.
    CliResult Real(std::vector<std::string> arguments, const std::string& root = "real") const {
        const auto globals = Globals(root);
        arguments.insert(arguments.end(), globals.begin(), globals.end());
        return RunCli(arguments);
    }
    // The same command on the emulated logger holding the same image.
    CliResult Emulated(std::vector<std::string> arguments) const {
        arguments.insert(arguments.end(), {"--emulate", Image(), "--dump", EmulatedDump()});
        return Real(std::move(arguments), "emulated");
    }

    std::vector<std::filesystem::path> Archives(const std::string& root) const {
        std::vector<std::filesystem::path> files;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(Root(root) / "Data", error))
            if (entry.path().filename() != "SHA256SUMS")  // the manifest is no recording
                files.push_back(entry.path());
        return files;
    }

    // Both commands succeeded and archived the same bytes under the same name.
    void ExpectSameArchive(const Json& real, const Json& emulated) const {
        ASSERT_TRUE(real["archivePath"].is_string()) << real.dump();
        ASSERT_TRUE(emulated["archivePath"].is_string()) << emulated.dump();
        const std::filesystem::path realPath = real["archivePath"].get<std::string>();
        const std::filesystem::path emulatedPath = emulated["archivePath"].get<std::string>();
        EXPECT_EQ(realPath.filename(), kArchiveName);
        EXPECT_EQ(realPath.filename(), emulatedPath.filename());
        EXPECT_TRUE(SameBytes(ReadFile(realPath), ReadFile(emulatedPath)));
    }

    std::string WriteSettingsFile() const {
        const std::string path = (dir_ / "settings.json").string();
        std::ofstream(path) << R"({"logInterval": 60, "alarmDelay": 300, "upperLimit": 8,
            "lowerLimit": 2, "deliveryCompany": "North Cold Store", "receivingCompany":
            "Harbour Pharma", "products": [{"name": "Vaccine", "unit": "kg", "quantity": 12}]})";
        return path;
    }

    TempDir dir_;
    std::string original_;
};

TEST_F(HidStack, ReadThroughHidrawMatchesTheEmulatedLogger) {
    VirtualLogger logger(Image(), RealDump());
    const std::string node = VirtualLogger::WaitUntilFound();
    ASSERT_EQ(node.rfind("/dev/hidraw", 0), 0u) << node;

    const auto started = Clock::now();
    const CliResult real = Real({"read", "--trace"});
    const long long realMs = MillisecondsSince(started);
    ASSERT_EQ(real.exitCode, 0) << real.err;
    const auto emulatedStarted = Clock::now();
    const CliResult emulated = Emulated({"read"});
    const long long emulatedMs = MillisecondsSince(emulatedStarted);
    ASSERT_EQ(emulated.exitCode, 0) << emulated.err;

    Json realJson = Json::parse(real.out);
    Json emulatedJson = Json::parse(emulated.out);
    ExpectSameArchive(realJson, emulatedJson);
    realJson.erase("archivePath");
    emulatedJson.erase("archivePath");
    EXPECT_EQ(realJson, emulatedJson);

    // 197 requests, each answered with 64 data bytes behind report ID 0.
    const TraceSummary trace = SummariseTrace(real.err);
    EXPECT_EQ(trace.written, kImageReadBlocks);
    EXPECT_EQ(trace.answered, kImageReadBlocks);
    EXPECT_EQ(trace.answerLengths, std::set<std::size_t>{65});
    EXPECT_EQ(trace.answerReportIds, std::set<std::string>{"00"});

    const Json counts = logger.End();
    EXPECT_EQ(counts["outputReports"], kImageReadBlocks);
    EXPECT_EQ(counts["answers"], kImageReadBlocks);
    EXPECT_EQ(counts["ignoredReports"], 0);
    // hidraw passes the whole write on to the device, report ID 0x00 included.
    EXPECT_EQ(counts["outputReportLengths"], Json::array({65}));
    EXPECT_TRUE(SameBytes(ReadFile(RealDump()), original_));
    std::cout << "velka-cli read from start to end: " << realMs << " ms through hidraw, "
              << emulatedMs << " ms on the emulated logger\n";
}

TEST_F(HidStack, WriteSettingsThroughHidrawMatchesTheEmulatedLogger) {
    const std::string settings = WriteSettingsFile();
    VirtualLogger logger(Image(), RealDump());
    ASSERT_FALSE(VirtualLogger::WaitUntilFound().empty());
    const CliResult real = Real({"write-settings", settings});
    ASSERT_EQ(real.exitCode, 0) << real.err;
    const Json counts = logger.End();

    const CliResult emulated = Emulated({"write-settings", settings});
    ASSERT_EQ(emulated.exitCode, 0) << emulated.err;
    const Json realJson = Json::parse(real.out);
    ExpectSameArchive(realJson, Json::parse(emulated.out));
    EXPECT_EQ(realJson["written"], true);
    // The acquisition's read; the write's own look at the logger within its opening; then 24
    // command and data pairs.
    EXPECT_EQ(counts["outputReports"], 2 * kImageReadBlocks + 2 * 24);
    EXPECT_EQ(counts["ignoredReports"], 0);
    const std::string written = ReadFile(RealDump());
    EXPECT_TRUE(SameBytes(written, ReadFile(EmulatedDump())));
    EXPECT_FALSE(SameBytes(written, original_));
}

TEST_F(HidStack, EraseThroughHidrawMatchesTheEmulatedLogger) {
    VirtualLogger logger(Image(), RealDump());
    ASSERT_FALSE(VirtualLogger::WaitUntilFound().empty());
    const CliResult real = Real({"erase"});
    ASSERT_EQ(real.exitCode, 0) << real.err;
    const Json counts = logger.End();
    // Every report reached the logger: the read before the erase, the erase's own look at what
    // the logger holds (it must be in the archive), then the status block read and
    // erase-written, the image read back, 172 sample blocks erase-written, 24 settings blocks
    // written and the final command.
    EXPECT_EQ(counts["outputReports"], kImageReadBlocks + kImageReadBlocks + 1 + 2 +
                                           kImageReadBlocks + 2 * 172 + 2 * 24 + 1);
    EXPECT_EQ(counts["ignoredReports"], 0);

    const CliResult emulated = Emulated({"erase"});
    ASSERT_EQ(emulated.exitCode, 0) << emulated.err;
    const Json realJson = Json::parse(real.out);
    ExpectSameArchive(realJson, Json::parse(emulated.out));
    EXPECT_EQ(realJson["erased"], true);
    const std::string erased = ReadFile(RealDump());
    EXPECT_TRUE(SameBytes(erased, ReadFile(EmulatedDump())));
    EXPECT_FALSE(SameBytes(erased, original_));
}

TEST_F(HidStack, ReadWithoutLoggerAsksForIt) {
    const CliResult result = Real({"read"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Please make sure device is connected correctly\n");
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(Archives("real").empty());
}

TEST_F(HidStack, LoggerPulledOutMidReadFailsClearlyAndArchivesNothing) {
    // The 100th request is the read of block 100: the logger goes before it answers.
    VirtualLogger logger(Image(), RealDump(), {"--unplug-at-report", "100"});
    ASSERT_FALSE(VirtualLogger::WaitUntilFound().empty());
    std::vector<std::string> arguments = {"read"};
    const auto globals = Globals("real");
    arguments.insert(arguments.end(), globals.begin(), globals.end());
    ChildProcess read(CliPath(), arguments);
    ASSERT_TRUE(read.Wait(kCommandTimeoutMs)) << "the read hangs";
    EXPECT_EQ(read.Wait(), 1);
    EXPECT_EQ(read.Err(), "Data read FAILED: the logger was unplugged during the transfer\n");
    EXPECT_EQ(read.Out(), "");
    EXPECT_TRUE(Archives("real").empty());
    EXPECT_FALSE(HidapiProvider().FindLogger());
    const Json counts = logger.End();
    EXPECT_EQ(counts["outputReports"], 100);
    EXPECT_EQ(counts["answers"], 99);
}

// Two programs on one logger: hidraw hands every answer to every open handle, so the second
// must not read along. The first reads byte for byte; the second is refused and archives
// nothing.
TEST_F(HidStack, TwoReadersAtOnceOneReadsTheOtherIsRefused) {
    VirtualLogger logger(Image(), RealDump(), {"--answer-delay-ms", "10"});
    const std::string node = VirtualLogger::WaitUntilFound();
    ASSERT_FALSE(node.empty());
    std::vector<std::string> arguments = {"read"};
    const auto globals = Globals("first");
    arguments.insert(arguments.end(), globals.begin(), globals.end());
    ChildProcess first(CliPath(), arguments);
    const auto deadline = Clock::now() + std::chrono::milliseconds(kPlugTimeoutMs);
    while (!ExclusiveLock(node).Busy() && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));

    const CliResult second = Real({"read"}, "second");
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_EQ(second.err, "The logger is in use by another program\n");
    EXPECT_TRUE(Archives("second").empty());

    ASSERT_EQ(first.Wait(kCommandTimeoutMs), 0) << first.Err();
    ASSERT_EQ(Archives("first").size(), 1u);
    // Everything a logger transfers (bytes 3776 on) as the logger holds it.
    EXPECT_TRUE(SameBytes(ReadFile(Archives("first")[0]).substr(kSampleRegionOffset),
                          original_.substr(kSampleRegionOffset)));
    logger.End();
}

TEST_F(HidStack, DeviceWatcherSeesTheLoggerArriveAndLeave) {
    // No udev daemon runs here: the watcher listens to the kernel's own events.
    ASSERT_NE(::access("/run/udev/control", F_OK), 0);
    DeviceWatcher watcher;
    ASSERT_TRUE(watcher.Available());

    VirtualLogger logger(Image(), RealDump());
    auto events = WaitForEvents(watcher, 1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, HotplugDecision::LoggerArrived);
    const std::string node = events[0].devnode;
    EXPECT_EQ(VirtualLogger::WaitUntilFound(), node);
    EXPECT_EQ(watcher.LoggerNodes(), std::set<std::string>{node});

    logger.Unplug();
    events = WaitForEvents(watcher, 1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, HotplugDecision::LoggerRemoved);
    EXPECT_EQ(events[0].devnode, node);
    EXPECT_TRUE(watcher.LoggerNodes().empty());
    EXPECT_FALSE(HidapiProvider().FindLogger());

    logger.Plug();
    events = WaitForEvents(watcher, 1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, HotplugDecision::LoggerArrived);
    logger.End();
    events = WaitForEvents(watcher, 1);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, HotplugDecision::LoggerRemoved);
}

class Watch : public HidStack {
protected:
    std::unique_ptr<ChildProcess> StartWatch(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), "watch");
        const auto globals = Globals("watch");
        arguments.insert(arguments.end(), globals.begin(), globals.end());
        auto watch = std::make_unique<ChildProcess>(CliPath(), arguments);
        EXPECT_TRUE(watch->WaitForErr("watching for loggers", kPlugTimeoutMs)) << watch->Err();
        return watch;
    }

    Json Line(const ChildProcess& watch, std::size_t number) const {
        const auto lines = watch.WaitForLines(number, kCommandTimeoutMs);
        if (lines.size() < number) {
            ADD_FAILURE() << "no line " << number << " from watch; stderr: " << watch.Err();
            return Json();
        }
        return Json::parse(lines[number - 1]);
    }
};

TEST_F(Watch, TakesInEveryLoggerThatArrives) {
    const CliResult emulated = Emulated({"read"});
    ASSERT_EQ(emulated.exitCode, 0) << emulated.err;
    const Json expected = Json::parse(emulated.out);

    const auto watch = StartWatch({"--read", "--count", "4"});
    VirtualLogger logger(Image(), RealDump());
    Json line = Line(*watch, 1);
    EXPECT_EQ(line["event"], "arrival");
    const std::string node = line.value("devicePath", "");
    EXPECT_EQ(node.rfind("/dev/hidraw", 0), 0u) << line.dump();
    EXPECT_EQ(line["serialText"], "0A1B2C3D");
    ExpectSameArchive(line, expected);
    // Without settings, the verdict of the logger's own limits, as decode judges the record.
    EXPECT_EQ(line["profile"], "logger");
    EXPECT_EQ(line["alarm"], expected["analysis"]["alarm"]);
    EXPECT_EQ(line["firstAlarmTime"], expected["analysis"]["firstAlarmTime"]);

    logger.Unplug();
    line = Line(*watch, 2);
    EXPECT_EQ(line, Json({{"event", "removal"}, {"devicePath", node}}));

    // The same recording again: read again, and archived under the same name; judged by the
    // profile the window chose meanwhile (controlled room temperature: a cold chain's 2–8 °C is
    // below 15 °C from its first sample).
    std::ofstream(ConfigFile()) << "[Velka]\nAlarm Profile=usp-crt\n";
    logger.Plug();
    line = Line(*watch, 3);
    EXPECT_EQ(line["event"], "arrival");
    ExpectSameArchive(line, expected);
    EXPECT_EQ(line["profile"], "usp-crt");
    EXPECT_EQ(line["alarm"], true);
    EXPECT_EQ(line["firstAlarmTime"], expected["startTime"]);
    logger.Unplug();
    EXPECT_EQ(Line(*watch, 4)["event"], "removal");

    EXPECT_EQ(watch->Wait(kCommandTimeoutMs), 0) << watch->Err();
    EXPECT_EQ(Archives("watch").size(), 1u);
    EXPECT_EQ(logger.End()["answers"], 2 * kImageReadBlocks);
}

TEST_F(Watch, ReportsALoggerPluggedInBeforeItStartedAndAFailedIntake) {
    VirtualLogger logger(Image(), RealDump(), {"--unplug-at-report", "100"});
    const std::string node = VirtualLogger::WaitUntilFound();
    ASSERT_FALSE(node.empty());
    const auto watch = StartWatch({"--read", "--count", "2"});

    const Json arrival = Line(*watch, 1);
    EXPECT_EQ(arrival["event"], "arrival");
    EXPECT_EQ(arrival["devicePath"], node);
    EXPECT_EQ(arrival["error"], "Data read FAILED: the logger was unplugged during the transfer");
    EXPECT_FALSE(arrival.contains("archivePath"));
    EXPECT_EQ(Line(*watch, 2), Json({{"event", "removal"}, {"devicePath", node}}));
    EXPECT_EQ(watch->Wait(kCommandTimeoutMs), 0) << watch->Err();
    EXPECT_TRUE(Archives("watch").empty());
}

TEST_F(Watch, ReadsTheLoggerThatArrivedWhileAnotherIsPluggedIn) {
    const std::string secondImage = (dir_ / "second.bin").string();
    const CliResult synth =
        RunCli({"synth", "--out", secondImage, "--start", kStart, "--serial", "0B1C2D3E"});
    ASSERT_EQ(synth.exitCode, 0) << synth.err;
    VirtualLogger first(Image(), RealDump());
    const std::string firstNode = VirtualLogger::WaitUntilFound();
    ASSERT_FALSE(firstNode.empty());
    const auto watch = StartWatch({"--read", "--count", "2"});
    EXPECT_EQ(Line(*watch, 1)["serialText"], "0A1B2C3D");

    // The first logger stays plugged in; the second is the one that arrives and is read.
    VirtualLogger second(secondImage, (dir_ / "second-dump.bin").string());
    const Json arrival = Line(*watch, 2);
    EXPECT_EQ(arrival["event"], "arrival");
    EXPECT_NE(arrival["devicePath"], firstNode);
    EXPECT_EQ(arrival["serialText"], "0B1C2D3E");
    EXPECT_EQ(watch->Wait(kCommandTimeoutMs), 0) << watch->Err();
    EXPECT_EQ(Archives("watch").size(), 2u);
    EXPECT_EQ(first.End()["answers"], kImageReadBlocks);
    EXPECT_EQ(second.End()["answers"], kImageReadBlocks);
}

TEST_F(Watch, WithoutReadOnlyReportsAndEndsOnSigterm) {
    const auto watch = StartWatch({});
    VirtualLogger logger(Image(), RealDump());
    const Json arrival = Line(*watch, 1);
    EXPECT_EQ(arrival,
              Json({{"event", "arrival"}, {"devicePath", VirtualLogger::WaitUntilFound()}}));
    watch->Signal(SIGTERM);
    EXPECT_EQ(watch->Wait(kCommandTimeoutMs), 0) << watch->Err();
    EXPECT_EQ(logger.End()["outputReports"], 0);
    EXPECT_TRUE(Archives("watch").empty());
}

}  // namespace
}  // namespace velka::testing
