#pragma once
// Excursion rules: a side and a threshold, a strict or inclusive comparison, and when the alarm
// fires: after one unbroken run (single) or a total so far (cumulative) of `delaySeconds`.

#include "record/shown_forms.h"
#include "record/temperature_unit.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace velka {

enum class RuleSide { Above, Below };
enum class RuleKind { Single, Cumulative };

struct ExcursionRule {
    RuleSide side = RuleSide::Above;
    double threshold = 0.0;  // °C
    bool inclusive = false;  // ≥ / ≤ rather than > / <
    RuleKind kind = RuleKind::Single;
    int delaySeconds = 0;

    bool operator==(const ExcursionRule&) const = default;
};

// A span of time in words: "0 min", "90 s" as "1 min 30 s", "24 h", "1 h 35 min", "3 d 2 h".
std::string DurationText(long long seconds);

// A rule's threshold as the texts give it: "8.0 °C", "46.4 °F".
std::string ThresholdText(double celsius, TemperatureUnit unit,
                          const ShownForms& forms = kFixedForms);

// The rule in words, as the reports print it: "above 8.0 °C, single event, 30 min, strict".
std::string RuleText(const ExcursionRule& rule, TemperatureUnit unit);

struct RuleOutcome {
    std::size_t events = 0;  // maximal runs of consecutive samples beyond the threshold
    long long seconds = 0;   // samples beyond × interval
    long long longestSeconds = 0;
    std::optional<std::size_t> firstOutIndex;
    // The first sample at which the run (single) or the total (cumulative) reaches the delay:
    // count × interval ≥ delay, so a delay of 0 fires on the first sample beyond.
    std::optional<std::size_t> alarmIndex;

    bool operator==(const RuleOutcome&) const = default;
};

RuleOutcome EvaluateRule(const ExcursionRule& rule, std::span<const double> celsius,
                         int intervalSeconds);

}  // namespace velka
