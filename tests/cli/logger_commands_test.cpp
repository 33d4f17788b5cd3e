// velka-cli read, erase and write-settings as a black box against the emulated logger: exit
// codes, output, the archive, and the logger's memory dumped afterwards.

#include "cli_fixture.h"
#include "device/hid_report.h"
#include "device/hidapi_transport.h"
#include "record/logger_image.h"
#include "storage/file_io.h"

#include <cstdlib>
#include <ctime>
#include <sstream>

namespace velka::testing {
namespace {

// 2018-05-04 09:07:05 UTC.
constexpr const char* kStart = "1525424825";
constexpr const char* kArchiveName = "0A1B2C3D_2018-05-04_09-07-05.bin";

class LoggerCommands : public CliTest {
protected:
    LoggerCommands() {
        // Archive names are in local time; velka-cli inherits this.
        ::setenv("TZ", "UTC0", 1);
        ::tzset();
        loggerPath_ = Synth("logger.bin", {"--start", kStart});
        EXPECT_EQ(ReadImageFile(loggerPath_, original), kImageSize);
    }

    std::vector<std::string> Emulate(std::vector<std::string> arguments,
                                     std::vector<std::string> extra = {}) const {
        arguments.insert(arguments.end(), {"--emulate", loggerPath_, "--dump", DumpPath()});
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return arguments;
    }

    std::string DumpPath() const { return (Dir() / "dump.bin").string(); }

    LoggerImage Dump() const {
        LoggerImage image{};
        EXPECT_EQ(ReadImageFile(DumpPath(), image), kImageSize);
        return image;
    }

    std::size_t ArchiveCount() const {
        std::error_code error;
        std::size_t count = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(Dir() / "root" / "Data", error))
            count += entry.path().filename() != "SHA256SUMS";  // the manifest is no recording
        return count;
    }

    static bool Zero(const LoggerImage& image, std::size_t first, std::size_t last) {
        return std::all_of(image.begin() + static_cast<std::ptrdiff_t>(first),
                           image.begin() + static_cast<std::ptrdiff_t>(last),
                           [](std::uint8_t byte) { return byte == 0; });
    }

    static bool Same(const LoggerImage& a, const LoggerImage& b, std::size_t first,
                     std::size_t last) {
        return std::equal(a.begin() + static_cast<std::ptrdiff_t>(first),
                          a.begin() + static_cast<std::ptrdiff_t>(last),
                          b.begin() + static_cast<std::ptrdiff_t>(first));
    }

    std::string loggerPath_;
    LoggerImage original{};
};

TEST_F(LoggerCommands, ReadArchivesAndPrintsTheDecode) {
    const CliResult result = Run(Emulate({"read"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["serialText"], "0A1B2C3D");
    EXPECT_EQ(json["samples"].size(), 2016u);
    const std::string archivePath = json["archivePath"];
    EXPECT_EQ(std::filesystem::path(archivePath).filename(), kArchiveName);
    EXPECT_FALSE(json.contains("archivePathBase64"));  // only for a name that is not UTF-8
    LoggerImage archived{};
    ASSERT_EQ(ReadImageFile(archivePath, archived), kImageSize);
    EXPECT_TRUE(Same(archived, original, kSampleRegionOffset, kImageSize));
    // The decode printed is the decode of the archived file.
    const auto stored = Decode(archivePath);
    EXPECT_EQ(stored["samples"], json["samples"]);
    EXPECT_EQ(Dump(), original);
}

// Under a data root whose name is not UTF-8 each command makes its change and says so: the
// JSON shows the name as text, carries its exact bytes beside it, and the run succeeds.
TEST_F(LoggerCommands, AChangeUnderARootNamedInOtherBytesIsReportedAsMade) {
    UseRootFolder("root-\xff");
    const std::string archived = (RootFolder() / "Data" / kArchiveName).string();
    const std::string settings = WriteFile("s.json", "{}");
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"read"}, {"write-settings", settings}, {"erase"}}) {
        std::filesystem::remove_all(RootFolder());
        const CliResult result = Run(Emulate(command));
        ASSERT_EQ(result.exitCode, 0) << command[0] << ": " << result.err;
        const auto json = nlohmann::json::parse(result.out);
        EXPECT_EQ(json["archivePath"], (Dir() / "root-\uFFFD" / "Data" / kArchiveName).string());
        EXPECT_EQ(FromBase64(json["archivePathBase64"]), archived);
        EXPECT_TRUE(std::filesystem::exists(archived)) << command[0];
    }
    EXPECT_TRUE(Zero(Dump(), kSampleRegionOffset, kSampleRegionEnd));  // the erase went through
}

TEST_F(LoggerCommands, ReadWithoutLoggerSaysSo) {
    HidapiProvider provider;
    if (provider.FindLogger())
        GTEST_SKIP() << "a logger is plugged in";
    const CliResult result = Run({"read"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Please make sure device is connected correctly\n");
    EXPECT_EQ(result.out, "");
}

TEST_F(LoggerCommands, ReadBrokenOffArchivesNothing) {
    const CliResult result = Run(Emulate({"read"}, {"--scenario", "removed:50"}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Data read FAILED: the logger was unplugged during the transfer\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ArchiveCount(), 0u);
    EXPECT_EQ(Dump(), original);
}

TEST_F(LoggerCommands, EraseArchivesFirstThenEmptiesTheRecord) {
    const CliResult result = Run(Emulate({"erase"}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["erased"], true);
    EXPECT_EQ(ArchiveCount(), 1u);
    const LoggerImage erased = Dump();
    EXPECT_TRUE(Same(erased, original, 0, kSampleRegionOffset));
    EXPECT_TRUE(Zero(erased, kSampleRegionOffset, kSampleRegionEnd));
    EXPECT_TRUE(Zero(erased, kStatusBlockOffset, kStatusBlockOffset + 8));
    EXPECT_TRUE(
        Same(erased, original, kStatusBlockOffset + 8, kClearCodeOffset));  // serial, calibration
    EXPECT_TRUE(
        std::equal(kEraseCode.begin(), kEraseCode.begin() + 6, erased.begin() + kClearCodeOffset));
    EXPECT_TRUE(Same(erased, original, kClearCodeOffset + 6, kDeliveryDateOffset));
    EXPECT_TRUE(Zero(erased, kDeliveryDateOffset, kImageSize));
}

TEST_F(LoggerCommands, FailedEraseIsReportedAndWritesNoSettings) {
    // Reports 1…394 are the acquisition, 395…788 the erase's look at the logger, 789…792 the
    // status block; the read-back runs from report 793.
    const CliResult result = Run(Emulate({"erase"}, {"--scenario", "error:814"}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Erase FAILED: reading the logger back failed at block 11 of 197: "
                          "system error: Input/output error; the status block was cleared, so "
                          "the record's start time is lost, but its samples are still on the "
                          "logger\n");
    const LoggerImage dump = Dump();
    EXPECT_TRUE(Same(dump, original, 0, kStatusBlockOffset));
    EXPECT_TRUE(Same(dump, original, kSettingsBlockOffset, kImageSize));
}

// A fault at the very end leaves the memory written: the message names the step, so that the
// user knows what the logger holds.
TEST_F(LoggerCommands, LateFaultsNameTheStepThatFailed) {
    const struct {
        std::vector<std::string> command;
        int atReport;
        std::string err;
    } cases[] = {
        {{"erase"},
         394 + 394 + 790 + 1,
         "Erase FAILED: final command not acknowledged: system error: Input/output error; the "
         "record was erased and the settings written back"},
        {{"erase"},
         394 + 394 + 790,
         "Erase FAILED: writing the settings back failed at block 24 of 24: system error: "
         "Input/output error; the record was erased"},
        // The write reads the logger once more before it writes.
        {{"write-settings", WriteFile("s.json", "{}")},
         394 + 394 + 48,
         "Write FAILED: writing the settings failed at block 24 of 24: system error: "
         "Input/output error; settings and limits written, transport details written, product "
         "list partly written: write again"},
        {{"write-settings", WriteFile("s.json", "{}")},
         394 + 394 + 6,
         "Write FAILED: writing the settings failed at block 3 of 24: system error: "
         "Input/output error; settings and limits written, transport details partly written, "
         "product list not written: write again"},
        {{"write-settings", WriteFile("s.json", "{}")},
         394 + 100,
         "Write FAILED: reading the logger failed at block 50 of 197: system error: "
         "Input/output error; nothing was written"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove_all(Dir() / "root");
        const CliResult result =
            Run(Emulate(c.command, {"--scenario", "error:" + std::to_string(c.atReport)}));
        EXPECT_EQ(result.exitCode, 1) << c.atReport;
        EXPECT_EQ(result.err, c.err + "\n");
        EXPECT_TRUE(result.out.empty());
    }
}

// The erase goes through the session's rule: a record that is not safe in the archive stays.
TEST_F(LoggerCommands, EraseLeavesARecordThatCannotBeArchived) {
    WriteU32(original, kClockSetTimeOffset, 0);
    loggerPath_ =
        WriteFile("never-set-up.bin",
                  std::string(reinterpret_cast<const char*>(original.data()), kImageSize));
    const CliResult result = Run(Emulate({"erase"}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "The logger holds 2016 samples that cannot be archived (it was never "
                          "set up), so it was not erased\n");
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(Dump(), original);
    EXPECT_EQ(ArchiveCount(), 0u);
}

// One outcome per run: a dump that cannot be written prints nothing and fails, whatever the
// command did.
TEST_F(LoggerCommands, ADumpThatCannotBeWrittenFailsTheRun) {
    const std::string dump = (Dir() / "nofolder" / "d.bin").string();
    for (const char* command : {"erase", "read"}) {
        const CliResult result = Run({command, "--emulate", loggerPath_, "--dump", dump});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_TRUE(result.out.empty()) << command;
        EXPECT_EQ(result.err, "the memory dump cannot be written: " + dump +
                                  ": No such file or directory (the command itself went "
                                  "through)\n");
    }
}

TEST_F(LoggerCommands, EraseIsRefusedForLowSerialNumbers) {
    loggerPath_ = Synth("low.bin", {"--start", kStart, "--serial", "800000"});
    ReadImageFile(loggerPath_, original);
    const CliResult result = Run(Emulate({"erase"}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "this logger cannot be emptied (serial number 00800000)\n");
    EXPECT_EQ(Dump(), original);
}

TEST_F(LoggerCommands, WriteSettingsWritesWhatApplySettingsComputes) {
    const std::string settings =
        WriteFile("settings.json", R"({"logInterval": 60, "alarmDelay": 300,
        "upperLimit": 8, "lowerLimit": 2, "deliveryCompany": "North Cold Store",
        "receivingCompany": "Harbour Pharma", "products": [{"name": "Vaccine", "unit": "kg", "quantity": 12}]})");
    const CliResult result = Run(Emulate({"write-settings", settings}));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string applied = (Dir() / "applied.bin").string();
    const CliResult apply = Run({"apply-settings", loggerPath_, settings, "--out", applied});
    ASSERT_EQ(apply.exitCode, 0) << apply.err;
    LoggerImage expected{};
    ASSERT_EQ(ReadImageFile(applied, expected), kImageSize);

    // The settings area as the Write encodes it; the status block and the record untouched.
    const LoggerImage dump = Dump();
    EXPECT_TRUE(Same(dump, expected, kSettingsBlockOffset, kImageSize));
    EXPECT_TRUE(Same(dump, original, 0, kSettingsBlockOffset));
    EXPECT_EQ(ReadU16(dump, kLogIntervalOffset), 60);
    EXPECT_EQ(ArchiveCount(), 1u);  // the recording was archived before the logger changed
}

// Each command that changes a logger or writes the archive leaves its line in the audit log,
// with what a reviewer needs to know, and the chain stays whole.
TEST_F(LoggerCommands, EachCommandLeavesItsAuditLine) {
    const std::string settings =
        WriteFile("settings.json", R"({"logInterval": 60, "deliveryCompany": "North Cold Store",
        "products": [{"name": "Vaccine", "unit": "kg", "quantity": 12}]})");
    ASSERT_EQ(Run(Emulate({"write-settings", settings})).exitCode, 0);
    ASSERT_EQ(Run(Emulate({"erase"})).exitCode, 0);
    const std::string archived = (Dir() / "root" / "Data" / kArchiveName).string();
    ASSERT_EQ(Run({"export", archived, "--csv", (Dir() / "samples.csv").string()}).exitCode, 0);
    WriteU32(original, kClockSetTimeOffset, 0);
    loggerPath_ =
        WriteFile("never-set-up.bin",
                  std::string(reinterpret_cast<const char*>(original.data()), kImageSize));
    ASSERT_EQ(Run(Emulate({"erase"})).exitCode, 1);

    std::vector<nlohmann::json> lines;
    std::istringstream log(ReadFile((Dir() / "root" / "audit.jsonl").string()));
    for (std::string line; std::getline(log, line);)
        lines.push_back(nlohmann::json::parse(line));
    std::vector<std::string> events;
    for (const nlohmann::json& line : lines)
        events.push_back(line["event"]);
    EXPECT_EQ(events, (std::vector<std::string>{"download", "write-settings", "download", "erase",
                                                "export", "erase-refused"}));
    ASSERT_EQ(lines.size(), 6u);
    const std::string digest = lines[0]["sha256"];
    EXPECT_EQ(lines[0]["file"], kArchiveName);
    EXPECT_EQ(lines[0]["program"], "velka-cli 1.0");
    // The settings write names each field it changed, products included.
    const nlohmann::json& changes = lines[1]["changes"];
    const auto change = [&changes](const std::string& field) {
        for (const nlohmann::json& c : changes)
            if (c["field"] == field)
                return c["old"].get<std::string>() + " -> " + c["new"].get<std::string>();
        return std::string("unchanged");
    };
    EXPECT_EQ(change("logInterval"), "300 -> 60");
    EXPECT_EQ(change("deliveryCompany").substr(change("deliveryCompany").find(" -> ")),
              " -> North Cold Store");
    EXPECT_EQ(change("products[0].name").substr(change("products[0].name").find(" -> ")),
              " -> Vaccine");
    EXPECT_EQ(change("upperLimit"), "unchanged");
    // The erase names the archived copy of what it erased; the export its source.
    EXPECT_EQ(lines[3]["file"], kArchiveName);
    EXPECT_EQ(lines[3]["sha256"], digest);
    EXPECT_EQ(lines[4]["kind"], "csv");
    EXPECT_EQ(lines[4]["sha256"], digest);
    EXPECT_NE(lines[5]["reason"].get<std::string>().find("never set up"), std::string::npos);
    EXPECT_EQ(Run({"verify"}).exitCode, 0);
}

TEST_F(LoggerCommands, RefusedSettingsWriteNothing) {
    const std::string settings = WriteFile("settings.json", R"({"products": []})");
    const CliResult result = Run(Emulate({"write-settings", settings}));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Please Add Product Information\n");
    EXPECT_EQ(Dump(), original);
}

TEST_F(LoggerCommands, EmulatorOptionsNeedAnEmulatedLogger) {
    EXPECT_EQ(Run({"read", "--dump", DumpPath()}).exitCode, 2);
    EXPECT_EQ(Run({"read", "--scenario", "slow"}).exitCode, 2);
    EXPECT_EQ(Run(Emulate({"read"}, {"--scenario", "sideways"})).exitCode, 2);
}

}  // namespace
}  // namespace velka::testing
