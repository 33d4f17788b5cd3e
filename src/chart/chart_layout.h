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

// A time label below the plot: the sample whose time it shows and that sample's x.
struct TimeTick {
    std::int64_t sample = 0;
    std::int32_t x = 0;

    bool operator==(const TimeTick&) const = default;
};

struct ChartLayout {
    PlotSize plot;
    std::vector<ChartPoint> chartPoints;  // one per drawn sample, in record order
    std::vector<GridLine> gridLines;      // one per temperature label, top first
    std::vector<TimeTick> timeTicks;      // left to right, each on its own sample
    LimitLine upperLine;
    LimitLine lowerLine;
};

// Where sample k lies across the plot: viewFirst on the left edge, viewLast (the first sample
// after the window) on the right edge, the others evenly between.
std::int32_t SampleX(const LogSummary& summary, std::int64_t k, std::int32_t plotWidth);
// The sample drawn nearest to x, held to the plot (the sample may lie outside the record).
std::int64_t SampleAtX(const LogSummary& summary, std::int32_t x, std::int32_t plotWidth);

// Lays out the samples of the view window summary.viewFirst…viewLast (the sample at viewLast,
// where one exists, too: the curve runs on to the right edge) over the temperature range
// chartMinInt…chartMaxInt widened by a margin of a fifth of it (at least one degree) on both
// sides, with up to ten time labels on samples of the window.
ChartLayout LayoutChart(const SampleList& samples, const LogSummary& summary, double lowerLimit,
                        double upperLimit, PlotSize plot = {});

}  // namespace velka
