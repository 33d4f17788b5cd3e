#include "cli_fixture.h"

namespace velka::testing {
namespace {

using Json = nlohmann::json;

const char* kProducts = R"("products": [{"unit": "kg", "quantity": 100, "validity": 1800000000,
    "number": "N1", "name": "Vaccine", "spec": "10 ml", "shipment": "S-1", "batch": "B1"}])";

class ApplySettingsTest : public CliTest {
protected:
    CliResult Apply(const std::string& settings) {
        image_ = Synth("in.bin", {"--start", "1765000000", "--count", "200"});
        return Run(
            {"apply-settings", image_, WriteFile("settings.json", settings), "--out", Out()});
    }
    std::string Out() const { return (Dir() / "out.bin").string(); }
    std::string image_;
};

TEST_F(ApplySettingsTest, AppliesEveryKeyAsTheWriteDoes) {
    const CliResult result = Apply(std::string(R"({"logInterval": 60, "startDelay": 300,
        "alarmDelay": 1800, "upperLimit": 25, "lowerLimit": -5, "deliveryDate": 1766000000,
        "deliveryCompany": "Nordvik", "receivingCompany": "Brigid", "transportCompany": "Calder",
        "transportNumber": "T-77", )") +
                                   kProducts + "}");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.empty());

    const Json before = Decode(image_);
    const Json after = Decode(Out());
    EXPECT_EQ(after["logInterval"], 60);
    EXPECT_EQ(after["startDelay"], 300);
    EXPECT_EQ(after["alarmDelayCount"], 30);  // 1800 s in intervals of the new 60 s
    EXPECT_TRUE(after["upperLimit"] == 25.0 || after["upperLimit"] == 24.0);
    EXPECT_TRUE(after["lowerLimit"] == -5.0 || after["lowerLimit"] == -6.0);
    EXPECT_EQ(after["clockSetTime"], kNow);
    EXPECT_EQ(after["deliveryDate"], 1766000000);
    EXPECT_EQ(after["deliveryCompany"], "Nordvik");
    EXPECT_EQ(after["transportNumber"], "T-77");
    ASSERT_EQ(after["products"].size(), 1u);
    EXPECT_EQ(after["products"][0]["id"], 1);
    EXPECT_EQ(after["products"][0]["batch"], "B1");
    EXPECT_EQ(after["tableUsedBytes"], 18 + 4 + 14 + 10 + 6 + 4);
    // What the page does not edit goes back unchanged; the samples are untouched.
    EXPECT_EQ(after["serialNumber"], before["serialNumber"]);
    EXPECT_EQ(after["startOffset"], before["startOffset"]);
    EXPECT_EQ(after["calibrationA"], before["calibrationA"]);
    ASSERT_EQ(after["samples"].size(), before["samples"].size());
    for (std::size_t i = 0; i < after["samples"].size(); ++i)
        ASSERT_EQ(after["samples"][i]["raw"], before["samples"][i]["raw"]) << i;
    EXPECT_EQ(ReadFile(Out()).size(), 16384u);
}

TEST_F(ApplySettingsTest, MissingKeysKeepTheDecodedValues) {
    ASSERT_EQ(Apply("{}").exitCode, 0);
    const Json before = Decode(image_);
    const Json after = Decode(Out());
    for (const char* key : {"logInterval", "startDelay", "alarmDelayCount", "upperLimitCode",
                            "lowerLimitCode", "deliveryDate", "deliveryCompany", "receivingCompany",
                            "transportCompany", "transportNumber", "products", "tableUsedBytes"}) {
        EXPECT_EQ(after[key], before[key]) << key;
    }
    EXPECT_EQ(after["clockSetTime"], kNow);
}

TEST_F(ApplySettingsTest, NewLogIntervalKeepsTheAlarmDelayInSeconds) {
    // The synthetic logger logs every 300 s with an alarm delay of 6 intervals, 30 minutes.
    for (const auto& [interval, count] : {std::pair{1800, 1}, {30, 60}, {300, 6}}) {
        std::filesystem::remove(Out());
        const CliResult result = Apply(R"({"logInterval": )" + std::to_string(interval) + "}");
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(Decode(Out())["alarmDelayCount"], count) << interval;
    }
}

TEST_F(ApplySettingsTest, RefusalsUseTheSystemsMessagesInItsOrder) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // A NUL would end the text in the image: refused before anything else.
        {R"({"products": [], "deliveryCompany": "\u0000"})",
         "Delivery Company must not hold a NUL character"},
        {R"({"receivingCompany": "A\u0000B"})", "Receiving Company must not hold a NUL character"},
        {R"({"products": [{"name": "Vac\u0000cine"}]})",
         "Product 1: Product Name must not hold a NUL character"},
        {R"({"products": [], "deliveryCompany": "", "receivingCompany": ""})",
         "Please Add Product Information"},
        {R"({"deliveryCompany": "", "receivingCompany": ""})", "Please input Delivery Company"},
        {R"({"receivingCompany": ""})", "Please input Receiving Company"},
        {R"({"lowerLimit": 8, "upperLimit": 2})",
         "Lower Limit Alarm must be below Upper Limit Alarm"},
        {R"({"lowerLimit": 5, "upperLimit": 5})",
         "Lower Limit Alarm must be below Upper Limit Alarm"},
        {R"({"products": [{},{},{},{},{},{},{},{},{},{},{}]})",
         "Product Information Upper Limit is 10, reach the upper limit!"},
        {R"({"products": [)" +
             [] {
                 std::string list;
                 const std::string t20(20, 'x');
                 for (int i = 0; i < 7; ++i)
                     list += std::string(i ? "," : "") + R"({"number":")" + t20 + R"(","name":")" +
                             t20 + R"(","spec":")" + t20 + R"(","shipment":")" + t20 +
                             R"(","batch":")" + std::string(16, 'b') + "\"}";
                 return list;
             }() +
             "]}",
         "Add Failed - Overrun the capacity"},
        {R"({"deliveryCompany": "123456789012345678901"})",
         "Delivery Company is longer than 20 characters"},
        {R"({"transportNumber": "12345678901"})", "Transport Number is longer than 10 characters"},
        {R"({"products": [{"unit": "kgs"}]})", "Product 1: Unit is longer than 2 characters"},
        {R"({"products": [{"quantity": 65536}]})",
         "Product 1: Quantity must be between 0 and 65535"},
        {R"({"products": [{"quantity": -1}]})", "Product 1: Quantity must be between 0 and 65535"},
        {R"({"products": [{"batch": "12345678901234567"}]})",
         "Product 1: Product Batch Number is longer than 16 characters"},
        {R"({"logInterval": 45})", "logInterval must be one of 30, 60, 300, 600, 1800 seconds"},
        {R"({"upperLimit": 2.5})", "upperLimit must be a whole number"},
        {R"({"colour": "red"})", "unknown settings key \"colour\""},
        {R"([1, 2])", "the settings file must hold one JSON object"},
        {R"({"logInterval": )", "the settings file is not valid JSON"},
    };
    for (const auto& [settings, message] : cases) {
        const CliResult result = Apply(settings);
        EXPECT_EQ(result.exitCode, 1) << settings;
        EXPECT_EQ(result.err, message + "\n") << settings;
        EXPECT_FALSE(std::filesystem::exists(Out())) << settings;
    }
}

TEST_F(ApplySettingsTest, TextLimitsCountUtf16CodeUnits) {
    // Twenty CJK characters fit; a character beyond the basic plane takes two units.
    const std::string twenty = [] {
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "冷";
        return text;
    }();
    CliResult result = Apply(R"({"deliveryCompany": ")" + twenty + "\"}");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Decode(Out())["deliveryCompany"], twenty);
    std::filesystem::remove(Out());
    result = Apply(R"({"deliveryCompany": ")" + twenty.substr(3) + "\U0001F9CA\"}");
    EXPECT_EQ(result.exitCode, 1);
}

TEST_F(ApplySettingsTest, WrongUse) {
    EXPECT_EQ(Run({"apply-settings", "a.bin", "s.json"}).exitCode, 2);  // no --out
    EXPECT_EQ(Run({"apply-settings", "a.bin", "--out", "x"}).exitCode, 2);
    const CliResult missing = Run({"apply-settings", (Dir() / "none.bin").string(),
                                   WriteFile("s.json", "{}"), "--out", Out()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(Out()));
}

}  // namespace
}  // namespace velka::testing
