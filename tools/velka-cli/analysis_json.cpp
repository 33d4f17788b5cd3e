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

nlohmann::json ExtremeJson(const SeriesExtreme& extreme, const SampleTimes& times) {
    nlohmann::json json{{"celsius", extreme.celsius}, {"index", extreme.index}};
    if (times)
        json["time"] = times(extreme.index);
    return json;
}

}  // namespace

nlohmann::json AnalysisJson(const SeriesAnalysis& analysis, const SampleTimes& times) {
    nlohmann::json rules = nlohmann::json::array();
    for (const RuleResult& result : analysis.rules) {
        const ExcursionRule& rule = result.rule;
        const RuleOutcome& outcome = result.outcome;
        rules.push_back({
            {"text", RuleText(rule)},
            {"side", rule.side == RuleSide::Above ? "above" : "below"},
            {"threshold", rule.threshold},
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
        worst = {{"celsius", analysis.worstDay->celsius},
                 {"startIndex", analysis.worstDay->startIndex}};
    nlohmann::json mkt{
        {"deltaH", analysis.activationEnergy}, {"celsius", analysis.mkt}, {"worst24h", worst}};
    if (analysis.mktCeiling)
        mkt["ceiling"] = *analysis.mktCeiling;
    return {
        {"samples", analysis.samples},
        {"intervalSeconds", analysis.intervalSeconds},
        {"durationSeconds", analysis.durationSeconds},
        {"tripSeconds", analysis.tripSeconds},
        {"highest", ExtremeJson(analysis.highest, times)},
        {"lowest", ExtremeJson(analysis.lowest, times)},
        {"mkt", mkt},
        {"rules", rules},
        {"alarm", analysis.Alarm()},
        {"firstAlarmTime", TimeOrNull(analysis.FirstAlarmIndex(), times)},
    };
}

nlohmann::json LoggerAnalysisJson(const Recording& recording) {
    const std::vector<double> series = RecordingTemperatures(recording);
    const AlarmProfile profile = *FindAlarmProfile(kDefaultAlarmProfile, recording.settings);
    const std::optional<SeriesAnalysis> analysis =
        AnalyseSeries(series, recording.settings.logInterval, kDefaultActivationEnergy,
                      profile.rules, profile.mktCeiling);
    if (!analysis)
        return nullptr;
    nlohmann::json json =
        AnalysisJson(*analysis, [&recording](std::size_t k) { return recording.SampleTime(k); });
    json["profile"] = profile.name;
    return json;
}

}  // namespace velka::cli
