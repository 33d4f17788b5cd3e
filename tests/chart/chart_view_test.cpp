#include "chart/chart_view.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace velka {
namespace {

LogSummary View(std::int32_t first, std::int32_t last, std::int32_t minInt, std::int32_t maxInt,
                double chartMin, double chartMax) {
    LogSummary summary;
    summary.viewFirst = first;
    summary.viewLast = last;
    summary.chartMinInt = minInt;
    summary.chartMaxInt = maxInt;
    summary.chartMin = chartMin;
    summary.chartMax = chartMax;
    return summary;
}

void ExpectWindow(const LogSummary& summary, std::int32_t first, std::int32_t last) {
    EXPECT_EQ(summary.viewFirst, first);
    EXPECT_EQ(summary.viewLast, last);
}

void ExpectRange(const LogSummary& summary, std::int32_t minInt, std::int32_t maxInt) {
    EXPECT_EQ(summary.chartMinInt, minInt);
    EXPECT_EQ(summary.chartMaxInt, maxInt);
}

TEST(ChartButtons, LateralMagnificationThenReductionFollowTheWorkedExample) {
    LogSummary summary = View(0, 100, 0, 30, 0, 30);
    // mid 50; 50 - 100 x 0.35 = 15; 50 + (100 - 15) x 0.35 = 79.75.
    ASSERT_TRUE(LateralMagnification(summary));
    ExpectWindow(summary, 15, 79);
    // mid 47, half 64 / 0.7 / 2 = 45.71: 1.29 and 92.71.
    ASSERT_TRUE(LateralReduction(summary, 100));
    ExpectWindow(summary, 1, 92);
    ExpectRange(summary, 0, 30);
    // Widening stops at the record's ends.
    ASSERT_TRUE(LateralReduction(summary, 100));
    ExpectWindow(summary, 0, 100);
}

TEST(ChartButtons, LateralReductionOfTheWholeRecordDoesNothing) {
    LogSummary summary = View(0, 100, 0, 30, 0.4, 30.2);
    EXPECT_FALSE(LateralReduction(summary, 100));
    ExpectWindow(summary, 0, 100);
}

TEST(ChartButtons, LateralMagnificationStopsAtTenSamples) {
    LogSummary ten = View(20, 30, 0, 30, 0, 30);
    EXPECT_FALSE(LateralMagnification(ten));
    ExpectWindow(ten, 20, 30);
    LogSummary eleven = View(20, 31, 0, 30, 0, 30);
    EXPECT_TRUE(LateralMagnification(eleven));
    ExpectWindow(eleven, 21, 28);  // mid 25: 25 - 3.85 = 21.15; 25 + 10 x 0.35 = 28.5
}

TEST(ChartButtons, OverallMagnificationNarrowsBothAxesWithoutTheSpanBound) {
    LogSummary summary = View(0, 10, 0, 30, 0, 30);
    ASSERT_TRUE(OverallMagnification(summary));
    // The window narrows even below ten samples: mid 5; 5 - 3.5 = 1.5; 5 + 9 x 0.35 = 8.15.
    ExpectWindow(summary, 1, 8);
    // c = 15; 15 + 30 x 0.35 = 25.5; then 15 - (25 - 0) x 0.35 = 6.25.
    ExpectRange(summary, 6, 25);
}

TEST(ChartButtons, ZoomingInStopsAtTwoSamplesAndNeverLeavesTheWindow) {
    // A range wide enough that the temperature axis never stops the zoom first.
    const std::vector<std::pair<std::int32_t, std::int32_t>> starts = {
        {0, 1}, {0, 2}, {0, 3}, {5, 8}, {4, 7}, {6, 10}, {100, 111}, {0, 2016}, {1990, 2016}};
    for (const auto& [first, last] : starts) {
        LogSummary summary = View(first, last, -100000, 100000, -1e5, 1e5);
        for (LogSummary before = summary; OverallMagnification(summary); before = summary) {
            const std::int32_t span = before.viewLast - before.viewFirst;
            const std::int32_t narrowed = summary.viewLast - summary.viewFirst;
            EXPECT_TRUE(narrowed < span ? narrowed >= 2 : narrowed == span && span <= 2) << first;
            EXPECT_TRUE(before.viewFirst <= summary.viewFirst &&
                        summary.viewLast <= before.viewLast);
        }
        EXPECT_EQ(summary.viewLast - summary.viewFirst, std::min(last - first, 2)) << first;
    }
}

TEST(ChartButtons, OverallMagnificationStopsAtTwoDegreesWhateverTheWindow) {
    LogSummary summary = View(0, 1000, 4, 6, 4.2, 6.8);
    EXPECT_FALSE(OverallMagnification(summary));
    ExpectWindow(summary, 0, 1000);
    ExpectRange(summary, 4, 6);
}

TEST(ChartButtons, OverallReductionWidensWithinTheDataRange) {
    LogSummary summary = View(15, 79, 6, 25, 0, 30);
    ASSERT_TRUE(OverallReduction(summary, 100));
    ExpectWindow(summary, 1, 92);
    // c = 15, e = 19 / 0.7 / 2 = 13.57: 1.43 and 28.57, inside 0…30.
    ExpectRange(summary, 1, 28);

    LogSummary edges = View(0, 100, 0, 30, -0.5, 30.4);
    ASSERT_TRUE(OverallReduction(edges, 100));
    ExpectWindow(edges, 0, 100);
    // c = 15, e = 21.43: -6 is held at chartMin (-0.5 → 0), 36 at chartMax (30.4 → 30).
    ExpectRange(edges, 0, 30);
}

TEST(ChartButtons, OverallReductionOfTheWholeViewDoesNothing) {
    LogSummary summary = View(0, 100, 0, 30, 0, 30);
    EXPECT_FALSE(OverallReduction(summary, 100));
    ExpectWindow(summary, 0, 100);
    ExpectRange(summary, 0, 30);
}

TEST(ChartButtons, RestoreShowsTheWholeRecordAndRange) {
    LogSummary summary = View(15, 79, 6, 25, -2.7, 30.4);
    EXPECT_TRUE(RestoreView(summary, 100));
    ExpectWindow(summary, 0, 100);
    ExpectRange(summary, -2, 30);  // truncated toward zero
}

TEST(ChartPan, DraggingLeftShowsLaterSamplesAndStopsAtTheEnd) {
    LogSummary summary = View(15, 79, 0, 30, 0, 30);
    // 64 samples over 773 pixels: 100 pixels are 8 samples.
    PanView(summary, 100, kPlotRect, 500, 300, 400, 300);
    ExpectWindow(summary, 23, 87);
    PanView(summary, 100, kPlotRect, 800, 300, 100, 300);
    ExpectWindow(summary, 36, 100);
    // A release far outside the plot counts as its edge.
    PanView(summary, 100, kPlotRect, 100, 300, 5000, 300);
    ExpectWindow(summary, 0, 64);
    ExpectRange(summary, 0, 30);
}

TEST(ChartPan, DraggingVerticallyStopsAtTheDataRange) {
    LogSummary summary = View(0, 100, 6, 25, -0.5, 30.4);
    // Downward shows higher temperatures, up to trunc(chartMax) = 30.
    PanView(summary, 100, kPlotRect, 400, kPlotRect.top, 400, kPlotRect.bottom);
    ExpectRange(summary, 11, 30);
    // Upward shows lower ones, down to where chartMinInt would fall below chartMin.
    PanView(summary, 100, kPlotRect, 400, kPlotRect.bottom, 400, kPlotRect.top);
    ExpectRange(summary, 0, 19);
    ExpectWindow(summary, 0, 100);
}

}  // namespace
}  // namespace velka
