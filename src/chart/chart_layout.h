#pragma once
// The chart's pixel lists, rebuilt from the samples, the view window and the limits after every
// decode, zoom, pan or restore. Coordinates are relative to the plot area's top-left corner,
// y growing downward.

#include "chart/chart_geometry.h"
#include "record/sample_decoding.h"

#include <cstdint>
#include <vector>

namespace velka {

struct ChartPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t alarm = 0;  // the sample's alarm flag: +1, -1 or 0

    bool operator==(const ChartPoint&) const = default;
};

struct GridLine {
    double value = 0.0;  // the temperature the line marks
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;

    bool operator==(const GridLine&) const = default;
};

struct LimitLine {
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;

    bool operator==(const LimitLine&) const = default;
};

struct ChartLayout {
    PlotSize plot;
    std::vector<ChartPoint> chartPoints;  // one per drawn sample, in record order
    std::vector<GridLine> gridLines;      // one per temperature label, top first
    LimitLine upperLine;
    LimitLine lowerLine;
};

// Lays out the samples of the view window summary.viewFirst…viewLast (plus the neighbour on
// each side that exists) over the temperature range chartMinInt…chartMaxInt widened by a
// margin of a fifth of it (at least one degree) on both sides.
ChartLayout LayoutChart(const SampleList& samples, const LogSummary& summary, double lowerLimit,
                        double upperLimit, PlotSize plot = {});

}  // namespace velka
