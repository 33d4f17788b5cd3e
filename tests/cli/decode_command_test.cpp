#include "cli_fixture.h"

#include <cmath>
#include <unistd.h>

namespace velka::testing {
namespace {

using Json = nlohmann::json;

TEST_F(CliTest, DecodePrintsTheWholeRecordingAsOneObject) {
    const std::string image = Synth("a.bin", {"--serial", "00001234", "--interval", "60", "--count",
                                              "500", "--start", "1765000000", "--seed", "3"});
    std::filesystem::create_directory(RootFolder());
    const Json json = Decode(image);
    const auto ordered = nlohmann::ordered_json::parse(Run({"decode", image}).out);
    const std::vector<std::string> keys = {"unit",
                                           "serialNumber",
                                           "serialText",
                                           "writeProtectFlag",
                                           "startOffset",
                                           "calibrationA",
                                           "calibrationB",
                                           "logInterval",
                                           "logCycleText",
                                           "startDelay",
                                           "lowerLimitCode",
                                           "upperLimitCode",
                                           "lowerLimit",
                                           "upperLimit",
                                           "alarmDelayCount",
                                           "ledBlinkInterval",
                                           "clockSetTime",
                                           "deliveryDate",
                                           "deliveryCompany",
                                           "receivingCompany",
                                           "transportCompany",
                                           "transportNumber",
                                           "products",
                                           "tableUsedBytes",
                                           "startTime",
                                           "stopTime",
                                           "summary",
                                           "samples",
                                           "analysis"};
    std::vector<std::string> printed;
    for (const auto& [key, value] : ordered.items())
        printed.push_back(key);
    EXPECT_EQ(printed, keys);

    EXPECT_EQ(json["serialText"], "00001234");
    EXPECT_EQ(json["serialNumber"], 0x1234);
    EXPECT_EQ(json["logInterval"], 60);
    EXPECT_EQ(json["logCycleText"], "6");
    EXPECT_EQ(json["startTime"], 1765000000);
    EXPECT_EQ(json["stopTime"], 1765000000 + 500 * 60);
    EXPECT_EQ(json["lowerLimit"], 2.0);
    EXPECT_TRUE(json["lowerLimit"].is_number_float());
    EXPECT_TRUE(json["lowerLimitCode"].is_number_integer());
    EXPECT_EQ(json["products"].size(), 3u);
    EXPECT_EQ(json["products"][0]["name"], "Influenza vaccine");
    EXPECT_EQ(json["samples"].size(), 500u);
    EXPECT_EQ(json["samples"][499]["index"], 499);
    EXPECT_EQ(json["summary"]["viewLast"], 500);
    EXPECT_EQ(json["summary"]["chartMinInt"],
              static_cast<int>(std::trunc(json["summary"]["chartMin"].get<double>())));

    // Doubles round-trip exactly: the mean of the printed temperatures is the printed average.
    double sum = 0;
    for (const Json& sample : json["samples"])
        sum = sum + sample["temperature"].get<double>();
    EXPECT_EQ(sum / 500, json["summary"]["average"].get<double>());

    // current.txt is written under the data root that exists.
    const std::string current = ReadFile((Dir() / "root" / "reftable" / "current.txt").string());
    EXPECT_EQ(std::count(current.begin(), current.end(), '\n'), 1001);
}

// Only a complete logger image is a recording: every command that reads one refuses a cut,
// empty or over-long file, writes nothing and says why.
TEST_F(CliTest, IncompleteImagesAreRefusedByEveryCommand) {
    const std::string full = ReadFile(Synth("a.bin", {"--count", "100"}));
    const std::string settings = WriteFile("settings.json", "{}");
    const std::string out = (Dir() / "out").string();
    for (const auto& [name, content] :
         {std::pair{"long.bin", full + std::string(5000, '\xFF')},
          std::pair{"short.bin", full.substr(0, 5000)}, std::pair{"empty.bin", std::string()}}) {
        const std::string image = WriteFile(name, content);
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"decode", image},
              std::vector<std::string>{"export", image, "--csv", out},
              std::vector<std::string>{"apply-settings", image, settings, "--out", out}}) {
            const CliResult result = Run(command);
            EXPECT_EQ(result.exitCode, 1) << command[0] << " " << name;
            EXPECT_EQ(result.err, "cannot read " + image + ": not a complete logger image\n")
                << command[0] << " " << name;
            EXPECT_EQ(result.out, "") << command[0] << " " << name;
            EXPECT_FALSE(std::filesystem::exists(out)) << command[0] << " " << name;
        }
    }
}

TEST_F(CliTest, DecodeOfGarbageNeverFails) {
    std::string garbage(16384, '\0');
    std::uint32_t state = 12345;
    for (char& c : garbage) {
        state = state * 1103515245 + 12345;
        c = static_cast<char>(state >> 24);
    }
    const CliResult result = Run({"decode", WriteFile("garbage.bin", garbage)});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(Json::accept(result.out));
}

TEST_F(CliTest, FailuresAndWrongUse) {
    CliResult result = Run({"decode", (Dir() / "missing.bin").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("missing.bin"), std::string::npos);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    EXPECT_TRUE(result.out.empty());

    result = Run({"decode", Dir().Path().string()});
    EXPECT_EQ(result.exitCode, 1);

    EXPECT_EQ(Run({"decode"}).exitCode, 2);
    EXPECT_EQ(Run({"decode", "a", "b"}).exitCode, 2);
    EXPECT_EQ(Run({"decode", "a", "--bogus"}).exitCode, 2);
    EXPECT_EQ(Run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(RunCli({}).exitCode, 2);
    EXPECT_EQ(RunCli({"decode", "x", "--now"}).exitCode, 2);
    EXPECT_EQ(RunCli({"decode", "x", "--now", "soon"}).exitCode, 2);
    EXPECT_EQ(RunCli({"--help"}).exitCode, 0);
    // The project's version, as the package and the window's About box give it.
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "velka-cli 1.0\n");
}

TEST_F(CliTest, SynthValidatesItsOptionsAndLeavesNothingBehind) {
    EXPECT_EQ(Run({"synth", "--out", (Dir() / "x.bin").string(), "--interval", "45"}).exitCode, 2);
    EXPECT_EQ(Run({"synth", "--out", (Dir() / "x.bin").string(), "--count", "8773"}).exitCode, 2);
    EXPECT_EQ(Run({"synth", "--out", (Dir() / "x.bin").string(), "--serial", "XYZ"}).exitCode, 2);
    EXPECT_EQ(Run({"synth"}).exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(Dir() / "x.bin"));

    // An unwritable destination: exit 1, and no temporary file left in the folder.
    std::filesystem::create_directory(Dir() / "locked");
    std::filesystem::permissions(Dir() / "locked", std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    const CliResult result = Run({"synth", "--out", (Dir() / "locked" / "x.bin").string()});
    if (geteuid() != 0) {
        EXPECT_EQ(result.exitCode, 1);
    }
    const CliResult noFolder = Run({"synth", "--out", (Dir() / "nowhere" / "x.bin").string()});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_EQ(std::count(noFolder.err.begin(), noFolder.err.end(), '\n'), 1);

    // Missing reference tables: synth cannot invert the conversion.
    const CliResult noTables =
        RunCli({"synth", "--out", (Dir() / "y.bin").string(), "--reftable",
                (Dir() / "none").string(), "--data-root", (Dir() / "root").string()});
    EXPECT_EQ(noTables.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(Dir() / "y.bin"));
}

// The commands that work on named files only (synth, decode, apply-settings, export) neither need
// nor make the data root. Export names its outputs as text, one that is not UTF-8 also by its
// exact bytes.
TEST_F(CliTest, FileCommandsLeaveTheDataRootAloneAndNameTheirOutputs) {
    const std::string image = Synth("a.bin", {"--count", "50"});
    const std::string settings = WriteFile("s.json", "{}");
    EXPECT_EQ(Run({"decode", image}).exitCode, 0);
    EXPECT_EQ(
        Run({"apply-settings", image, settings, "--out", (Dir() / "b.bin").string()}).exitCode, 0);
    const std::string csv = (Dir() / "samples-\xfe.csv").string();
    const std::string chart = (Dir() / "graph.bmp").string();
    const CliResult result = Run({"export", image, "--csv", csv, "--chart", chart});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Json written = Json::parse(result.out);
    EXPECT_EQ(written["csv"], (Dir() / "samples-\uFFFD.csv").string());
    EXPECT_EQ(FromBase64(written["csvBase64"]), csv);
    EXPECT_EQ(written["chart"], chart);
    EXPECT_FALSE(written.contains("chartBase64"));
    EXPECT_FALSE(std::filesystem::exists(RootFolder()));
}

TEST_F(CliTest, SynthIsDeterministic) {
    const std::string a = ReadFile(Synth("a.bin", {"--seed", "9", "--start", "1700000000"}));
    const std::string b = ReadFile(Synth("b.bin", {"--seed", "9", "--start", "1700000000"}));
    EXPECT_EQ(a.size(), 16384u);
    EXPECT_EQ(a, b);
}

}  // namespace
}  // namespace velka::testing
