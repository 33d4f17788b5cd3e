#pragma once
// The two texts above the chart and the check result of the record.

#include "analysis/recording_analysis.h"
#include "record/recording.h"
#include "record/shown_forms.h"
#include "record/temperature_unit.h"
#include "services/translation.h"

#include <string>

namespace velka {

// The titles of the logging summary, which both reports give too, and the logger's shutdown mode.
inline constexpr UiText kHighestTemperatureTitle = VELKA_TEXT("Summary", "Highest Temperature");
inline constexpr UiText kAverageTemperatureTitle = VELKA_TEXT("Summary", "Average Temperature");
inline constexpr UiText kLowestTemperatureTitle = VELKA_TEXT("Summary", "Lowest Temperature");
inline constexpr UiText kDataPointsTitle = VELKA_TEXT("Summary", "Data Points");
inline constexpr UiText kStartTimeTitle = VELKA_TEXT("Summary", "Start Time");
inline constexpr UiText kStopTimeTitle = VELKA_TEXT("Summary", "Stop Time");
inline constexpr UiText kManualButtonText = VELKA_TEXT("Settings", "Manual Button");

// The device information box: serial number, limits, delays, interval and cycle (seconds
// below a one-minute interval, minutes from one minute on). These two take what ShownIn gives
// for `unit`, and write its sign after each temperature; numbers and dates in the window's
// `forms`.
std::string DeviceInformationText(const LoggerSettings& settings, TemperatureUnit unit,
                                  const ShownForms& forms);

// The logging summary box: highest, lowest and average temperature, number of points, start
// and stop time in local time.
std::string LoggingSummaryText(const Recording& recording, TemperatureUnit unit,
                               const ShownForms& forms);

// The two lines the logging summary box shows under those: the MKT, the time beyond the
// recording's own limits with its events, the longest excursion, and the verdict of the chosen
// alarm profile. The analysis is of the recording in °C; its temperatures are shown in `unit`.
std::string AnalysisSummaryText(const RecordingAnalysis& analysis, const Recording& recording,
                                TemperatureUnit unit, const ShownForms& forms);

// "Check Result：PASS" when no sample lies outside the limits, else "Check Result：FAIL".
std::string CheckResultText(const SampleList& samples);

}  // namespace velka
