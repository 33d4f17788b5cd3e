#include "chart/chart_texts.h"

#include "analysis/analysis_texts.h"
#include "config/settings_titles.h"
#include "record/shown_settings.h"
#include "record/string_format.h"

#include <algorithm>

namespace velka {

std::string DeviceInformationText(const LoggerSettings& settings, TemperatureUnit unit,
                                  const ShownForms& forms) {
    const int interval = settings.logInterval;
    const IntervalForm intervalForm =
        IntervalFormOf(interval, ChartShowsIntervalInSeconds(interval));
    // Each title with its full-width colon.
    const auto t = [](UiText title) { return Tr(title) + "："; };
    const auto n = [](int value) { return std::to_string(value); };
    const std::string sign(UnitSign(unit));
    return t(title::kDeviceSerial) + settings.serialText + "\t\t\t\t\t\t\t" +
           t(title::kShutdownMode) + Tr(kManualButtonText) + "\r\n" + t(title::kUpperLimit) +
           ShownDecimal(settings.upperLimit, 1, forms) + sign + "\t\t\t" + t(title::kStartDelay) +
           n(StartDelayMinutes(settings)) + Tr(kMinutesUnit) + "\t\t\t" + t(title::kLogInterval) +
           n(intervalForm.value) + Tr(intervalForm.unit) + "\r\n" + t(title::kLowerLimit) +
           ShownDecimal(settings.lowerLimit, 1, forms) + sign + "\t\t\t" + t(title::kAlarmDelay) +
           n(AlarmDelayMinutes(settings)) + Tr(kMinutesUnit) + "\t\t" + t(title::kLogCycle) +
           n(LogCycleDays(settings)) + Tr(kDaysUnit) + "\r\n";
}

std::string LoggingSummaryText(const Recording& recording, TemperatureUnit unit,
                               const ShownForms& forms) {
    const LogSummary& summary = recording.record.summary;
    const std::string start = ShownDateTime(recording.StartTime(), forms);
    const std::string stop = ShownDateTime(recording.StopTime(), forms);
    const std::string sign(UnitSign(unit));
    const auto t = [](UiText title) { return Tr(title) + "："; };
    const auto value = [&sign, &forms](double temperature) {
        std::string text = ShownDecimal(temperature, 1, forms);
        return std::string(text.size() < 5 ? 5 - text.size() : 0, ' ') + text + sign;
    };
    return t(kHighestTemperatureTitle) + value(summary.highest) + "\t\t" +
           t(kAverageTemperatureTitle) + value(summary.average) + "  \t" + t(kStartTimeTitle) +
           start + "\r\n" + t(kLowestTemperatureTitle) + value(summary.lowest) + "\t\t" +
           t(kDataPointsTitle) + std::to_string(recording.record.samples.size()) + "\t\t\t" +
           t(kStopTimeTitle) + stop + "\r\n";
}

std::string AnalysisSummaryText(const RecordingAnalysis& analysis, const Recording& recording,
                                TemperatureUnit unit, const ShownForms& forms) {
    // The logger profile holds one rule a side: above the upper limit, below the lower.
    const std::vector<RuleResult>& limits = analysis.limits.rules;
    return Tr("Chart", "MKT") + "：" + MktText(analysis.profile, unit, forms) + "\t\t" +
           Tr("Chart", "Above Limit") + "：" + TimeBeyondText(limits.at(0).outcome) + "\t\t" +
           Tr("Chart", "Below Limit") + "：" + TimeBeyondText(limits.at(1).outcome) + "\r\n" +
           Tr("Chart", "Longest Excursion") + "：" + LongestExcursionText(analysis.limits) +
           "\t\t" +
           WithArguments(
               Tr("Chart", "%1 (profile %2)"),
               {AlarmStatusText(analysis.profile, recording, unit, forms), analysis.profileName}) +
           "\r\n";
}

std::string CheckResultText(const SampleList& samples) {
    const bool anyAlarm = std::any_of(samples.begin(), samples.end(),
                                      [](const TempSample& sample) { return sample.alarm != 0; });
    return Tr("Chart", "Check Result") + "：" + (anyAlarm ? "FAIL" : "PASS");
}

}  // namespace velka
