#include "analysis/excursion_rules.h"

#include "record/decimal_text.h"

#include <algorithm>

namespace velka {
namespace {

bool Beyond(const ExcursionRule& rule, double value) {
    if (rule.side == RuleSide::Above)
        return rule.inclusive ? value >= rule.threshold : value > rule.threshold;
    return rule.inclusive ? value <= rule.threshold : value < rule.threshold;
}

// "24 h", "30 min", "90 s", "no delay".
std::string DelayText(int seconds) {
    if (seconds == 0)
        return "no delay";
    if (seconds % 3600 == 0)
        return std::to_string(seconds / 3600) + " h";
    if (seconds % 60 == 0)
        return std::to_string(seconds / 60) + " min";
    return std::to_string(seconds) + " s";
}

}  // namespace

std::string RuleText(const ExcursionRule& rule) {
    return std::string(rule.side == RuleSide::Above ? "above " : "below ") +
           FixedDecimal(rule.threshold, 1) + " °C, " +
           (rule.kind == RuleKind::Single ? "single event, " : "cumulative, ") +
           DelayText(rule.delaySeconds) + (rule.inclusive ? ", inclusive" : ", strict");
}

RuleOutcome EvaluateRule(const ExcursionRule& rule, std::span<const double> celsius,
                         int intervalSeconds) {
    RuleOutcome outcome;
    const long long interval = intervalSeconds;
    long long run = 0;  // samples in the current run
    long long total = 0;
    for (std::size_t i = 0; i < celsius.size(); ++i) {
        if (!Beyond(rule, celsius[i])) {
            run = 0;
            continue;
        }
        if (run == 0) {
            ++outcome.events;
            if (!outcome.firstOutIndex)
                outcome.firstOutIndex = i;
        }
        ++run;
        ++total;
        outcome.longestSeconds = std::max(outcome.longestSeconds, run * interval);
        const long long counted = rule.kind == RuleKind::Single ? run : total;
        if (!outcome.alarmIndex && counted * interval >= rule.delaySeconds)
            outcome.alarmIndex = i;
    }
    outcome.seconds = total * interval;
    return outcome;
}

}  // namespace velka
