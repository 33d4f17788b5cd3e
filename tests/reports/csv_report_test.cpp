#include "record/local_time.h"
#include "record/string_format.h"
#include "reports/csv_report.h"
#include "synthetic_recordings.h"
#include "temp_dir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace velka {
namespace {

TEST(SamplesCsv, HasAHeadRowAndOneRowPerSample) {
    Recording recording = testing::DecodedSynthetic(3, 300);
    recording.record.samples[1].alarm = 1;
    recording.record.samples[2].alarm = -1;
    recording.record.samples[2].temperature = -0.04;
    const std::string start = FormatLocalTime(recording.StartTime(), "%Y-%m-%d %H:%M:%S");
    const std::string third = FormatLocalTime(recording.StartTime() + 600, "%Y-%m-%d %H:%M:%S");
    const std::string csv = SamplesCsv(recording, TemperatureUnit::Celsius);
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Number,Record time,Temperature℃,Alarm\r");
    // In °F the head names it and the values are converted.
    std::istringstream fahrenheit(SamplesCsv(recording, TemperatureUnit::Fahrenheit));
    std::getline(fahrenheit, line);
    EXPECT_EQ(line, "Number,Record time,Temperature°F,Alarm\r");
    std::getline(fahrenheit, line);
    std::getline(fahrenheit, line);
    std::getline(fahrenheit, line);
    EXPECT_EQ(line, "3," + third + ",31.9,-1\r");
    std::getline(lines, line);
    EXPECT_EQ(line, "1," + start + "," +
                        StringPrintf("%.1f", recording.record.samples[0].temperature) + ",0\r");
    std::getline(lines, line);
    EXPECT_EQ(line.substr(line.size() - 3), ",1\r");
    std::getline(lines, line);
    EXPECT_EQ(line, "3," + third + ",-0.0,-1\r");
    EXPECT_FALSE(std::getline(lines, line));
}

TEST(SamplesCsv, QuotesFieldsThatNeedIt) {
    EXPECT_EQ(CsvField("plain"), "plain");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
}

TEST(SamplesCsv, AFileThatCannotBeWrittenIsAFailure) {
    testing::TempDir folder;
    const Recording recording = testing::DecodedSynthetic(3, 300);
    EXPECT_EQ(
        WriteSamplesCsv(recording, TemperatureUnit::Celsius, folder / "missing" / "out.csv").status,
        ExportStatus::Failed);
    ASSERT_EQ(WriteSamplesCsv(recording, TemperatureUnit::Celsius, folder / "out.csv").status,
              ExportStatus::Saved);
    std::ifstream in(folder / "out.csv", std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), SamplesCsv(recording, TemperatureUnit::Celsius));
}

}  // namespace
}  // namespace velka
