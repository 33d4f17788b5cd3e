#include "chart/chart_texts.h"

#include "analysis/analysis_texts.h"
#include "config/settings_titles.h"
#include "record/decimal_text.h"
#include "record/local_time.h"
#include "record/shown_settings.h"
#include "record/string_format.h"

#include <algorithm>

namespace velka {

std::string DeviceInformationText(const LoggerSettings& settings, TemperatureUnit unit) {
    const int interval = settings.logInterval;
    const IntervalForm intervalForm =
        IntervalFormOf(interval, ChartShowsIntervalInSeconds(interval));
    // Each title with its full-width colon.
    const auto t = [](const char* title) { return std::string(title) + "："; };
    const auto n = [](int value) { return std::to_string(value); };
    const std::string sign(UnitSign(unit));
    return t(title::kDeviceSerial) + settings.serialText + "\t\t\t\t\t\t\t" +
           t(title::kShutdownMode) + "Manual Button\r\n" + t(title::kUpperLimit) +
           FixedDecimal(settings.upperLimit, 1) + sign + "\t\t\t" + t(title::kStartDelay) +
           n(StartDelayMinutes(settings)) + "min\t\t\t" + t(title::kLogInterval) +
           n(intervalForm.value) + intervalForm.unit + "\r\n" + t(title::kLowerLimit) +
           FixedDecimal(settings.lowerLimit, 1) + sign + "\t\t\t" + t(title::kAlarmDelay) +
           n(AlarmDelayMinutes(settings)) + "min\t\t" + t(title::kLogCycle) +
           n(LogCycleDays(settings)) + "day\r\n";
}

std::string LoggingSummaryText(const Recording& recording, TemperatureUnit unit) {
    const LogSummary& summary = recording.record.summary;
    const std::string start = FormatLocalTime(recording.StartTime(), kDateTimeFormat);
    const std::string stop = FormatLocalTime(recording.StopTime(), kDateTimeFormat);
    const std::string sign(UnitSign(unit));
    return StringPrintf(
        "Highest Temperature：%5s%s\t\tAverage Temperature：%5s%s  \tStart Time：%s\r\n"
        "Lowest Temperature：%5s%s\t\tData Points：%d\t\t\tStop Time：%s\r\n",
        FixedDecimal(summary.highest, 1).c_str(), sign.c_str(),
        FixedDecimal(summary.average, 1).c_str(), sign.c_str(), start.c_str(),
        FixedDecimal(summary.lowest, 1).c_str(), sign.c_str(),
        static_cast<int>(recording.record.samples.size()), stop.c_str());
}

std::string AnalysisSummaryText(const RecordingAnalysis& analysis, const Recording& recording,
                                TemperatureUnit unit) {
    // The logger profile holds one rule a side: above the upper limit, below the lower.
    const std::vector<RuleResult>& limits = analysis.limits.rules;
    return "MKT：" + MktText(analysis.profile, unit) + "\t\tAbove Limit：" +
           TimeBeyondText(limits.at(0).outcome) + "\t\tBelow Limit：" +
           TimeBeyondText(limits.at(1).outcome) + "\r\nLongest Excursion：" +
           LongestExcursionText(analysis.limits) + "\t\t" +
           AlarmStatusText(analysis.profile, recording, unit) + " (profile " +
           analysis.profileName + ")\r\n";
}

std::string CheckResultText(const SampleList& samples) {
    const bool anyAlarm = std::any_of(samples.begin(), samples.end(),
                                      [](const TempSample& sample) { return sample.alarm != 0; });
    return anyAlarm ? "Check Result：FAIL" : "Check Result：PASS";
}

}  // namespace velka
