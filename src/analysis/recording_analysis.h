#pragma once
// The analysis of a decoded recording as the window and the reports show it: by the logger's own
// limits (time beyond them, events, longest excursion) and by the alarm profile the user chose,
// both with the chosen activation energy.

#include "analysis/series_analysis.h"
#include "record/recording.h"

#include <optional>
#include <string>
#include <vector>

namespace velka {

// What the user chose: kept in config.ini, read by the window and by velka-cli.
struct AnalysisChoice {
    double activationEnergy = kDefaultActivationEnergy;  // kJ/mol
    std::string profile = kDefaultAlarmProfile;

    bool operator==(const AnalysisChoice&) const = default;
};

// The choice with an activation energy outside its range, or an unknown profile, replaced by the
// default.
AnalysisChoice UsableAnalysisChoice(AnalysisChoice choice);

struct RecordingAnalysis {
    SeriesAnalysis limits;   // the logger profile: the recording's own limits and alarm delay
    SeriesAnalysis profile;  // the chosen profile (the same rules when that is the logger's)
    std::string profileName;
};

std::vector<double> RecordingTemperatures(const Recording& recording);

// None for a recording without samples or without a log interval.
std::optional<RecordingAnalysis> AnalyseRecording(const Recording& recording,
                                                  const AnalysisChoice& choice);

}  // namespace velka
