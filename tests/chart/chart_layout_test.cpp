#include "chart/chart_layout.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace velka {
namespace {

constexpr std::int32_t kW = 773;
constexpr std::int32_t kH = 428;

LogSummary RangeSummary(std::int32_t minInt, std::int32_t maxInt, std::int32_t count) {
    LogSummary summary;
    summary.chartMinInt = minInt;
    summary.chartMaxInt = maxInt;
    summary.chartMin = minInt;
    summary.chartMax = maxInt;
    summary.viewFirst = 0;
    summary.viewLast = count;
    return summary;
}

SampleList Samples(const std::vector<double>& temperatures) {
    SampleList samples;
    for (std::size_t i = 0; i < temperatures.size(); ++i)
        samples.push_back({temperatures[i], 0, static_cast<std::int32_t>(i)});
    return samples;
}

std::vector<double> GridValues(const ChartLayout& layout) {
    std::vector<double> values;
    for (const GridLine& line : layout.gridLines)
        values.push_back(line.value);
    return values;
}

TEST(ChartGrid, RangeZeroToThirtyHasElevenLinesEveryFourDegreesWithMarginSix) {
    const ChartLayout layout = LayoutChart({}, RangeSummary(0, 30, 0), 0, 30);
    EXPECT_EQ(GridValues(layout), (std::vector<double>{36, 32, 28, 24, 20, 16, 12, 8, 4, 0, -4}));
    // The line for 36 = chartMaxInt + margin lies on the top edge.
    EXPECT_EQ(layout.gridLines.front().y1, 0);
    for (const GridLine& line : layout.gridLines) {
        EXPECT_EQ(line.x1, 0);
        EXPECT_EQ(line.x2, kW);
        EXPECT_EQ(line.y1, line.y2);
    }
    // chartMinInt - margin = -6 lies on the bottom edge.
    const ChartLayout bottom = LayoutChart({}, RangeSummary(0, 30, 0), -6, 30);
    EXPECT_EQ(bottom.lowerLine.y1, kH);
}

TEST(ChartGrid, RangeTwentyToTwentyThreeStepsByHalfDegreesWithMarginOne) {
    const ChartLayout layout = LayoutChart({}, RangeSummary(20, 23, 0), 24, 19);
    EXPECT_EQ(GridValues(layout), (std::vector<double>{23, 22.5, 22, 21.5, 21, 20.5}));
    // Margin 1: 24 on the top edge, 19 on the bottom edge.
    EXPECT_EQ(layout.lowerLine.y1, 0);
    EXPECT_EQ(layout.upperLine.y1, kH);
}

TEST(ChartGrid, RowsTruncateTowardZero) {
    // Range 0…30, margin 6: yScale = 428 / 42; 8 °C lies at 428 - 14 x 428 / 42 = 285.33.
    const ChartLayout layout = LayoutChart({}, RangeSummary(0, 30, 0), 2, 8);
    EXPECT_EQ(layout.upperLine, (LimitLine{2, 285, kW, 285}));
    EXPECT_EQ(layout.lowerLine, (LimitLine{2, 346, kW, 346}));  // 428 - 8 x 428 / 42 = 346.48
}

TEST(ChartPoints, FullWindowStartsOnTheLeftEdgeAndSpreadsOverTheWidth) {
    SampleList samples = Samples({5, 6, 7, 8});
    samples[2].alarm = 1;
    samples[3].alarm = -1;
    const ChartLayout layout = LayoutChart(samples, RangeSummary(0, 30, 4), 2, 8);
    ASSERT_EQ(layout.chartPoints.size(), 4u);
    EXPECT_EQ(layout.chartPoints[0], (ChartPoint{0, 315, 0}));    // 428 - 11 x 428 / 42 = 315.9
    EXPECT_EQ(layout.chartPoints[1], (ChartPoint{193, 305, 0}));  // x: trunc(773 / 4)
    EXPECT_EQ(layout.chartPoints[2], (ChartPoint{386, 295, 1}));
    EXPECT_EQ(layout.chartPoints[3], (ChartPoint{579, 285, -1}));
}

TEST(ChartPoints, TheWindowSpansThePlotAndEachTimeTickStandsOnADistinctSample) {
    // {first, last, count}: whole, inside, at the ends, narrowest zooms, stale; ≥ 2 px a sample.
    const std::vector<std::array<std::int32_t, 3>> windows = {
        {0, 100, 100}, {15, 79, 100}, {0, 2, 100}, {98, 100, 100}, {47, 49, 100},     {40, 43, 100},
        {5, 15, 100},  {3, 9, 100},   {0, 1, 1},   {0, 100, 50},   {1000, 1386, 2016}};
    for (const auto& [first, last, count] : windows) {
        SCOPED_TRACE(testing::Message() << first << "…" << last << " of " << count);
        LogSummary summary = RangeSummary(0, 30, last);
        summary.viewFirst = first;
        const ChartLayout layout =
            LayoutChart(Samples(std::vector<double>(count, 4)), summary, 2, 8);
        // The window's samples and the one after it, that one on the right edge.
        ASSERT_EQ(layout.chartPoints.size(), std::min(last + 1, count) - first);
        EXPECT_EQ(layout.chartPoints.back().x == kW, last < count);
        for (std::size_t i = 0; i < layout.chartPoints.size(); ++i) {
            const std::int32_t x = layout.chartPoints[i].x;
            // Two points on one column would draw a vertical stroke that is no sample's; the
            // mouse on a point finds its sample.
            EXPECT_GT(x, i == 0 ? -1 : layout.chartPoints[i - 1].x);
            EXPECT_EQ(SampleAtX(summary, x, kW), first + static_cast<std::int64_t>(i));
        }
        const std::int32_t shown = std::min(last, count) - first;  // ten labels or one a sample
        ASSERT_EQ(layout.timeTicks.size(), std::min(shown, 10));
        for (std::size_t i = 0; i < layout.timeTicks.size(); ++i) {
            const auto [sample, x] = layout.timeTicks[i];
            EXPECT_TRUE(i == 0 ? sample == first : sample > layout.timeTicks[i - 1].sample);
            EXPECT_LT(sample, first + shown);
            EXPECT_EQ(x, layout.chartPoints.at(static_cast<std::size_t>(sample - first)).x);
        }
    }
}

TEST(ChartPoints, TemperaturesBeyondTheShownRangeAreHeldAtTheEdges) {
    const SampleList samples = Samples({100, -100, 15});
    const ChartLayout layout = LayoutChart(samples, RangeSummary(0, 30, 3), 2, 8);
    ASSERT_EQ(layout.chartPoints.size(), 3u);
    EXPECT_EQ(layout.chartPoints[0].y, 0);
    EXPECT_EQ(layout.chartPoints[1].y, kH);
}

TEST(ChartPoints, AnEmptyRecordHasNoPointsButKeepsItsGridAndLimits) {
    const ChartLayout layout = LayoutChart({}, RangeSummary(0, 30, 0), 2, 8);
    EXPECT_TRUE(layout.chartPoints.empty());
    EXPECT_EQ(layout.gridLines.size(), 11u);
    EXPECT_EQ(layout.upperLine.y1, 285);
}

TEST(ChartPoints, DegenerateViewsStayInsideTheRecordAndThePlot) {
    const SampleList samples = Samples({5, 6, 7});
    LogSummary empty = RangeSummary(0, 30, 3);
    empty.viewFirst = empty.viewLast = 1;  // an "Overall Magnification" can shrink it to this
    const ChartLayout zeroSpan = LayoutChart(samples, empty, 2, 8);
    for (const ChartPoint& point : zeroSpan.chartPoints) {
        EXPECT_GE(point.x, 0);
        EXPECT_LE(point.x, kW);
    }

    LogSummary outside = RangeSummary(0, 30, 3);
    outside.viewFirst = -5;
    outside.viewLast = 50;
    EXPECT_EQ(LayoutChart(samples, outside, 2, 8).chartPoints.size(), 3u);

    LogSummary inverted = RangeSummary(30, 0, 3);  // a range upside down
    const ChartLayout upsideDown = LayoutChart(samples, inverted, 2, 8);
    EXPECT_TRUE(upsideDown.gridLines.empty());
    for (const ChartPoint& point : upsideDown.chartPoints) {
        EXPECT_GE(point.y, 0);
        EXPECT_LE(point.y, kH);
    }
}

}  // namespace
}  // namespace velka
