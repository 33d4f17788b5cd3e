#include "analysis/analysis_texts.h"

#include "record/decimal_text.h"
#include "record/local_time.h"

#include <algorithm>

namespace velka {

std::string AnalysisCelsiusText(double celsius) {
    return FixedDecimal(celsius, 2) + " °C";
}

std::string ActivationEnergyText(double activationEnergy) {
    std::string text = FixedDecimal(activationEnergy, 3);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text + " kJ/mol";
}

std::string MktText(const SeriesAnalysis& analysis) {
    return AnalysisCelsiusText(analysis.mkt) + " (ΔH " +
           ActivationEnergyText(analysis.activationEnergy) + ")";
}

std::string WorstDayText(const SeriesAnalysis& analysis, const Recording& recording) {
    if (!analysis.worstDay)
        return kShorterThanDayText;
    return AnalysisCelsiusText(analysis.worstDay->celsius) + " from " +
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

std::string AlarmStatusText(const SeriesAnalysis& analysis, const Recording& recording) {
    if (const RuleResult* fired = analysis.FirstFiredRule()) {
        const ExcursionRule& rule = fired->rule;
        return std::string("Alarm: ") + (rule.side == RuleSide::Above ? "above " : "below ") +
               FixedDecimal(rule.threshold, 1) + " °C for " + DurationText(fired->outcome.seconds) +
               " from " + AnalysisTimeText(recording, *fired->outcome.firstOutIndex);
    }
    if (analysis.Alarm())
        return "Alarm: MKT " + AnalysisCelsiusText(analysis.mkt) + " above " +
               AnalysisCelsiusText(*analysis.mktCeiling);
    return kNoAlarmText;
}

std::string AnalysisTimeText(const Recording& recording, std::size_t index) {
    return FormatLocalTime(recording.SampleTime(index), kAnalysisTimeFormat);
}

}  // namespace velka
