#pragma once
// The two texts above the chart and the check result of the record.

#include "analysis/recording_analysis.h"
#include "record/recording.h"
#include "record/temperature_unit.h"

#include <string>

namespace velka {

// The device information box: serial number, limits, delays, interval and cycle (seconds
// below a one-minute interval, minutes from one minute on). These two take what ShownIn gives
// for `unit`, and write its sign after each temperature.
std::string DeviceInformationText(const LoggerSettings& settings, TemperatureUnit unit);

// The logging summary box: highest, lowest and average temperature, number of points, start
// and stop time in local time.
std::string LoggingSummaryText(const Recording& recording, TemperatureUnit unit);

// The two lines the logging summary box shows under those: the MKT, the time beyond the
// recording's own limits with its events, the longest excursion, and the verdict of the chosen
// alarm profile. The analysis is of the recording in °C; its temperatures are shown in `unit`.
std::string AnalysisSummaryText(const RecordingAnalysis& analysis, const Recording& recording,
                                TemperatureUnit unit);

// "Check Result：PASS" when no sample lies outside the limits, else "Check Result：FAIL".
std::string CheckResultText(const SampleList& samples);

}  // namespace velka
