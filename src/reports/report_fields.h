#pragma once
// Values that the PDF report and the workbook show alike.

#include "record/recording.h"
#include "record/shown_settings.h"
#include "record/temperature_unit.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace velka {

// "%Y-%m-%d %H:%M:%S" in local time: report date, start, stop and sample times.
std::string ReportDateTime(std::int64_t seconds);
// "%Y-%m-%d" in local time: the products' period of validity.
std::string ReportDate(std::int64_t seconds);

// "%.1f℃" (or "%.1f°F") of a temperature already in `unit`, with a decimal point whatever the
// user's locale.
std::string TemperatureText(double temperature, TemperatureUnit unit);

// Sample j was taken at start + j x logInterval (a 32-bit sum, like the start itself).
std::int64_t SampleTime(const Recording& recording, std::size_t sampleIndex);

// StartDelayMinutes, AlarmDelayMinutes and LogCycleDays: record/shown_settings.h.
// The reports give the interval in seconds up to 30 seconds and in minutes above.
bool LogIntervalInSeconds(const LoggerSettings& settings);
int LogIntervalValue(const LoggerSettings& settings);

}  // namespace velka
