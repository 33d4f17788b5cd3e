#pragma once
// The headings the two reports share (the chart page heads its texts alike), and the answer
// to a report asked for without a recording. Each place adds its own punctuation.

namespace velka {

inline constexpr const char* kReportTitle = "Temperature information";
inline constexpr const char* kReportDateHeading = "Report Date";
inline constexpr const char* kDeviceInformationHeading = "Device Information";
inline constexpr const char* kLoggingSummaryHeading = "Logging Summary";
inline constexpr const char* kDataChartHeading = "Data Chart";

inline constexpr const char* kInsertDeviceText = "Please Insert Device";

}  // namespace velka
