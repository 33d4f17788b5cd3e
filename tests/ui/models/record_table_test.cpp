// The record table's paging, queries, row texts and colours.

#include "local_zone.h"
#include "ui/models/record_table.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>

namespace velka {
namespace {

SampleList Samples(std::size_t count) {
    SampleList samples;
    for (std::size_t i = 0; i < count; ++i)
        samples.push_back({static_cast<double>(i % 10), 0, static_cast<std::int32_t>(i)});
    return samples;
}

class Table : public ::testing::Test {
protected:
    void Load(std::size_t count) {
        sampleList = Samples(count);
        table.ShowSamples();
    }
    std::u16string FirstNumber() const {
        const std::vector<RecordRow> rows = table.PageRows();
        return rows.empty() ? u"" : rows.front().texts[0];
    }

    SampleList sampleList;
    LoggerSettings settings = [] {
        LoggerSettings s;
        s.clockSetTime = 1'700'000'000;
        s.startOffset = 600;
        s.logInterval = 300;
        return s;
    }();
    RecordTable table{sampleList, settings};
};

TEST_F(Table, SeventySamplesMakeTwoPages) {
    Load(70);
    EXPECT_EQ(table.CurrentPage(), 1);
    EXPECT_EQ(table.PageRows().size(), 35u);
    table.Next();
    EXPECT_EQ(table.CurrentPage(), 2);
    table.Next();
    EXPECT_EQ(table.CurrentPage(), 2);
    EXPECT_EQ(FirstNumber(), u"36");
    table.Home();
    table.Last();
    EXPECT_EQ(table.CurrentPage(), 2);
    EXPECT_EQ(table.PageRows().size(), 35u);
    EXPECT_EQ(table.PageRows().back().texts[0], u"70");
    table.Previous();
    table.Previous();
    EXPECT_EQ(table.CurrentPage(), 1);
    EXPECT_EQ(table.FirstRow(), 0);
}

TEST_F(Table, SeventyOneSamplesEndOnAPageOfOneRow) {
    Load(71);
    table.Last();
    EXPECT_EQ(table.CurrentPage(), 3);
    ASSERT_EQ(table.PageRows().size(), 1u);
    EXPECT_EQ(FirstNumber(), u"71");
}

TEST_F(Table, GoReadsThePageNumberAsUnsigned) {
    Load(71);
    table.Go(0);
    EXPECT_EQ(table.CurrentPage(), 0);
    EXPECT_TRUE(table.PageRows().empty());
    table.Go(-1);
    EXPECT_EQ(table.CurrentPage(), 3);
    EXPECT_EQ(FirstNumber(), u"71");
    table.Go(2);
    EXPECT_EQ(FirstNumber(), u"36");
    table.Go(std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(table.CurrentPage(), 3);
    table.Go(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(table.CurrentPage(), 3);

    Load(0);
    table.Last();
    EXPECT_EQ(table.CurrentPage(), 1);
    table.Go(5);
    EXPECT_EQ(table.CurrentPage(), 1);
    EXPECT_TRUE(table.PageRows().empty());
}

TEST_F(Table, ShowSamplesKeepsThePagePosition) {
    Load(200);
    table.Go(4);
    Load(10);
    EXPECT_EQ(table.CurrentPage(), 4);
    EXPECT_TRUE(table.PageRows().empty());
    table.Previous();
    EXPECT_EQ(table.CurrentPage(), 3);
    table.Home();
    EXPECT_EQ(table.PageRows().size(), 10u);
}

TEST_F(Table, TemperatureQueryIncludesBothBoundsAndNeverNaN) {
    Load(40);
    sampleList[3].temperature = std::nan("");
    table.SetQueryMode(TableQueryMode::Temperature);
    table.SetTemperatureBounds(5.0, 5.0);
    table.Next();
    table.Query(0, 0);
    EXPECT_EQ(table.CurrentPage(), 1);
    ASSERT_EQ(table.ShownSamples().size(), 4u);
    for (const TempSample& sample : table.ShownSamples())
        EXPECT_EQ(sample.temperature, 5.0);

    table.SetTemperatureBounds(-std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::infinity());
    table.Query(0, 0);
    EXPECT_EQ(table.ShownSamples().size(), 39u);

    table.Cancel();
    EXPECT_EQ(table.ShownSamples().size(), 40u);
    EXPECT_EQ(table.QueryMode(), TableQueryMode::Temperature);
    EXPECT_EQ(table.MinTemperature(), -std::numeric_limits<double>::infinity());
}

TEST_F(Table, TimeQueryRenumbersRowsButKeepsTheSamplesTimes) {
    const testing::LocalZone zone("EST5");
    Load(100);
    // Sample n was taken at 1,700,000,600 + 300 n.
    table.Query(1'700'000'600 + 300 * 10, 1'700'000'600 + 300 * 12);
    const std::vector<RecordRow> rows = table.PageRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts[0], u"1");
    // 1,700,003,600 is 2023-11-14 23:13:20 UTC.
    EXPECT_EQ(rows[0].texts[1], u"2023-11-14 18:13:20");
    EXPECT_EQ(rows[2].texts[0], u"3");
    EXPECT_EQ(rows[2].texts[1], u"2023-11-14 18:23:20");

    table.Query(1'700'000'601 + 300 * 12, 1'700'000'600 + 300 * 10);
    EXPECT_TRUE(table.ShownSamples().empty());
}

TEST_F(Table, TimesStayUnsignedAfter2038) {
    const testing::LocalZone zone("UTC0");
    settings.clockSetTime = 0x80000000u;  // 2038-01-19 03:14:08 UTC
    settings.startOffset = 0;
    Load(3);
    EXPECT_EQ(table.PageRows()[1].texts[1], u"2038-01-19 03:19:08");
    table.Query(0x80000000LL, 0x80000000LL + 300);
    EXPECT_EQ(table.ShownSamples().size(), 2u);
}

TEST_F(Table, RowsShowTemperaturesWithOneDecimalAndAlarmsInRedAndMarked) {
    sampleList = {{5.25, 0, 0}, {-0.04, 1, 1}, {-12.35, -1, 2}, {70.0, 0, 3}};
    table.ShowSamples();
    const std::vector<RecordRow> rows = table.PageRows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].texts[2], u"5.2");  // exact in binary: the tie goes to the even digit
    // Beyond the upper limit ▲, the lower ▼: colour is not the only cue.
    EXPECT_EQ(rows[1].texts[2], u"▲ -0.0");
    EXPECT_EQ(rows[2].texts[2], u"▼ -12.3");  // -12.35 is just above -12.35 in binary
    EXPECT_EQ(rows[3].texts[2], u"70.0");
    const RowColors black{{0, 0, 0}, {255, 255, 255}};
    const RowColors red{{192, 0, 0}, {255, 255, 255}};
    EXPECT_EQ(rows[0].colors, black);
    EXPECT_EQ(rows[1].colors, red);
    EXPECT_EQ(rows[2].colors, red);
    EXPECT_EQ(rows[3].colors, black);
}

TEST_F(Table, TemperatureTextsMatchPrintfWithoutTheUsersLocale) {
    // The tests run in the "C" locale, where printf's "%.1f" is the reference.
    for (int step = -40000; step <= 80000; step += 7) {
        const double temperature = step / 1000.0;
        sampleList = {{temperature, 0, 0}};
        table.ShowSamples();
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.1f", temperature);
        const std::u16string text = table.PageRows().front().texts[2];
        ASSERT_EQ(std::string(text.begin(), text.end()), expected) << temperature;
    }
}

}  // namespace
}  // namespace velka
