#pragma once
// The settings as the chart's device information and the reports write them out. The two give
// the log interval in seconds up to different thresholds, each as the user has always seen it
// there: the chart below one minute, the reports up to 30 seconds; above them in whole minutes.

#include "record/logger_settings.h"
#include "services/translation.h"

namespace velka {

constexpr bool ChartShowsIntervalInSeconds(int logIntervalSeconds) {
    return logIntervalSeconds < 60;
}
constexpr bool ReportShowsIntervalInSeconds(int logIntervalSeconds) {
    return logIntervalSeconds <= 30;
}

// The units written straight after the numbers of the settings: "30sec", "10min", "3day".
inline constexpr UiText kSecondsUnit = VELKA_TEXT("Units", "sec");
inline constexpr UiText kMinutesUnit = VELKA_TEXT("Units", "min");
inline constexpr UiText kDaysUnit = VELKA_TEXT("Units", "day");

// A log interval as a number and its unit, "sec" or "min" (whole minutes, rounded down).
struct IntervalForm {
    int value = 0;
    UiText unit = kSecondsUnit;
};
constexpr IntervalForm IntervalFormOf(int logIntervalSeconds, bool inSeconds) {
    return inSeconds ? IntervalForm{logIntervalSeconds, kSecondsUnit}
                     : IntervalForm{logIntervalSeconds / 60, kMinutesUnit};
}

inline int StartDelayMinutes(const LoggerSettings& settings) {
    return settings.startDelay / 60;
}
inline int AlarmDelayMinutes(const LoggerSettings& settings) {
    return settings.alarmDelayCount * settings.logInterval / 60;
}
// The "Log Cycle" in days: the log interval in seconds / 10.
inline int LogCycleDays(const LoggerSettings& settings) {
    return settings.logInterval / 10;
}

}  // namespace velka
