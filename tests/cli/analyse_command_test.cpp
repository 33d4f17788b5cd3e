// velka-cli analyse as a black box: the worked example from a file of temperatures, a logger
// image whose times match its decode, and one line on stderr for every refusal.

#include "cli_fixture.h"

namespace velka::testing {
namespace {

using Json = nlohmann::json;

TEST_F(CliTest, AnalyseATemperatureSeriesWithGivenRules) {
    // Limits 2 and 8 at five minutes, with a comment and a blank line.
    const std::string series =
        WriteFile("series.txt", "# trip 1\n5\n9\n9\n5\n10\n10\n10\n5\n1\n1\n\n5\n8\n8\n2\n");
    const CliResult result =
        Run({"analyse", series, "--interval", "300", "--rule", "above,8,strict,single,900",
             "--rule", "below,2,inclusive,cumulative,900"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Json json = Json::parse(result.out);
    EXPECT_EQ(json["samples"], 14);
    EXPECT_EQ(json["durationSeconds"], 4200);
    EXPECT_EQ(json["tripSeconds"], 3900);
    EXPECT_EQ(json["highest"], (Json{{"celsius", 10.0}, {"index", 4}}));
    EXPECT_TRUE(json["mkt"]["worst24h"].is_null());
    EXPECT_TRUE(json["profile"].is_null());
    EXPECT_EQ(json["alarm"], true);
    ASSERT_EQ(json["rules"].size(), 2u);
    EXPECT_EQ(json["rules"][0], (Json{{"text", "above 8.0 °C, single event, 15 min, strict"},
                                      {"side", "above"},
                                      {"threshold", 8.0},
                                      {"inclusive", false},
                                      {"kind", "single"},
                                      {"delaySeconds", 900},
                                      {"events", 2},
                                      {"seconds", 1500},
                                      {"longestSeconds", 900},
                                      {"firstOutIndex", 1},
                                      {"alarmIndex", 6},
                                      {"alarmTime", nullptr}}));
    EXPECT_EQ(json["rules"][1]["alarmIndex"], 13);

    // The published check of the mean kinetic temperature, with a profile's rules.
    const std::string published = WriteFile("published.txt", "2\n2\n5\n8\n8\n8\n8\n");
    const Json crt =
        Json::parse(Run({"analyse", published, "--interval", "3600", "--profile", "usp-crt"}).out);
    EXPECT_NEAR(crt["mkt"]["celsius"].get<double>(), 6.25, 0.005);
    EXPECT_EQ(crt["mkt"]["ceiling"], 25.0);
    EXPECT_EQ(crt["profile"], "usp-crt");
    EXPECT_EQ(crt["rules"].size(), 3u);
}

TEST_F(CliTest, AnalyseALoggerImageGivesTheTimesItsDecodeGives) {
    const std::string image = Synth(
        "a.bin", {"--interval", "60", "--count", "4000", "--start", "1765000000", "--seed", "5"});
    std::filesystem::create_directory(RootFolder());
    const Json decoded = Decode(image);
    const CliResult result = Run({"analyse", image});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    Json json = Json::parse(result.out);
    EXPECT_EQ(json["unit"], "C");
    json.erase("unit");
    EXPECT_EQ(json, decoded["analysis"]);  // decode prints the same analysis
    EXPECT_EQ(json["profile"], "logger");
    EXPECT_EQ(json["samples"], decoded["samples"].size());
    const auto timeOf = [&](const Json& index) { return 1765000000 + 60 * index.get<long long>(); };
    EXPECT_EQ(json["highest"]["time"], timeOf(json["highest"]["index"]));
    EXPECT_EQ(json["highest"]["celsius"], decoded["summary"]["highest"]);
    ASSERT_FALSE(json["mkt"]["worst24h"].is_null());  // 4000 minutes hold two days
    for (const Json& rule : json["rules"]) {
        EXPECT_EQ(rule["threshold"],
                  rule["side"] == "above" ? decoded["upperLimit"] : decoded["lowerLimit"]);
        EXPECT_EQ(rule["delaySeconds"], decoded["alarmDelayCount"].get<int>() * 60);
        if (!rule["alarmIndex"].is_null()) {
            EXPECT_EQ(rule["alarmTime"], timeOf(rule["alarmIndex"]));
        }
    }
}

TEST_F(CliTest, AnalyseRefusesWithOneLineAndNothingPrinted) {
    const std::string series = WriteFile("series.txt", "5\n6\n");
    const std::string letters = WriteFile("letters.txt", "5\nwarm\n");
    const std::string empty = WriteFile("empty.txt", "# nothing\n\n");
    const std::string image = Synth("a.bin");
    const std::string cut = WriteFile("cut.bin", "short");
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string says;
    };
    const Case cases[] = {
        {{"analyse", series, "--interval", "0", "--profile", "usp-crt"}, 2, "--interval"},
        {{"analyse", series, "--interval", "60"}, 2, "give --profile or --rule"},
        {{"analyse", image, "--profile", "who-pqs-9"}, 2, "unknown profile who-pqs-9"},
        {{"analyse", image, "--rule", "above,8,strict"}, 2, "--rule takes"},
        {{"analyse", image, "--rule", "sideways,8,strict,single,0"}, 2, "--rule takes"},
        {{"analyse", image, "--rule", "above,8,strict,single,-5"}, 2, "--rule takes"},
        {{"analyse", image, "--delta-h", "39.9"}, 2, "--delta-h"},
        {{"analyse", image, "--colour"}, 2, "unknown option --colour"},
        {{"analyse", letters, "--interval", "60", "--profile", "usp-crt"}, 1, "line 2"},
        {{"analyse", empty, "--interval", "60", "--profile", "usp-crt"}, 1, "no temperatures"},
        {{"analyse", Dir().Path().string() + "/missing.txt", "--interval", "60", "--profile",
          "usp-crt"},
         1,
         "No such file"},
        {{"analyse", cut}, 1, "not a complete logger image"},
    };
    for (const Case& c : cases) {
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.says;
        EXPECT_EQ(result.out, "") << c.says;
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace velka::testing
