#include "analysis/excursion_rules.h"

#include "services/translation.h"

#include <algorithm>

namespace velka {
namespace {

bool Beyond(const ExcursionRule& rule, double value) {
    if (rule.side == RuleSide::Above)
        return rule.inclusive ? value >= rule.threshold : value > rule.threshold;
    return rule.inclusive ? value <= rule.threshold : value < rule.threshold;
}

std::string DelayText(int seconds) {
    return seconds == 0 ? Tr("Analysis", "no delay") : DurationText(seconds);
}

}  // namespace

std::string DurationText(long long seconds) {
    constexpr long long kMinute = 60;
    constexpr long long kHour = 60 * kMinute;
    constexpr long long kDay = 24 * kHour;
    if (seconds == 0)
        return "0 " + Tr("Units", "min");
    std::string text;
    const auto part = [&text](long long count, const std::string& unit) {
        if (count != 0)
            text += (text.empty() ? "" : " ") + std::to_string(count) + " " + unit;
    };
    // Days only from two on: "24 h" and "36 h" read better than "1 d 12 h".
    const long long days = seconds >= 2 * kDay ? seconds / kDay : 0;
    seconds -= days * kDay;
    part(days, Tr("Units", "d"));
    part(seconds / kHour, Tr("Units", "h"));
    part(seconds % kHour / kMinute, Tr("Units", "min"));
    part(seconds % kMinute, Tr("Units", "s"));
    return text;
}

std::string ThresholdText(double celsius, TemperatureUnit unit, const ShownForms& forms) {
    return ShownDecimal(InUnit(celsius, unit), 1, forms) + " " + std::string(UnitSymbol(unit));
}

std::string RuleText(const ExcursionRule& rule, TemperatureUnit unit) {
    return (rule.side == RuleSide::Above ? Tr("Analysis", "above") : Tr("Analysis", "below")) +
           " " + ThresholdText(rule.threshold, unit) + ", " +
           (rule.kind == RuleKind::Single ? Tr("Analysis", "single event")
                                          : Tr("Analysis", "cumulative")) +
           ", " + DelayText(rule.delaySeconds) + ", " +
           (rule.inclusive ? Tr("Analysis", "inclusive") : Tr("Analysis", "strict"));
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
