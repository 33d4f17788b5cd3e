#include "reports/report_fields.h"

#include "record/decimal_text.h"
#include "record/local_time.h"
#include "record/shown_settings.h"

namespace velka {

std::string ReportDateTime(std::int64_t seconds) {
    return FormatLocalTime(seconds, kDateTimeFormat);
}

std::string ReportDate(std::int64_t seconds) {
    return FormatLocalTime(seconds, kDateFormat);
}

std::string TemperatureText(double temperature, TemperatureUnit unit) {
    return FixedDecimal(temperature, 1) + std::string(UnitSign(unit));
}

std::int64_t SampleTime(const Recording& recording, std::size_t sampleIndex) {
    return recording.SampleTime(sampleIndex);
}

bool LogIntervalInSeconds(const LoggerSettings& settings) {
    return ReportShowsIntervalInSeconds(settings.logInterval);
}

int LogIntervalValue(const LoggerSettings& settings) {
    return IntervalFormOf(settings.logInterval, LogIntervalInSeconds(settings)).value;
}

}  // namespace velka
