// Excursion rules on the worked example, their texts, the alarm profiles, and the whole
// analysis of a series.

#include "analysis/alarm_profiles.h"
#include "analysis/excursion_rules.h"
#include "analysis/series_analysis.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace velka {
namespace {

using enum RuleSide;
using enum RuleKind;

constexpr int kFiveMinutes = 300;
// Limits 2 and 8, one sample each five minutes.
const std::vector<double> kExample = {5, 9, 9, 5, 10, 10, 10, 5, 1, 1, 5, 8, 8, 2};

TEST(ExcursionRules, TheWorkedExample) {
    struct Case {
        ExcursionRule rule;
        RuleOutcome expected;
    };
    const Case cases[] = {
        {{Above, 8, false, Single, 15 * 60}, {2, 25 * 60, 15 * 60, 1, 6}},
        {{Above, 8, false, Cumulative, 20 * 60}, {2, 25 * 60, 15 * 60, 1, 5}},
        {{Above, 8, false, Single, 20 * 60}, {2, 25 * 60, 15 * 60, 1, std::nullopt}},
        {{Above, 8, false, Single, 0}, {2, 25 * 60, 15 * 60, 1, 1}},
        {{Above, 8, true, Single, 0}, {3, 35 * 60, 15 * 60, 1, 1}},
        {{Below, 2, true, Cumulative, 15 * 60}, {2, 15 * 60, 10 * 60, 8, 13}},
        {{Below, 2, false, Single, 0}, {1, 10 * 60, 10 * 60, 8, 8}},
        {{Below, 0, false, Single, 0}, {0, 0, 0, std::nullopt, std::nullopt}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateRule(c.rule, kExample, kFiveMinutes), c.expected)
            << RuleText(c.rule, TemperatureUnit::Celsius);
}

TEST(ExcursionRules, SayWhatTheyTest) {
    using enum TemperatureUnit;
    const std::tuple<ExcursionRule, TemperatureUnit, const char*> cases[] = {
        {{Above, 8, false, Single, 30 * 60}, Celsius, "above 8.0 °C, single event, 30 min, strict"},
        {{Above, 30, true, Cumulative, 36000},
         Celsius,
         "above 30.0 °C, cumulative, 10 h, inclusive"},
        {{Below, -0.5, true, Single, 90},
         Celsius,
         "below -0.5 °C, single event, 1 min 30 s, inclusive"},
        {{Below, 15, false, Single, 0}, Celsius, "below 15.0 °C, single event, no delay, strict"},
        {{Above, 8, false, Single, 30 * 60},
         Fahrenheit,
         "above 46.4 °F, single event, 30 min, strict"},
        {{Below, -0.5, true, Single, 90},
         Fahrenheit,
         "below 31.1 °F, single event, 1 min 30 s, inclusive"},
    };
    for (const auto& [rule, unit, text] : cases)
        EXPECT_EQ(RuleText(rule, unit), text);
}

TEST(AlarmProfiles, TheLoggersLimitsOrAStandardsRules) {
    LoggerSettings settings;
    settings.upperLimit = 8;
    settings.lowerLimit = 2;
    settings.logInterval = 300;
    settings.alarmDelayCount = 3;
    const auto logger = FindAlarmProfile("logger", settings);
    ASSERT_TRUE(logger.has_value());
    EXPECT_EQ(logger->rules, (std::vector<ExcursionRule>{{Above, 8, false, Single, 900},
                                                         {Below, 2, false, Single, 900}}));
    const std::pair<const char*, std::size_t> sizes[] = {
        {"logger", 2}, {"who-pqs-1", 3}, {"who-pqs-2", 3}, {"usp-crt", 3}};
    std::vector<std::string> names;
    for (const auto& [name, rules] : sizes) {
        names.push_back(name);
        const auto profile = FindAlarmProfile(name, settings);
        ASSERT_TRUE(profile.has_value()) << name;
        EXPECT_EQ(profile->rules.size(), rules) << name;
        EXPECT_EQ(profile->mktCeiling.has_value(), std::string(name) == "usp-crt") << name;
    }
    EXPECT_EQ(AlarmProfileNames(), names);
    EXPECT_FALSE(FindAlarmProfile("who-pqs-3", settings).has_value());
    EXPECT_EQ(FindAlarmProfile("who-pqs-1", settings)->rules[2],
              (ExcursionRule{Below, -0.5, true, Single, 3600}));
}

TEST(SeriesAnalysis, DurationsExtremesMktAndTheFirstAlarm) {
    const std::vector<ExcursionRule> rules = {{Above, 8, false, Single, 15 * 60},
                                              {Below, 2, true, Cumulative, 10 * 60}};
    const auto analysis = AnalyseSeries(kExample, kFiveMinutes, kDefaultActivationEnergy, rules);
    ASSERT_TRUE(analysis.has_value());
    EXPECT_EQ(analysis->samples, 14u);
    EXPECT_EQ(analysis->durationSeconds, 14 * 300);
    EXPECT_EQ(analysis->tripSeconds, 13 * 300);
    EXPECT_EQ(analysis->highest.celsius, 10);
    EXPECT_EQ(analysis->highest.index, 4u);  // the first of the three
    EXPECT_EQ(analysis->lowest.celsius, 1);
    EXPECT_EQ(analysis->lowest.index, 8u);
    EXPECT_EQ(analysis->mkt, MeanKineticTemperature(kExample));
    EXPECT_FALSE(analysis->worstDay.has_value());  // 70 minutes
    EXPECT_EQ(analysis->FirstAlarmIndex(), std::optional<std::size_t>(6));
    EXPECT_TRUE(analysis->Alarm());

    // No rule fires; only a ceiling on the MKT can then raise the alarm.
    const auto calm = AnalyseSeries(kExample, kFiveMinutes, kDefaultActivationEnergy, {}, 25.0);
    EXPECT_FALSE(calm->Alarm());
    EXPECT_TRUE(AnalyseSeries(kExample, kFiveMinutes, kDefaultActivationEnergy, {}, 5.0)->Alarm());
    EXPECT_FALSE(AnalyseSeries({}, kFiveMinutes, kDefaultActivationEnergy, rules).has_value());
    EXPECT_FALSE(AnalyseSeries(kExample, 0, kDefaultActivationEnergy, rules).has_value());
}

}  // namespace
}  // namespace velka
