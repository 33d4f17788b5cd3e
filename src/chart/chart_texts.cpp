#include "chart/chart_texts.h"

#include "record/decimal_text.h"
#include "record/local_time.h"
#include "record/shown_settings.h"
#include "record/string_format.h"

#include <algorithm>

namespace velka {

std::string DeviceInformationText(const LoggerSettings& settings) {
    const int interval = settings.logInterval;
    const IntervalForm intervalForm =
        IntervalFormOf(interval, ChartShowsIntervalInSeconds(interval));
    return StringPrintf("Device S/N：%s\t\t\t\t\t\t\tShutdown Mode：Manual Button\r\n"
                        "Upper Limit Alarm：%s℃\t\t\tStart Delay：%dmin\t\t\tLog Interval：%d%s\r\n"
                        "Lower Limit Alarm：%s℃\t\t\tAlarm Delay：%dmin\t\tLog Cycle：%dday\r\n",
                        settings.serialText.c_str(), FixedDecimal(settings.upperLimit, 1).c_str(),
                        StartDelayMinutes(settings), intervalForm.value, intervalForm.unit,
                        FixedDecimal(settings.lowerLimit, 1).c_str(), AlarmDelayMinutes(settings),
                        LogCycleDays(settings));
}

std::string LoggingSummaryText(const Recording& recording) {
    const LogSummary& summary = recording.record.summary;
    const std::string start = FormatLocalTime(recording.StartTime(), kDateTimeFormat);
    const std::string stop = FormatLocalTime(recording.StopTime(), kDateTimeFormat);
    return StringPrintf(
        "Highest Temperature：%5s℃\t\tAverage Temperature：%5s℃  \tStart Time：%s\r\n"
        "Lowest Temperature：%5s℃\t\tData Points：%d\t\t\tStop Time：%s\r\n",
        FixedDecimal(summary.highest, 1).c_str(), FixedDecimal(summary.average, 1).c_str(),
        start.c_str(), FixedDecimal(summary.lowest, 1).c_str(),
        static_cast<int>(recording.record.samples.size()), stop.c_str());
}

std::string CheckResultText(const SampleList& samples) {
    const bool anyAlarm = std::any_of(samples.begin(), samples.end(),
                                      [](const TempSample& sample) { return sample.alarm != 0; });
    return anyAlarm ? "Check Result：FAIL" : "Check Result：PASS";
}

}  // namespace velka
