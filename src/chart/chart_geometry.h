#pragma once
// Where the chart sits: the plot rectangle of the chart page, the canvas the drawing fills and
// the captured picture of the reports.

#include <cstdint>

namespace velka {

// The plot area in the chart page's client coordinates; left and top inside, right and bottom
// outside.
struct PlotRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr std::int32_t Width() const { return right - left; }
    constexpr std::int32_t Height() const { return bottom - top; }
    constexpr bool Contains(std::int32_t x, std::int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
};

// The chart frame of the page is 840 x 480 at (10, 160); the plot keeps 36 pixels free on the
// left for the temperature labels, 21 at the top for the legend and 31 on the right and at the
// bottom for the limit values and the time labels.
constexpr std::int32_t kChartFrameLeft = 10;
constexpr std::int32_t kChartFrameTop = 160;
constexpr std::int32_t kChartFrameWidth = 840;
constexpr std::int32_t kChartFrameHeight = 480;
constexpr PlotRect kPlotRect{kChartFrameLeft + 36, kChartFrameTop + 21,
                             kChartFrameLeft + kChartFrameWidth - 31,
                             kChartFrameTop + kChartFrameHeight - 31};
static_assert(kPlotRect.Width() == 773 && kPlotRect.Height() == 428);

// Width and height of the plot area in pixels.
struct PlotSize {
    std::int32_t width = kPlotRect.Width();
    std::int32_t height = kPlotRect.Height();
};

// The canvas holds the plot shifted by (35, 20) with room for labels around it.
constexpr std::int32_t kCanvasPlotOffsetX = 35;
constexpr std::int32_t kCanvasPlotOffsetY = 20;
constexpr std::int32_t CanvasWidth(PlotSize plot) {
    return plot.width + 65;
}
constexpr std::int32_t CanvasHeight(PlotSize plot) {
    return plot.height + 50;
}

}  // namespace velka
