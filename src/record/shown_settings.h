#pragma once
// The settings as the chart's device information and the reports write them out. The two give
// the log interval in seconds up to different thresholds, each as the user has always seen it
// there: the chart below one minute, the reports up to 30 seconds; above them in whole minutes.

#include "record/logger_settings.h"

namespace velka {

constexpr bool ChartShowsIntervalInSeconds(int logIntervalSeconds) {
    return logIntervalSeconds < 60;
}
constexpr bool ReportShowsIntervalInSeconds(int logIntervalSeconds) {
    return logIntervalSeconds <= 30;
}

// A log interval as a number and its unit, "sec" or "min" (whole minutes, rounded down).
struct IntervalForm {
    int value = 0;
    const char* unit = "sec";
};
constexpr IntervalForm IntervalFormOf(int logIntervalSeconds, bool inSeconds) {
    return inSeconds ? IntervalForm{logIntervalSeconds, "sec"}
                     : IntervalForm{logIntervalSeconds / 60, "min"};
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
