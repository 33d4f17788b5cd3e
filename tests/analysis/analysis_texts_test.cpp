// The analysis in words: spans of time, the activation energy, and the verdict on the worked
// example as the window and the reports say it.

#include "analysis/analysis_texts.h"
#include "local_zone.h"

#include <gtest/gtest.h>
#include <vector>

namespace velka {
namespace {

TEST(AnalysisTexts, SpansOfTimeAndTheActivationEnergy) {
    const std::pair<long long, const char*> spans[] = {
        {0, "0 min"},         {59, "59 s"},    {90, "1 min 30 s"},           {3600, "1 h"},
        {5700, "1 h 35 min"}, {86400, "24 h"}, {172799, "47 h 59 min 59 s"}, {172800, "2 d"},
        {270000, "3 d 3 h"},
    };
    for (const auto& [seconds, text] : spans)
        EXPECT_EQ(DurationText(seconds), text) << seconds;
    const std::pair<double, const char*> energies[] = {
        {83.144, "83.144 kJ/mol"},
        {100, "100 kJ/mol"},
        {100.5, "100.5 kJ/mol"},
        {40.0004, "40 kJ/mol"},
    };
    for (const auto& [energy, text] : energies)
        EXPECT_EQ(ActivationEnergyText(energy), text) << energy;
}

TEST(AnalysisTexts, TheVerdictNamesTheFirstRuleThatFiredOrTheMktCeiling) {
    const testing::LocalZone zone("UTC0");
    // The worked example (limits 2 and 8, five minutes apart), recorded from 2026-12-04 10:00.
    const std::vector<double> series = {5, 9, 9, 5, 10, 10, 10, 5, 1, 1, 5, 8, 8, 2};
    Recording recording;
    recording.settings.clockSetTime = 1796378400;
    recording.settings.logInterval = 300;
    using enum RuleSide;
    using enum RuleKind;
    const ExcursionRule above{Above, 8, false, Single, 15 * 60};
    const ExcursionRule belowAtOnce{Below, 2, true, Single, 0};
    const ExcursionRule belowLate{Below, 2, false, Cumulative, 15 * 60};
    using enum TemperatureUnit;
    struct Case {
        std::vector<ExcursionRule> rules;
        std::optional<double> mktCeiling;
        const char* verdict;
        TemperatureUnit unit = Celsius;
    };
    const Case cases[] = {
        {{above}, std::nullopt, "Alarm: above 8.0 °C for 25 min from 2026-12-04 10:05"},
        // The earlier alarm wins, whatever the order of the rules.
        {{belowLate, above}, std::nullopt, "Alarm: above 8.0 °C for 25 min from 2026-12-04 10:05"},
        {{above, belowAtOnce},
         std::nullopt,
         "Alarm: above 8.0 °C for 25 min from 2026-12-04 10:05"},
        {{belowAtOnce}, std::nullopt, "Alarm: below 2.0 °C for 15 min from 2026-12-04 10:40"},
        {{belowLate}, std::nullopt, "No alarm"},
        {{belowLate}, 6.0, "Alarm: MKT 6.86 °C above 6.00 °C"},
        {{belowLate}, 7.0, "No alarm"},
        // Worked in °C, told in °F.
        {{above},
         std::nullopt,
         "Alarm: above 46.4 °F for 25 min from 2026-12-04 10:05",
         Fahrenheit},
        {{belowAtOnce},
         std::nullopt,
         "Alarm: below 35.6 °F for 15 min from 2026-12-04 10:40",
         Fahrenheit},
        {{belowLate}, 6.0, "Alarm: MKT 44.35 °F above 42.80 °F", Fahrenheit},
    };
    for (const Case& c : cases) {
        const auto analysis =
            AnalyseSeries(series, 300, kDefaultActivationEnergy, c.rules, c.mktCeiling);
        ASSERT_TRUE(analysis);
        EXPECT_EQ(AlarmStatusText(*analysis, recording, c.unit), c.verdict);
    }
}

}  // namespace
}  // namespace velka
