// The one conversion to °F, the limits stepped through the °F of whole °C, and the recording as
// the user reads it: values converted, everything the logger and the analysis rely on not.

#include "record/decimal_text.h"
#include "record/temperature_unit.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

using enum TemperatureUnit;

TEST(TemperatureUnit, FahrenheitOfCelsiusAndLimitTextsThatReadBack) {
    const struct {
        double celsius;
        const char* fahrenheit;
    } conversions[] = {{-30, "-22.0"}, {-0.5, "31.1"}, {2, "35.6"}, {8, "46.4"}, {70, "158.0"}};
    for (const auto& c : conversions) {
        EXPECT_EQ(FixedDecimal(FahrenheitOf(c.celsius), 1), c.fahrenheit) << c.celsius;
        EXPECT_NEAR(CelsiusFromFahrenheit(FahrenheitOf(c.celsius)), c.celsius, 1e-12);
    }
    // Every whole °C a limit may take reads back from its text as itself, in both units.
    for (int celsius = -30; celsius <= 70; ++celsius) {
        for (const TemperatureUnit unit : {Celsius, Fahrenheit})
            EXPECT_EQ(WholeCelsiusOfLimitText(LimitText(celsius, unit), unit), celsius)
                << celsius << " " << UnitCode(unit);
    }
    const struct {
        const char* text;
        TemperatureUnit unit;
        std::optional<int> celsius;
    } texts[] = {
        {"8", Celsius, 8},     {"46.4", Fahrenheit, 8},    {"-22.0", Fahrenheit, -30},
        {"47", Fahrenheit, 8}, {"", Fahrenheit, {}},       {"4x", Celsius, {}},
        {"nan", Celsius, {}},  {" 50.0 ", Fahrenheit, 10},
    };
    for (const auto& t : texts)
        EXPECT_EQ(WholeCelsiusOfLimitText(t.text, t.unit), t.celsius) << t.text;
    EXPECT_EQ(LimitText(8, Fahrenheit), "46.4");
    EXPECT_EQ(LimitText(-5, Celsius), "-5");
    const std::pair<const char*, std::optional<TemperatureUnit>> codes[] = {
        {"C", Celsius}, {"f", Fahrenheit}, {"K", std::nullopt}, {"", std::nullopt}};
    for (const auto& [code, unit] : codes)
        EXPECT_EQ(ParseUnitCode(code), unit) << code;
}

TEST(TemperatureUnit, TheShownRecordingConvertsValuesAndKeepsWhatTheLoggerHolds) {
    Recording recording;
    recording.settings.lowerLimit = 2;
    recording.settings.upperLimit = 8;
    recording.settings.lowerLimitCode = 600;
    recording.settings.upperLimitCode = 500;
    recording.record.samples = {{1.5, -1, 0}, {5.0, 0, 1}, {10.9, 1, 2}};
    recording.record.summary = {.viewFirst = 1,
                                .viewLast = 3,
                                .chartMin = 1.5,
                                .chartMax = 10.9,
                                .lowest = 1.5,
                                .highest = 10.9,
                                .average = 5.8,
                                .chartMaxInt = 10,
                                .chartMinInt = 1};

    const Recording same = ShownIn(recording, Celsius);
    EXPECT_EQ(same.record.samples[2].temperature, 10.9);
    EXPECT_EQ(same.record.summary.chartMaxInt, 10);

    const Recording shown = ShownIn(recording, Fahrenheit);
    const LogSummary& summary = shown.record.summary;
    EXPECT_DOUBLE_EQ(shown.settings.lowerLimit, 35.6);
    EXPECT_DOUBLE_EQ(shown.settings.upperLimit, 46.4);
    EXPECT_EQ(shown.settings.lowerLimitCode, 600);
    EXPECT_EQ(shown.settings.upperLimitCode, 500);
    const double expected[] = {34.7, 41.0, 51.62};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_NEAR(shown.record.samples[k].temperature, expected[k], 1e-9);
        EXPECT_EQ(shown.record.samples[k].alarm, recording.record.samples[k].alarm);
        EXPECT_EQ(shown.record.samples[k].index, recording.record.samples[k].index);
    }
    EXPECT_NEAR(summary.lowest, 34.7, 1e-9);
    EXPECT_NEAR(summary.highest, 51.62, 1e-9);
    EXPECT_NEAR(summary.average, 42.44, 1e-9);
    // The °C range 1…10 shown as whole °F that hold it.
    EXPECT_EQ(summary.chartMinInt, 33);
    EXPECT_EQ(summary.chartMaxInt, 50);
    EXPECT_EQ(summary.viewFirst, 1);
    EXPECT_EQ(summary.viewLast, 3);
}

}  // namespace
}  // namespace velka
