#include "analysis/analysis_texts.h"

#include <algorithm>

namespace velka {

std::string AnalysisTemperatureText(double celsius, TemperatureUnit unit, const ShownForms& forms) {
    return ShownDecimal(InUnit(celsius, unit), 2, forms) + " " + std::string(UnitSymbol(unit));
}

std::string ActivationEnergyText(double activationEnergy, const ShownForms& forms) {
    std::string text = ShownDecimal(activationEnergy, 3, forms);
    while (text.back() == '0')
        text.pop_back();
    if (text.ends_with(forms.decimalPoint))
        text.resize(text.size() - forms.decimalPoint.size());
    return text + " kJ/mol";
}

std::string MktText(const SeriesAnalysis& analysis, TemperatureUnit unit, const ShownForms& forms) {
    return WithArguments(Tr("Analysis", "%1 (ΔH %2)"),
                         {AnalysisTemperatureText(analysis.mkt, unit, forms),
                          ActivationEnergyText(analysis.activationEnergy, forms)});
}

std::string WorstDayText(const SeriesAnalysis& analysis, const Recording& recording,
                         TemperatureUnit unit, const ShownForms& forms) {
    if (!analysis.worstDay)
        return Tr(kShorterThanDayText);
    return WithArguments(Tr("Analysis", "%1 from %2"),
                         {AnalysisTemperatureText(analysis.worstDay->celsius, unit, forms),
                          AnalysisTimeText(recording, analysis.worstDay->startIndex, forms)});
}

std::string TimeBeyondText(const RuleOutcome& outcome) {
    if (outcome.events == 0)
        return Tr(kNoExcursionText);
    return WithArguments(outcome.events == 1 ? Tr("Analysis", "%1 in %2 event")
                                             : Tr("Analysis", "%1 in %2 events"),
                         {DurationText(outcome.seconds), std::to_string(outcome.events)});
}

std::string LongestExcursionText(const SeriesAnalysis& analysis) {
    long long longest = 0;
    for (const RuleResult& result : analysis.rules)
        longest = std::max(longest, result.outcome.longestSeconds);
    return longest == 0 ? Tr(kNoExcursionText) : DurationText(longest);
}

std::string AlarmStatusText(const SeriesAnalysis& analysis, const Recording& recording,
                            TemperatureUnit unit, const ShownForms& forms) {
    if (const RuleResult* fired = analysis.FirstFiredRule()) {
        const ExcursionRule& rule = fired->rule;
        return WithArguments(
            rule.side == RuleSide::Above ? Tr("Analysis", "Alarm: above %1 for %2 from %3")
                                         : Tr("Analysis", "Alarm: below %1 for %2 from %3"),
            {ThresholdText(rule.threshold, unit, forms), DurationText(fired->outcome.seconds),
             AnalysisTimeText(recording, *fired->outcome.firstOutIndex, forms)});
    }
    if (analysis.Alarm())
        return WithArguments(Tr("Analysis", "Alarm: MKT %1 above %2"),
                             {AnalysisTemperatureText(analysis.mkt, unit, forms),
                              AnalysisTemperatureText(*analysis.mktCeiling, unit, forms)});
    return Tr(kNoAlarmText);
}

std::string AnalysisTimeText(const Recording& recording, std::size_t index,
                             const ShownForms& forms) {
    return ShownDateMinute(recording.SampleTime(index), forms);
}

}  // namespace velka
