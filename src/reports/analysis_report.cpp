#include "reports/analysis_report.h"

#include "analysis/analysis_texts.h"

namespace velka {
namespace {

// "6.70 °C at 2026-12-02 12:00": the first time the value was reached.
std::string ExtremeText(const SeriesExtreme& extreme, const Recording& recording,
                        TemperatureUnit unit) {
    return WithArguments(Tr("Analysis", "%1 at %2"),
                         {AnalysisTemperatureText(extreme.celsius, unit),
                          AnalysisTimeText(recording, extreme.index)});
}

std::string TimeOrText(const std::optional<std::size_t>& index, const Recording& recording,
                       UiText without) {
    return index ? AnalysisTimeText(recording, *index) : Tr(without);
}

}  // namespace

AnalysisReport MakeAnalysisReport(const RecordingAnalysis& analysis, const Recording& recording,
                                  TemperatureUnit unit) {
    const SeriesAnalysis& chosen = analysis.profile;
    AnalysisReport report;
    report.values = {
        {Tr("Analysis", "Alarm Profile"),
         analysis.profileName + " (" + AlarmProfileTitle(analysis.profileName) + ")"},
        {Tr("Analysis", "Verdict"), AlarmStatusText(chosen, recording, unit)},
        {Tr("Analysis", "Mean Kinetic Temperature"), MktText(chosen, unit)},
        {Tr("Analysis", "Worst 24-hour MKT"), WorstDayText(chosen, recording, unit)},
    };
    if (chosen.mktCeiling)
        report.values.push_back(
            {Tr("Analysis", "MKT Ceiling"), AnalysisTemperatureText(*chosen.mktCeiling, unit)});
    report.values.insert(
        report.values.end(),
        {
            {Tr("Analysis", "Duration"),
             WithArguments(Tr("Analysis", "%1 (%2 samples, %3 apart)"),
                           {DurationText(chosen.durationSeconds), std::to_string(chosen.samples),
                            DurationText(chosen.intervalSeconds)})},
            {Tr("Analysis", "Trip Length"), DurationText(chosen.tripSeconds)},
            {Tr("Analysis", "Highest Temperature"), ExtremeText(chosen.highest, recording, unit)},
            {Tr("Analysis", "Lowest Temperature"), ExtremeText(chosen.lowest, recording, unit)},
        });
    for (const RuleResult& result : chosen.rules) {
        const RuleOutcome& outcome = result.outcome;
        report.rules.push_back({RuleText(result.rule, unit), outcome.events,
                                DurationText(outcome.seconds), DurationText(outcome.longestSeconds),
                                TimeOrText(outcome.firstOutIndex, recording, kNoExcursionText),
                                TimeOrText(outcome.alarmIndex, recording, kRuleNoAlarmText)});
    }
    if (analysis.profileName == kDefaultAlarmProfile)
        report.note =
            Tr("Analysis", "The logger profile is this program's evaluation of the logger's limits "
                           "and alarm delay; the logger's own alarm may differ.");
    return report;
}

}  // namespace velka
