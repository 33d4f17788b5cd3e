#pragma once
// The whole analysis of a recording's temperatures: duration, extremes, the MKT of the record
// and of its worst 24 hours, and the rules of an alarm profile with their outcomes.

#include "analysis/alarm_profiles.h"
#include "analysis/excursion_rules.h"
#include "analysis/mean_kinetic_temperature.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace velka {

struct SeriesExtreme {
    double celsius = 0.0;
    std::size_t index = 0;  // its first occurrence
};

struct RuleResult {
    ExcursionRule rule;
    RuleOutcome outcome;
};

struct SeriesAnalysis {
    std::size_t samples = 0;
    int intervalSeconds = 0;
    long long durationSeconds = 0;  // samples × interval
    long long tripSeconds = 0;      // (samples − 1) × interval
    SeriesExtreme highest;
    SeriesExtreme lowest;
    double activationEnergy = kDefaultActivationEnergy;
    double mkt = 0.0;
    std::optional<WorstWindow> worstDay;  // none for a record shorter than 24 hours
    std::vector<RuleResult> rules;
    std::optional<double> mktCeiling;

    // The rule that fires first (the earlier in the list of two that fire on one sample); null
    // when none does.
    const RuleResult* FirstFiredRule() const;
    // The first sample at which a rule fires; none when none does.
    std::optional<std::size_t> FirstAlarmIndex() const;
    // A rule fired, or the MKT is above the profile's ceiling.
    bool Alarm() const;
};

// None for an empty series or an interval that is not positive.
std::optional<SeriesAnalysis> AnalyseSeries(std::span<const double> celsius, int intervalSeconds,
                                            double activationEnergy,
                                            const std::vector<ExcursionRule>& rules,
                                            std::optional<double> mktCeiling = std::nullopt);

}  // namespace velka
