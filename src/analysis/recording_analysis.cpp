#include "analysis/recording_analysis.h"

#include <algorithm>

namespace velka {

AnalysisChoice UsableAnalysisChoice(AnalysisChoice choice) {
    const AnalysisChoice defaults;
    if (!(choice.activationEnergy >= kLowestActivationEnergy &&
          choice.activationEnergy <= kHighestActivationEnergy))
        choice.activationEnergy = defaults.activationEnergy;
    const std::vector<std::string> names = AlarmProfileNames();
    if (std::find(names.begin(), names.end(), choice.profile) == names.end())
        choice.profile = defaults.profile;
    return choice;
}

std::vector<double> RecordingTemperatures(const Recording& recording) {
    std::vector<double> series;
    series.reserve(recording.record.samples.size());
    for (const TempSample& sample : recording.record.samples)
        series.push_back(sample.temperature);
    return series;
}

std::optional<RecordingAnalysis> AnalyseRecording(const Recording& recording,
                                                  const AnalysisChoice& choice) {
    const AnalysisChoice usable = UsableAnalysisChoice(choice);
    const std::vector<double> series = RecordingTemperatures(recording);
    const int interval = recording.settings.logInterval;
    const auto analyse = [&](const AlarmProfile& profile) {
        return AnalyseSeries(series, interval, usable.activationEnergy, profile.rules,
                             profile.mktCeiling);
    };
    const AlarmProfile limitsProfile = *FindAlarmProfile(kDefaultAlarmProfile, recording.settings);
    std::optional<SeriesAnalysis> limits = analyse(limitsProfile);
    if (!limits)
        return std::nullopt;
    RecordingAnalysis analysis{*limits, *limits, usable.profile};
    if (usable.profile != limitsProfile.name)
        analysis.profile = *analyse(*FindAlarmProfile(usable.profile, recording.settings));
    return analysis;
}

}  // namespace velka
