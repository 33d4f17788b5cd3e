#include "reports/analysis_report.h"

#include "analysis/analysis_texts.h"

namespace velka {
namespace {

// "6.70 °C at 2026-12-02 12:00": the first time the value was reached.
std::string ExtremeText(const SeriesExtreme& extreme, const Recording& recording,
                        TemperatureUnit unit) {
    return AnalysisTemperatureText(extreme.celsius, unit) + " at " +
           AnalysisTimeText(recording, extreme.index);
}

std::string TimeOrText(const std::optional<std::size_t>& index, const Recording& recording,
                       const char* without) {
    return index ? AnalysisTimeText(recording, *index) : std::string(without);
}

}  // namespace

AnalysisReport MakeAnalysisReport(const RecordingAnalysis& analysis, const Recording& recording,
                                  TemperatureUnit unit) {
    const SeriesAnalysis& chosen = analysis.profile;
    AnalysisReport report;
    report.values = {
        {"Alarm Profile",
         analysis.profileName + " (" + AlarmProfileTitle(analysis.profileName) + ")"},
        {"Verdict", AlarmStatusText(chosen, recording, unit)},
        {"Mean Kinetic Temperature", MktText(chosen, unit)},
        {"Worst 24-hour MKT", WorstDayText(chosen, recording, unit)},
    };
    if (chosen.mktCeiling)
        report.values.push_back({"MKT Ceiling", AnalysisTemperatureText(*chosen.mktCeiling, unit)});
    report.values.insert(report.values.end(),
                         {
                             {"Duration", DurationText(chosen.durationSeconds) + " (" +
                                              std::to_string(chosen.samples) + " samples, " +
                                              DurationText(chosen.intervalSeconds) + " apart)"},
                             {"Trip Length", DurationText(chosen.tripSeconds)},
                             {"Highest Temperature", ExtremeText(chosen.highest, recording, unit)},
                             {"Lowest Temperature", ExtremeText(chosen.lowest, recording, unit)},
                         });
    for (const RuleResult& result : chosen.rules) {
        const RuleOutcome& outcome = result.outcome;
        report.rules.push_back({RuleText(result.rule, unit), outcome.events,
                                DurationText(outcome.seconds), DurationText(outcome.longestSeconds),
                                TimeOrText(outcome.firstOutIndex, recording, kNoExcursionText),
                                TimeOrText(outcome.alarmIndex, recording, kRuleNoAlarmText)});
    }
    if (analysis.profileName == kDefaultAlarmProfile)
        report.note = "The logger profile is this program's evaluation of the logger's limits and "
                      "alarm delay; the logger's own alarm may differ.";
    return report;
}

}  // namespace velka
