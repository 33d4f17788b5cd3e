#include "chart/chart_texts.h"
#include "record/local_time.h"
#include "synthetic_recordings.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

const ShownForms kGerman{",", "%d.%m.%Y"};

LoggerSettings DeviceSettings(std::uint16_t logInterval) {
    LoggerSettings settings;
    settings.serialText = "0A1B2C3D";
    settings.logInterval = logInterval;
    settings.upperLimit = 8;
    settings.lowerLimit = -2;
    settings.startDelay = 600;
    settings.alarmDelayCount = static_cast<std::uint8_t>(1800 / logInterval);
    return settings;
}

TEST(ChartTexts, DeviceInformationGivesShortIntervalsInSeconds) {
    EXPECT_EQ(DeviceInformationText(DeviceSettings(30), TemperatureUnit::Celsius, kFixedForms),
              "Device S/N：0A1B2C3D\t\t\t\t\t\t\tShutdown Mode：Manual Button\r\n"
              "Upper Limit Alarm：8.0℃\t\t\tStart Delay：10min\t\t\tLog Interval：30sec\r\n"
              "Lower Limit Alarm：-2.0℃\t\t\tAlarm Delay：30min\t\tLog Cycle：3day\r\n");
    // The limits as ShownIn gives them in °F.
    Recording recording;
    recording.settings = DeviceSettings(30);
    const Recording shown = ShownIn(recording, TemperatureUnit::Fahrenheit);
    const std::string text =
        DeviceInformationText(shown.settings, TemperatureUnit::Fahrenheit, kFixedForms);
    EXPECT_NE(text.find("Upper Limit Alarm：46.4°F\t"), std::string::npos) << text;
    EXPECT_NE(text.find("Lower Limit Alarm：28.4°F\t"), std::string::npos) << text;
    // In the forms of a comma language.
    const std::string german =
        DeviceInformationText(shown.settings, TemperatureUnit::Fahrenheit, kGerman);
    EXPECT_NE(german.find("Lower Limit Alarm：28,4°F\t"), std::string::npos) << german;
}

TEST(ChartTexts, DeviceInformationGivesIntervalsFromAMinuteOnInMinutes) {
    const std::string text =
        DeviceInformationText(DeviceSettings(1800), TemperatureUnit::Celsius, kFixedForms);
    EXPECT_NE(text.find("Log Interval：30min\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Log Cycle：180day\r\n"), std::string::npos) << text;
    EXPECT_NE(DeviceInformationText(DeviceSettings(60), TemperatureUnit::Celsius, kFixedForms)
                  .find("Log Interval：1min"),
              std::string::npos);
}

TEST(ChartTexts, LoggingSummaryEndsOneIntervalAfterTheLastSample) {
    const Recording recording = testing::DecodedSynthetic(12, 300);
    const std::string text = LoggingSummaryText(recording, TemperatureUnit::Celsius, kFixedForms);
    const std::string start = FormatLocalTime(recording.StartTime(), "%Y-%m-%d %H:%M:%S");
    const std::string stop = FormatLocalTime(recording.StartTime() + 12 * 300, "%Y-%m-%d %H:%M:%S");
    EXPECT_NE(text.find("\tStart Time：" + start + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Data Points：12\t\t\tStop Time：" + stop + "\r\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.rfind("Highest Temperature：", 0), 0u);
    const std::string german = LoggingSummaryText(recording, TemperatureUnit::Celsius, kGerman);
    const std::string germanStart = FormatLocalTime(recording.StartTime(), "%d.%m.%Y %H:%M:%S");
    EXPECT_NE(german.find("\tStart Time：" + germanStart + "\r\n"), std::string::npos) << german;
    EXPECT_EQ(german.find('.', german.find("Highest")), german.find('.', german.find("Start")))
        << "a decimal point before the start date: " << german;
}

TEST(ChartTexts, CheckResultFailsOnAnySampleOutsideTheLimits) {
    EXPECT_EQ(CheckResultText({}), "Check Result：PASS");
    EXPECT_EQ(CheckResultText({{5.0, 0, 0}, {6.0, 0, 1}}), "Check Result：PASS");
    EXPECT_EQ(CheckResultText({{5.0, 0, 0}, {-6.0, -1, 1}}), "Check Result：FAIL");
}

}  // namespace
}  // namespace velka
