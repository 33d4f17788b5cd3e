#include "analysis/alarm_profiles.h"

#include "services/translation.h"

namespace velka {
namespace {

constexpr int kHour = 3600;

ExcursionRule Rule(RuleSide side, double threshold, bool inclusive, RuleKind kind, int delay) {
    return {side, threshold, inclusive, kind, delay};
}

}  // namespace

std::vector<std::string> AlarmProfileNames() {
    return {"logger", "who-pqs-1", "who-pqs-2", "usp-crt"};
}

std::string AlarmProfileTitle(std::string_view name) {
    if (name == "logger")
        return Tr("Analysis", "The logger's own limits");
    if (name == "who-pqs-1")
        return Tr("Analysis", "WHO PQS shipping indicator, type 1");
    if (name == "who-pqs-2")
        return Tr("Analysis", "WHO PQS shipping indicator, type 2");
    if (name == "usp-crt")
        return Tr("Analysis", "USP controlled room temperature");
    return std::string(name);
}

std::optional<AlarmProfile> FindAlarmProfile(std::string_view name,
                                             const LoggerSettings& settings) {
    using enum RuleSide;
    using enum RuleKind;
    if (name == "logger") {
        const int delay = settings.alarmDelayCount * settings.logInterval;
        return AlarmProfile{std::string(name),
                            {Rule(Above, settings.upperLimit, false, Single, delay),
                             Rule(Below, settings.lowerLimit, false, Single, delay)},
                            std::nullopt};
    }
    // WHO PQS shipping indicators: the thresholds count as beyond.
    if (name == "who-pqs-1")
        return AlarmProfile{std::string(name),
                            {Rule(Above, 45, true, Single, kHour),
                             Rule(Above, 30, true, Cumulative, 10 * kHour),
                             Rule(Below, -0.5, true, Single, kHour)},
                            std::nullopt};
    if (name == "who-pqs-2")
        return AlarmProfile{std::string(name),
                            {Rule(Above, 45, true, Single, kHour),
                             Rule(Above, 30, true, Cumulative, 10 * kHour),
                             Rule(Above, 10, true, Cumulative, 20 * kHour)},
                            std::nullopt};
    // Controlled room temperature: 15–30 °C, excursions to 40 °C for at most 24 hours.
    if (name == "usp-crt")
        return AlarmProfile{std::string(name),
                            {Rule(Below, 15, false, Single, 0), Rule(Above, 40, false, Single, 0),
                             Rule(Above, 30, false, Single, 24 * kHour)},
                            25.0};
    return std::nullopt;
}

}  // namespace velka
