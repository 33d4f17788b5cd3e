#include "analysis_json.h"

#include "analysis/recording_analysis.h"

namespace velka::cli {
namespace {

nlohmann::json IndexOrNull(const std::optional<std::size_t>& index) {
    return index ? nlohmann::json(*index) : nlohmann::json(nullptr);
}

nlohmann::json TimeOrNull(const std::optional<std::size_t>& index, const SampleTimes& times) {
    return index && times ? nlohmann::json(times(*index)) : nlohmann::json(nullptr);
}

const char* TemperatureKey(TemperatureUnit unit) {
    return unit == TemperatureUnit::Fahrenheit ? "fahrenheit" : "celsius";
}

nlohmann::json ExtremeJson(const SeriesExtreme& extreme, const SampleTimes& times,
                           TemperatureUnit unit) {
    nlohmann::json json{{TemperatureKey(unit), InUnit(extreme.celsius, unit)},
                        {"index", extreme.index}};
    if (times)
        json["time"] = times(extreme.index);
    return json;
}

}  // namespace

nlohmann::json AnalysisJson(const SeriesAnalysis& analysis, const SampleTimes& times,
                            TemperatureUnit unit) {
    nlohmann::json rules = nlohmann::json::array();
    for (const RuleResult& result : analysis.rules) {
        const ExcursionRule& rule = result.rule;
        const RuleOutcome& outcome = result.outcome;
        rules.push_back({
            {"text", RuleText(rule, unit)},
            {"side", rule.side == RuleSide::Above ? "above" : "below"},
            {"threshold", InUnit(rule.threshold, unit)},
            {"inclusive", rule.inclusive},
            {"kind", rule.kind == RuleKind::Single ? "single" : "cumulative"},
            {"delaySeconds", rule.delaySeconds},
            {"events", outcome.events},
            {"seconds", outcome.seconds},
            {"longestSeconds", outcome.longestSeconds},
            {"firstOutIndex", IndexOrNull(outcome.firstOutIndex)},
            {"alarmIndex", IndexOrNull(outcome.alarmIndex)},
            {"alarmTime", TimeOrNull(outcome.alarmIndex, times)},
        });
    }
    nlohmann::json worst = nullptr;
    if (analysis.worstDay)
        worst = {{TemperatureKey(unit), InUnit(analysis.worstDay->celsius, unit)},
                 {"startIndex", analysis.worstDay->startIndex}};
    nlohmann::json mkt{{"deltaH", analysis.activationEnergy},
                       {TemperatureKey(unit), InUnit(analysis.mkt, unit)},
                       {"worst24h", worst}};
    if (analysis.mktCeiling)
        mkt["ceiling"] = InUnit(*analysis.mktCeiling, unit);
    return {
        {"samples", analysis.samples},
        {"intervalSeconds", analysis.intervalSeconds},
        {"durationSeconds", analysis.durationSeconds},
        {"tripSeconds", analysis.tripSeconds},
        {"highest", ExtremeJson(analysis.highest, times, unit)},
        {"lowest", ExtremeJson(analysis.lowest, times, unit)},
        {"mkt", mkt},
        {"rules", rules},
        {"alarm", analysis.Alarm()},
        {"firstAlarmTime", TimeOrNull(analysis.FirstAlarmIndex(), times)},
    };
}

nlohmann::json LoggerAnalysisJson(const Recording& recording, TemperatureUnit unit) {
    const std::vector<double> series = RecordingTemperatures(recording);
    const AlarmProfile profile = *FindAlarmProfile(kDefaultAlarmProfile, recording.settings);
    const std::optional<SeriesAnalysis> analysis =
        AnalyseSeries(series, recording.settings.logInterval, kDefaultActivationEnergy,
                      profile.rules, profile.mktCeiling);
    if (!analysis)
        return nullptr;
    nlohmann::json json = AnalysisJson(
        *analysis, [&recording](std::size_t k) { return recording.SampleTime(k); }, unit);
    json["profile"] = profile.name;
    return json;
}

}  // namespace velka::cli
