#include "chart/chart_texts.h"

#include "record/local_time.h"
#include "record/shown_settings.h"
#include "record/string_format.h"

#include <algorithm>

namespace velka {

std::string DeviceInformationText(const LoggerSettings& settings) {
    const int interval = settings.logInterval;
    const IntervalForm intervalForm =
        IntervalFormOf(interval, ChartShowsIntervalInSeconds(interval));
    return StringPrintf(
        "Device S/N：%s\t\t\t\t\t\t\tShutdown Mode：Manual Button\r\n"
        "Upper Limit Alarm：%.1f℃\t\t\tStart Delay：%dmin\t\t\tLog Interval：%d%s\r\n"
        "Lower Limit Alarm：%.1f℃\t\t\tAlarm Delay：%dmin\t\tLog Cycle：%dday\r\n",
        settings.serialText.c_str(), settings.upperLimit, StartDelayMinutes(settings),
        intervalForm.value, intervalForm.unit, settings.lowerLimit, AlarmDelayMinutes(settings),
        LogCycleDays(settings));
}

std::string LoggingSummaryText(const Recording& recording) {
    const LogSummary& summary = recording.record.summary;
    const std::string start = FormatLocalTime(recording.StartTime(), kDateTimeFormat);
    const std::string stop = FormatLocalTime(recording.StopTime(), kDateTimeFormat);
    return StringPrintf(
        "Highest Temperature：%5.1f℃\t\tAverage Temperature：%5.1f℃  \tStart Time：%s\r\n"
        "Lowest Temperature：%5.1f℃\t\tData Points：%d\t\t\tStop Time：%s\r\n",
        summary.highest, summary.average, start.c_str(), summary.lowest,
        static_cast<int>(recording.record.samples.size()), stop.c_str());
}

std::string CheckResultText(const SampleList& samples) {
    const bool anyAlarm = std::any_of(samples.begin(), samples.end(),
                                      [](const TempSample& sample) { return sample.alarm != 0; });
    return anyAlarm ? "Check Result：FAIL" : "Check Result：PASS";
}

}  // namespace velka
