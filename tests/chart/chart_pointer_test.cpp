#include "chart/chart_pointer.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(ChartPointer, HoverCountsTheLeftAndTopEdgesInsideAndTheRightAndBottomOutside) {
    ChartPointerState pointer;
    EXPECT_EQ(PointerMoved(pointer, kPlotRect, kPlotRect.left, kPlotRect.top),
              ChartRepaint::PlotArea);
    EXPECT_TRUE(pointer.hoverOn);
    EXPECT_EQ(pointer.hoverX, kPlotRect.left);
    EXPECT_EQ(pointer.hoverY, kPlotRect.top);

    PointerMoved(pointer, kPlotRect, kPlotRect.right - 1, kPlotRect.bottom - 1);
    EXPECT_TRUE(pointer.hoverOn);
    PointerMoved(pointer, kPlotRect, kPlotRect.right, kPlotRect.top + 5);
    EXPECT_FALSE(pointer.hoverOn);
    PointerMoved(pointer, kPlotRect, kPlotRect.left + 5, kPlotRect.bottom);
    EXPECT_FALSE(pointer.hoverOn);
}

TEST(ChartPointer, ADragHidesTheMarkerAndPansOnRelease) {
    ChartPointerState pointer;
    PointerMoved(pointer, kPlotRect, 300, 300);
    EXPECT_EQ(LeftButtonPressed(pointer, kPlotRect, 10, 10), ChartRepaint::None);
    EXPECT_FALSE(pointer.dragging);
    EXPECT_TRUE(pointer.hoverOn);

    EXPECT_EQ(LeftButtonPressed(pointer, kPlotRect, 500, 300), ChartRepaint::Page);
    EXPECT_TRUE(pointer.dragging);
    EXPECT_FALSE(pointer.hoverOn);
    // Moves during the drag leave the marker off.
    EXPECT_EQ(PointerMoved(pointer, kPlotRect, 450, 300), ChartRepaint::None);
    EXPECT_FALSE(pointer.hoverOn);

    LogSummary summary;
    summary.viewFirst = 15;
    summary.viewLast = 79;
    summary.chartMax = 30;
    summary.chartMaxInt = 30;
    EXPECT_TRUE(LeftButtonReleased(pointer, summary, 100, kPlotRect, 400, 300));
    EXPECT_FALSE(pointer.dragging);
    EXPECT_EQ(summary.viewFirst, 23);
    EXPECT_EQ(summary.viewLast, 87);
    // A release without a drag changes nothing.
    EXPECT_FALSE(LeftButtonReleased(pointer, summary, 100, kPlotRect, 100, 300));
    EXPECT_EQ(summary.viewFirst, 23);
}

}  // namespace
}  // namespace velka
