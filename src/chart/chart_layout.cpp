#include "chart/chart_layout.h"

#include "record/numeric.h"

#include <algorithm>
#include <cmath>

namespace velka {
namespace {

// Maps temperatures to pixel rows: chartMinInt - margin on the bottom edge, chartMaxInt + margin
// on the top edge.
class RowScale {
public:
    RowScale(const LogSummary& summary, std::int32_t plotHeight)
        : height_(plotHeight), minInt_(summary.chartMinInt) {
        const std::int64_t range =
            static_cast<std::int64_t>(summary.chartMaxInt) - summary.chartMinInt;
        margin_ = std::max<std::int64_t>(range / 5, 1);
        scale_ = plotHeight / static_cast<double>(range + 2 * margin_);
    }

    std::int32_t Row(double temperature) const {
        const double above = temperature + static_cast<double>(margin_) - minInt_;
        return TruncateToInt32(height_ - above * scale_);
    }

private:
    std::int32_t height_;
    std::int32_t minInt_;
    std::int64_t margin_ = 1;
    double scale_ = 0.0;
};

std::vector<GridLine> LayoutGrid(const LogSummary& summary, const RowScale& rows,
                                 std::int32_t plotWidth) {
    std::vector<GridLine> lines;
    const std::int64_t spread =
        (static_cast<std::int64_t>(summary.chartMaxInt) - summary.chartMinInt) / 5;
    const double hi = static_cast<double>(summary.chartMaxInt + spread);
    const double lo = static_cast<double>(summary.chartMinInt - spread);
    double step = (hi - lo) / 10;
    step = step >= 1 ? std::trunc(step) : 0.5;
    for (double v = std::trunc(hi / step) * step; v > lo; v -= step) {
        const std::int32_t y = rows.Row(v);
        lines.push_back({v, 0, y, plotWidth, y});
    }
    return lines;
}

}  // namespace

ChartLayout LayoutChart(const SampleList& samples, const LogSummary& summary, double lowerLimit,
                        double upperLimit, PlotSize plot) {
    ChartLayout layout;
    layout.plot = plot;
    const RowScale rows(summary, plot.height);

    const std::int32_t lowerY = rows.Row(lowerLimit);
    const std::int32_t upperY = rows.Row(upperLimit);
    layout.lowerLine = {2, lowerY, plot.width, lowerY};
    layout.upperLine = {2, upperY, plot.width, upperY};

    // The neighbour before and after the window is laid out too, so that the curve runs on to
    // the plot's edges; the first point always lies on the left edge.
    const auto count = static_cast<std::int64_t>(samples.size());
    const std::int64_t first = summary.viewFirst > 0 ? summary.viewFirst - 1 : summary.viewFirst;
    const std::int64_t end = summary.viewLast < count ? summary.viewLast + 1 : summary.viewLast;
    const double xScale =
        plot.width /
        static_cast<double>(static_cast<std::int64_t>(summary.viewLast) - summary.viewFirst);
    if (end > first)
        layout.chartPoints.reserve(static_cast<std::size_t>(end - first));
    for (std::int64_t k = std::max<std::int64_t>(first, 0); k < std::min(end, count); ++k) {
        const TempSample& sample = samples[static_cast<std::size_t>(k)];
        const std::int32_t x =
            std::clamp(TruncateToInt32(static_cast<double>(k - first) * xScale), 0, plot.width);
        const std::int32_t y = std::clamp(rows.Row(sample.temperature), 0, plot.height);
        layout.chartPoints.push_back({x, y, sample.alarm});
    }

    layout.gridLines = LayoutGrid(summary, rows, plot.width);
    return layout;
}

}  // namespace velka
