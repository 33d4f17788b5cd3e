#include "reports/report_fields.h"

#include "record/decimal_text.h"
#include "record/local_time.h"

namespace velka {

std::string ReportDateTime(std::int64_t seconds) {
    return FormatLocalTime(seconds, "%Y-%m-%d %H:%M:%S");
}

std::string ReportDate(std::int64_t seconds) {
    return FormatLocalTime(seconds, "%Y-%m-%d");
}

std::string CelsiusText(double temperature) {
    return FixedDecimal(temperature, 1) + "℃";
}

std::int64_t SampleTime(const Recording& recording, std::size_t sampleIndex) {
    return RecordingStopTime(recording.StartTime(), recording.settings.logInterval, sampleIndex);
}

int StartDelayMinutes(const LoggerSettings& settings) {
    return settings.startDelay / 60;
}

int AlarmDelayMinutes(const LoggerSettings& settings) {
    return settings.alarmDelayCount * settings.logInterval / 60;
}

int LogCycleDays(const LoggerSettings& settings) {
    return settings.logInterval / 10;
}

bool LogIntervalInSeconds(const LoggerSettings& settings) {
    return settings.logInterval <= 30;
}

int LogIntervalValue(const LoggerSettings& settings) {
    return LogIntervalInSeconds(settings) ? settings.logInterval : settings.logInterval / 60;
}

}  // namespace velka
