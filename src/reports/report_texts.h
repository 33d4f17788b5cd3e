#pragma once
// The headings the two reports share (the chart page heads its texts alike), and the answer
// to a report asked for without a recording. Each place adds its own punctuation and
// translates them (Tr).

#include "services/translation.h"

namespace velka {

inline constexpr UiText kReportTitle = VELKA_TEXT("Report", "Temperature information");
inline constexpr UiText kReportDateHeading = VELKA_TEXT("Report", "Report Date");
inline constexpr UiText kDeviceInformationHeading = VELKA_TEXT("Report", "Device Information");
inline constexpr UiText kLoggingSummaryHeading = VELKA_TEXT("Report", "Logging Summary");
inline constexpr UiText kDataChartHeading = VELKA_TEXT("Report", "Data Chart");

inline constexpr UiText kInsertDeviceText = VELKA_TEXT("Report", "Please Insert Device");

}  // namespace velka
