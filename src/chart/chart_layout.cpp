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

// A view narrower than one sample (left over from a record or a zoom before the floor) is
// drawn as one sample wide.
std::int64_t ShownSpan(const LogSummary& summary) {
    return std::max<std::int64_t>(static_cast<std::int64_t>(summary.viewLast) - summary.viewFirst,
                                  1);
}

constexpr std::int64_t kTimeLabelCount = 10;

// Ten labels evenly over the window's samples; when it holds fewer than ten, one on each, so
// that no two labels show the same time.
std::vector<TimeTick> LayoutTimeTicks(const LogSummary& summary, std::int64_t sampleCount,
                                      std::int32_t plotWidth) {
    const std::int64_t first = std::max<std::int64_t>(summary.viewFirst, 0);
    const std::int64_t end = std::min<std::int64_t>(summary.viewLast, sampleCount);
    const std::int64_t shown = end - first;
    std::vector<TimeTick> ticks;
    const std::int64_t count = std::min(shown, kTimeLabelCount);
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t k = first + shown * i / count;
        ticks.push_back({k, SampleX(summary, k, plotWidth)});
    }
    return ticks;
}

}  // namespace

std::int32_t SampleX(const LogSummary& summary, std::int64_t k, std::int32_t plotWidth) {
    const std::int64_t offset = k - summary.viewFirst;
    return SaturateToInt32(offset * plotWidth / ShownSpan(summary));
}

std::int64_t SampleAtX(const LogSummary& summary, std::int32_t x, std::int32_t plotWidth) {
    if (plotWidth <= 0)
        return summary.viewFirst;
    const std::int64_t twice = 2 * ShownSpan(summary) * std::clamp(x, 0, plotWidth);
    return summary.viewFirst + (twice + plotWidth) / (2 * static_cast<std::int64_t>(plotWidth));
}

ChartLayout LayoutChart(const SampleList& samples, const LogSummary& summary, double lowerLimit,
                        double upperLimit, PlotSize plot) {
    ChartLayout layout;
    layout.plot = plot;
    const RowScale rows(summary, plot.height);

    const std::int32_t lowerY = rows.Row(lowerLimit);
    const std::int32_t upperY = rows.Row(upperLimit);
    layout.lowerLine = {2, lowerY, plot.width, lowerY};
    layout.upperLine = {2, upperY, plot.width, upperY};

    // Every sample of the window lies inside the plot, and the one after it on the right edge;
    // none is ever moved onto an edge it does not belong to.
    const auto count = static_cast<std::int64_t>(samples.size());
    const std::int64_t first = std::max<std::int64_t>(summary.viewFirst, 0);
    const std::int64_t end =
        std::min<std::int64_t>(static_cast<std::int64_t>(summary.viewLast) + 1, count);
    if (end > first)
        layout.chartPoints.reserve(static_cast<std::size_t>(end - first));
    for (std::int64_t k = first; k < end; ++k) {
        const TempSample& sample = samples[static_cast<std::size_t>(k)];
        const std::int32_t y = std::clamp(rows.Row(sample.temperature), 0, plot.height);
        layout.chartPoints.push_back({SampleX(summary, k, plot.width), y, sample.alarm});
    }

    layout.gridLines = LayoutGrid(summary, rows, plot.width);
    layout.timeTicks = LayoutTimeTicks(summary, count, plot.width);
    return layout;
}

}  // namespace velka
