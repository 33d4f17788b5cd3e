#include "analysis/analysis_texts.h"

#include "record/decimal_text.h"
#include "record/local_time.h"

#include <algorithm>

namespace velka {

std::string AnalysisTemperatureText(double celsius, TemperatureUnit unit) {
    return FixedDecimal(InUnit(celsius, unit), 2) + " " + std::string(UnitSymbol(unit));
}

std::string ActivationEnergyText(double activationEnergy) {
    std::string text = FixedDecimal(activationEnergy, 3);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text + " kJ/mol";
}

std::string MktText(const SeriesAnalysis& analysis, TemperatureUnit unit) {
    return AnalysisTemperatureText(analysis.mkt, unit) + " (ΔH " +
           ActivationEnergyText(analysis.activationEnergy) + ")";
}

std::string WorstDayText(const SeriesAnalysis& analysis, const Recording& recording,
                         TemperatureUnit unit) {
    if (!analysis.worstDay)
        return kShorterThanDayText;
    return AnalysisTemperatureText(analysis.worstDay->celsius, unit) + " from " +
           AnalysisTimeText(recording, analysis.worstDay->startIndex);
}

std::string TimeBeyondText(const RuleOutcome& outcome) {
    if (outcome.events == 0)
        return kNoExcursionText;
    return DurationText(outcome.seconds) + " in " + std::to_string(outcome.events) +
           (outcome.events == 1 ? " event" : " events");
}

std::string LongestExcursionText(const SeriesAnalysis& analysis) {
    long long longest = 0;
    for (const RuleResult& result : analysis.rules)
        longest = std::max(longest, result.outcome.longestSeconds);
    return longest == 0 ? kNoExcursionText : DurationText(longest);
}

std::string AlarmStatusText(const SeriesAnalysis& analysis, const Recording& recording,
                            TemperatureUnit unit) {
    if (const RuleResult* fired = analysis.FirstFiredRule()) {
        const ExcursionRule& rule = fired->rule;
        return std::string("Alarm: ") + (rule.side == RuleSide::Above ? "above " : "below ") +
               ThresholdText(rule.threshold, unit) + " for " +
               DurationText(fired->outcome.seconds) + " from " +
               AnalysisTimeText(recording, *fired->outcome.firstOutIndex);
    }
    if (analysis.Alarm())
        return "Alarm: MKT " + AnalysisTemperatureText(analysis.mkt, unit) + " above " +
               AnalysisTemperatureText(*analysis.mktCeiling, unit);
    return kNoAlarmText;
}

std::string AnalysisTimeText(const Recording& recording, std::size_t index) {
    return FormatLocalTime(recording.SampleTime(index), kAnalysisTimeFormat);
}

}  // namespace velka
