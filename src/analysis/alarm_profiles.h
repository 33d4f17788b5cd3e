#pragma once
// Named sets of excursion rules: the logger's own limits, the WHO PQS shipping indicators of
// types 1 and 2, and USP controlled room temperature.

#include "analysis/excursion_rules.h"
#include "record/logger_settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velka {

inline constexpr const char* kDefaultAlarmProfile = "logger";

struct AlarmProfile {
    std::string name;
    std::vector<ExcursionRule> rules;
    // A verdict on the MKT beside the rules: usp-crt wants it at most 25 °C.
    std::optional<double> mktCeiling;
};

// "logger", "who-pqs-1", "who-pqs-2", "usp-crt".
std::vector<std::string> AlarmProfileNames();

// What the profile stands for, for a chooser: "WHO PQS shipping indicator, type 1", in the
// user's language.
std::string AlarmProfileTitle(std::string_view name);

// The profile of that name; none for an unknown name. "logger" takes the recording's limits,
// strict, single, with its alarm delay (alarmDelayCount × logInterval), one rule per side.
std::optional<AlarmProfile> FindAlarmProfile(std::string_view name, const LoggerSettings& settings);

}  // namespace velka
