#pragma once
// The three timings the user chooses: the log interval, the start delay and the alarm delay.
// The logger counts the alarm delay in log intervals, so the count is always taken with the
// log interval that is written with it, and a new log interval on its own keeps the alarm delay
// in seconds.

#include "record/logger_settings.h"

#include <cstdint>
#include <optional>

namespace velka {

// A missing timing keeps what the settings hold.
struct LogTimingChoice {
    std::optional<int> logIntervalSeconds;
    std::optional<int> startDelaySeconds;
    std::optional<int> alarmDelaySeconds;
};

enum class LogTimingRefusal {
    None,
    // An alarm delay, but the settings hold no log interval to count it in.
    AlarmDelayWithoutLogInterval,
    // The alarm delay in seconds that a new log interval keeps does not fit the count's byte.
    AlarmDelayTooLong,
};

// Sets the chosen timings, with the log cycle of the log interval and the alarm delay counted
// in intervals of the new log interval. A refusal leaves the settings as they were.
LogTimingRefusal ApplyLogTiming(LoggerSettings& settings, const LogTimingChoice& choice);

// The stored alarm delay: seconds / logInterval (integer division), low 8 bits; 0 without an
// interval.
std::uint8_t AlarmDelayCount(int alarmDelaySeconds, int logIntervalSeconds);

}  // namespace velka
