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
    const auto t = [](UiText title) { return Tr(title) + "："; };
    const auto n = [](int value) { return std::to_string(value); };
    const std::string sign(UnitSign(unit));
    return t(title::kDeviceSerial) + settings.serialText + "\t\t\t\t\t\t\t" +
           t(title::kShutdownMode) + Tr(kManualButtonText) + "\r\n" + t(title::kUpperLimit) +
           FixedDecimal(settings.upperLimit, 1) + sign + "\t\t\t" + t(title::kStartDelay) +
           n(StartDelayMinutes(settings)) + Tr(kMinutesUnit) + "\t\t\t" + t(title::kLogInterval) +
           n(intervalForm.value) + Tr(intervalForm.unit) + "\r\n" + t(title::kLowerLimit) +
           FixedDecimal(settings.lowerLimit, 1) + sign + "\t\t\t" + t(title::kAlarmDelay) +
           n(AlarmDelayMinutes(settings)) + Tr(kMinutesUnit) + "\t\t" + t(title::kLogCycle) +
           n(LogCycleDays(settings)) + Tr(kDaysUnit) + "\r\n";
}

std::string LoggingSummaryText(const Recording& recording, TemperatureUnit unit) {
    const LogSummary& summary = recording.record.summary;
    const std::string start = FormatLocalTime(recording.StartTime(), kDateTimeFormat);
    const std::string stop = FormatLocalTime(recording.StopTime(), kDateTimeFormat);
    const std::string sign(UnitSign(unit));
    const auto t = [](UiText title) { return Tr(title) + "："; };
    const auto value = [&sign](double temperature) {
        std::string text = FixedDecimal(temperature, 1);
        return std::string(text.size() < 5 ? 5 - text.size() : 0, ' ') + text + sign;
    };
    return t(kHighestTemperatureTitle) + value(summary.highest) + "\t\t" +
           t(kAverageTemperatureTitle) + value(summary.average) + "  \t" + t(kStartTimeTitle) +
           start + "\r\n" + t(kLowestTemperatureTitle) + value(summary.lowest) + "\t\t" +
           t(kDataPointsTitle) + std::to_string(recording.record.samples.size()) + "\t\t\t" +
           t(kStopTimeTitle) + stop + "\r\n";
}

std::string AnalysisSummaryText(const RecordingAnalysis& analysis, const Recording& recording,
                                TemperatureUnit unit) {
    // The logger profile holds one rule a side: above the upper limit, below the lower.
    const std::vector<RuleResult>& limits = analysis.limits.rules;
    return Tr("Chart", "MKT") + "：" + MktText(analysis.profile, unit) + "\t\t" +
           Tr("Chart", "Above Limit") + "：" + TimeBeyondText(limits.at(0).outcome) + "\t\t" +
           Tr("Chart", "Below Limit") + "：" + TimeBeyondText(limits.at(1).outcome) + "\r\n" +
           Tr("Chart", "Longest Excursion") + "：" + LongestExcursionText(analysis.limits) +
           "\t\t" +
           WithArguments(
               Tr("Chart", "%1 (profile %2)"),
               {AlarmStatusText(analysis.profile, recording, unit), analysis.profileName}) +
           "\r\n";
}

std::string CheckResultText(const SampleList& samples) {
    const bool anyAlarm = std::any_of(samples.begin(), samples.end(),
                                      [](const TempSample& sample) { return sample.alarm != 0; });
    return Tr("Chart", "Check Result") + "：" + (anyAlarm ? "FAIL" : "PASS");
}

}  // namespace velka
