#include "config/log_timing.h"

namespace velka {

LogTimingRefusal ApplyLogTiming(LoggerSettings& settings, const LogTimingChoice& choice) {
    LoggerSettings changed = settings;
    const int keptAlarmDelaySeconds = settings.alarmDelayCount * settings.logInterval;
    if (choice.logIntervalSeconds) {
        changed.logInterval = static_cast<std::uint16_t>(*choice.logIntervalSeconds);
        changed.logCycleText = LogCycleText(changed.logInterval);
    }
    if (choice.startDelaySeconds)
        changed.startDelay = static_cast<std::uint16_t>(*choice.startDelaySeconds);

    const int interval = changed.logInterval;
    if (choice.alarmDelaySeconds) {
        if (interval == 0)
            return LogTimingRefusal::AlarmDelayWithoutLogInterval;
        changed.alarmDelayCount = AlarmDelayCount(*choice.alarmDelaySeconds, interval);
    } else if (interval != 0) {
        if (keptAlarmDelaySeconds / interval > 255)
            return LogTimingRefusal::AlarmDelayTooLong;
        changed.alarmDelayCount = AlarmDelayCount(keptAlarmDelaySeconds, interval);
    }
    settings = std::move(changed);
    return LogTimingRefusal::None;
}

std::uint8_t AlarmDelayCount(int alarmDelaySeconds, int logIntervalSeconds) {
    if (logIntervalSeconds <= 0)
        return 0;
    return static_cast<std::uint8_t>(alarmDelaySeconds / logIntervalSeconds);
}

}  // namespace velka
