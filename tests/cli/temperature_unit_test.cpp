// --unit through velka-cli: decode, analyse and export show °F where asked and keep every value
// the logger holds; the analysis is worked in °C whichever unit it is told in.

#include "cli_fixture.h"

#include <cmath>
#include <fstream>

namespace velka::testing {
namespace {

using Json = nlohmann::json;

double F(const Json& celsius) {
    return celsius.get<double>() * 9 / 5 + 32;
}

TEST_F(CliTest, TheUnitConvertsWhatIsShownAndNothingTheLoggerHolds) {
    const std::string image =
        Synth("a.bin", {"--interval", "300", "--count", "400", "--seed", "3"});
    const Json c = Decode(image);
    const CliResult result = Run({"decode", image, "--unit", "F"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const Json f = Json::parse(result.out);
    EXPECT_EQ(c["unit"], "C");
    EXPECT_EQ(f["unit"], "F");
    for (const char* code : {"lowerLimitCode", "upperLimitCode", "calibrationA", "startTime"})
        EXPECT_EQ(f[code], c[code]) << code;
    for (const char* limit : {"lowerLimit", "upperLimit"})
        EXPECT_DOUBLE_EQ(f[limit].get<double>(), F(c[limit])) << limit;
    for (const char* value : {"lowest", "highest", "average", "chartMin", "chartMax"})
        EXPECT_NEAR(f["summary"][value].get<double>(), F(c["summary"][value]), 1e-9) << value;
    // The chart's range in whole °F that hold the °C one.
    EXPECT_EQ(f["summary"]["chartMinInt"], std::floor(F(c["summary"]["chartMinInt"])));
    EXPECT_EQ(f["summary"]["chartMaxInt"], std::ceil(F(c["summary"]["chartMaxInt"])));
    ASSERT_EQ(f["samples"].size(), c["samples"].size());
    for (std::size_t k = 0; k < c["samples"].size(); ++k) {
        EXPECT_EQ(f["samples"][k]["raw"], c["samples"][k]["raw"]);
        EXPECT_EQ(f["samples"][k]["alarm"], c["samples"][k]["alarm"]);
        EXPECT_NEAR(f["samples"][k]["temperature"].get<double>(), F(c["samples"][k]["temperature"]),
                    1e-9);
    }
    // The same analysis, its temperatures told in °F.
    const Json& fa = f["analysis"];
    const Json& ca = c["analysis"];
    EXPECT_NEAR(fa["mkt"]["fahrenheit"].get<double>(), F(ca["mkt"]["celsius"]), 1e-9);
    EXPECT_EQ(fa["rules"][0]["events"], ca["rules"][0]["events"]);
    EXPECT_EQ(fa["rules"][0]["text"], "above 46.4 °F, single event, 30 min, strict");
    EXPECT_EQ(fa["firstAlarmTime"], ca["firstAlarmTime"]);

    // A series and rules given in °F are judged as their °C values are.
    const std::string celsius = WriteFile("c.txt", "5\n9\n9\n5\n10\n10\n10\n5\n1\n1\n5\n8\n8\n2\n");
    const std::string fahrenheit = WriteFile(
        "f.txt", "41\n48.2\n48.2\n41\n50\n50\n50\n41\n33.8\n33.8\n41\n46.4\n46.4\n35.6\n");
    const Json inC =
        Json::parse(Run({"analyse", celsius, "--interval", "300", "--rule",
                         "above,8,strict,single,900", "--rule", "below,2,inclusive,cumulative,900"})
                        .out);
    const Json inF = Json::parse(
        Run({"analyse", fahrenheit, "--interval", "300", "--unit", "F", "--rule",
             "above,46.4,strict,single,900", "--rule", "below,35.6,inclusive,cumulative,900"})
            .out);
    EXPECT_EQ(inF["unit"], "F");
    for (std::size_t r = 0; r < 2; ++r) {
        for (const char* key : {"events", "seconds", "firstOutIndex", "alarmIndex"})
            EXPECT_EQ(inF["rules"][r][key], inC["rules"][r][key]) << key;
    }
    EXPECT_NEAR(inF["mkt"]["fahrenheit"].get<double>(), F(inC["mkt"]["celsius"]), 1e-9);

    // export: --unit over config.ini's unit; none given takes the file's.
    const std::string config = WriteFile("config.ini", "[Velka]\nTemperature Unit=F\n");
    const auto head = [&](const std::vector<std::string>& unit) {
        const std::string csv = (Dir() / ("s" + std::to_string(unit.size()) + ".csv")).string();
        std::vector<std::string> arguments = {"export", image, "--csv", csv, "--config", config};
        arguments.insert(arguments.end(), unit.begin(), unit.end());
        const CliResult exported = Run(arguments);
        EXPECT_EQ(exported.exitCode, 0) << exported.err;
        std::ifstream in(csv);
        std::string line;
        std::getline(in, line);
        return line;
    };
    EXPECT_EQ(head({}), "Number,Record time,Temperature°F,Alarm\r");
    EXPECT_EQ(head({"--unit", "C"}), "Number,Record time,Temperature℃,Alarm\r");

    const std::vector<std::string> kelvin[] = {{"decode", image, "--unit", "K"},
                                               {"analyse", image, "--unit", "K"},
                                               {"export", image, "--unit", "K", "--csv", "x.csv"}};
    for (const std::vector<std::string>& arguments : kelvin) {
        const CliResult refused = Run(arguments);
        EXPECT_EQ(refused.exitCode, 2) << arguments[0];
        EXPECT_NE(refused.err.find("--unit takes C or F"), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace velka::testing
