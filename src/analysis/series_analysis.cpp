#include "analysis/series_analysis.h"

namespace velka {

const RuleResult* SeriesAnalysis::FirstFiredRule() const {
    const RuleResult* first = nullptr;
    for (const RuleResult& result : rules) {
        const std::optional<std::size_t>& index = result.outcome.alarmIndex;
        if (index && (first == nullptr || *index < *first->outcome.alarmIndex))
            first = &result;
    }
    return first;
}

std::optional<std::size_t> SeriesAnalysis::FirstAlarmIndex() const {
    const RuleResult* first = FirstFiredRule();
    return first != nullptr ? first->outcome.alarmIndex : std::nullopt;
}

bool SeriesAnalysis::Alarm() const {
    return FirstAlarmIndex().has_value() || (mktCeiling && mkt > *mktCeiling);
}

std::optional<SeriesAnalysis> AnalyseSeries(std::span<const double> celsius, int intervalSeconds,
                                            double activationEnergy,
                                            const std::vector<ExcursionRule>& rules,
                                            std::optional<double> mktCeiling) {
    if (celsius.empty() || intervalSeconds <= 0)
        return std::nullopt;
    SeriesAnalysis analysis;
    analysis.samples = celsius.size();
    analysis.intervalSeconds = intervalSeconds;
    const auto count = static_cast<long long>(celsius.size());
    analysis.durationSeconds = count * intervalSeconds;
    analysis.tripSeconds = (count - 1) * intervalSeconds;
    analysis.highest = analysis.lowest = {celsius[0], 0};
    for (std::size_t i = 1; i < celsius.size(); ++i) {
        if (celsius[i] > analysis.highest.celsius)
            analysis.highest = {celsius[i], i};
        if (celsius[i] < analysis.lowest.celsius)
            analysis.lowest = {celsius[i], i};
    }
    analysis.activationEnergy = activationEnergy;
    analysis.mkt = MeanKineticTemperature(celsius, activationEnergy);
    analysis.worstDay =
        WorstWindowMeanKineticTemperature(celsius, DaySamples(intervalSeconds), activationEnergy);
    for (const ExcursionRule& rule : rules)
        analysis.rules.push_back({rule, EvaluateRule(rule, celsius, intervalSeconds)});
    analysis.mktCeiling = mktCeiling;
    return analysis;
}

}  // namespace velka
