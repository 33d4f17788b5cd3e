#include "chart/chart_view.h"

#include "record/numeric.h"

#include <algorithm>
#include <cmath>

namespace velka {
namespace {

// 1/0.7 and 0.7 x 0.5, multiplied in this order so that the results match to the last bit.
constexpr double kWidenFactor = 1.4285714285714286;
constexpr double kNarrowFactor = 0.7;
constexpr std::int64_t kFewestZoomedSamples = 2;

std::int64_t Count(std::size_t sampleCount) {
    return static_cast<std::int64_t>(sampleCount);
}

void WidenWindow(LogSummary& summary, std::size_t sampleCount) {
    const std::int64_t first = summary.viewFirst;
    const std::int64_t last = summary.viewLast;
    const std::int64_t wholeMid = (first + last) / 2;  // whole samples, as the view counts
    const auto mid = static_cast<double>(wholeMid);
    const double half = static_cast<double>(last - first) * kWidenFactor * 0.5;
    summary.viewFirst = std::max(TruncateToInt32(mid - half), 0);
    summary.viewLast =
        SaturateToInt32(std::min<std::int64_t>(TruncateToInt32(mid + half), Count(sampleCount)));
}

// The new end comes from the span between the old end and the new start. A window of two
// samples is not narrowed further: it still shows a stretch of curve to read, where one
// sample would leave a lone point until "Restore". The truncations would not narrow a window
// of three (they shift it a sample to the left at each step) and could pass the floor: such a
// window loses one sample, keeping its middle.
void NarrowWindow(LogSummary& summary) {
    const std::int64_t first = summary.viewFirst;
    const std::int64_t last = summary.viewLast;
    if (last - first <= kFewestZoomedSamples)
        return;
    const std::int64_t wholeMid = (first + last) / 2;
    const auto mid = static_cast<double>(wholeMid);
    std::int64_t newFirst =
        TruncateToInt32(mid - static_cast<double>(last - first) * kNarrowFactor * 0.5);
    std::int64_t newLast =
        TruncateToInt32(mid + static_cast<double>(last - newFirst) * kNarrowFactor * 0.5);
    if (newLast - newFirst >= last - first || newLast - newFirst < kFewestZoomedSamples ||
        newFirst < first || newLast > last) {
        const std::int64_t span = std::max(last - first - 1, kFewestZoomedSamples);
        newFirst = first + (last - first - span) / 2;
        newLast = newFirst + span;
    }
    summary.viewFirst = SaturateToInt32(newFirst);
    summary.viewLast = SaturateToInt32(newLast);
}

double RangeCentre(const LogSummary& summary) {
    // Whole degrees, as the range counts.
    const std::int64_t wholeCentre =
        (static_cast<std::int64_t>(summary.chartMaxInt) + summary.chartMinInt) / 2;
    return static_cast<double>(wholeCentre);
}

}  // namespace

bool LateralReduction(LogSummary& summary, std::size_t sampleCount) {
    if (summary.viewFirst == 0 && summary.viewLast == Count(sampleCount))
        return false;
    WidenWindow(summary, sampleCount);
    return true;
}

bool LateralMagnification(LogSummary& summary) {
    if (static_cast<std::int64_t>(summary.viewLast) - summary.viewFirst <= 10)
        return false;
    NarrowWindow(summary);
    return true;
}

bool OverallMagnification(LogSummary& summary) {
    const std::int64_t range = static_cast<std::int64_t>(summary.chartMaxInt) - summary.chartMinInt;
    if (range <= 2)
        return false;
    NarrowWindow(summary);
    const double centre = RangeCentre(summary);
    const std::int32_t newMax = TruncateToInt32(centre + static_cast<double>(range) * 0.35);
    summary.chartMaxInt = newMax;
    summary.chartMinInt = TruncateToInt32(
        centre -
        static_cast<double>(static_cast<std::int64_t>(newMax) - summary.chartMinInt) * 0.35);
    return true;
}

bool OverallReduction(LogSummary& summary, std::size_t sampleCount) {
    if (summary.viewFirst == 0 && summary.viewLast == Count(sampleCount) &&
        summary.chartMaxInt == summary.chartMax && summary.chartMinInt == summary.chartMin)
        return false;
    WidenWindow(summary, sampleCount);
    const double centre = RangeCentre(summary);
    const double extent =
        static_cast<double>(static_cast<std::int64_t>(summary.chartMaxInt) - summary.chartMinInt) *
        kWidenFactor * 0.5;
    summary.chartMinInt = TruncateToInt32(std::max(summary.chartMin, std::trunc(centre - extent)));
    summary.chartMaxInt = TruncateToInt32(std::min(summary.chartMax, std::trunc(centre + extent)));
    return true;
}

bool RestoreView(LogSummary& summary, std::size_t sampleCount) {
    summary.viewFirst = 0;
    summary.viewLast = SaturateToInt32(Count(sampleCount));
    summary.chartMaxInt = TruncateToInt32(summary.chartMax);
    summary.chartMinInt = TruncateToInt32(summary.chartMin);
    return true;
}

void PanView(LogSummary& summary, std::size_t sampleCount, const PlotRect& plotRect,
             std::int32_t dragX, std::int32_t dragY, std::int32_t x, std::int32_t y) {
    const std::int64_t width = plotRect.Width();
    const std::int64_t height = plotRect.Height();
    if (width <= 0 || height <= 0)
        return;
    x = std::clamp(x, plotRect.left, plotRect.right);
    y = std::clamp(y, plotRect.top, plotRect.bottom);

    const std::int64_t span = static_cast<std::int64_t>(summary.viewLast) - summary.viewFirst;
    const std::int64_t range = static_cast<std::int64_t>(summary.chartMaxInt) - summary.chartMinInt;
    std::int64_t dx = span * (static_cast<std::int64_t>(dragX) - x) / width;
    std::int64_t dy = range * (static_cast<std::int64_t>(y) - dragY) / height;

    dx = std::min(dx, Count(sampleCount) - summary.viewLast);
    dx = std::max(dx, -static_cast<std::int64_t>(summary.viewFirst));
    dy = std::min<std::int64_t>(dy, static_cast<std::int64_t>(TruncateToInt32(summary.chartMax)) -
                                        summary.chartMaxInt);
    if (summary.chartMin - summary.chartMinInt > static_cast<double>(dy))
        dy = TruncateToInt32(summary.chartMin - summary.chartMinInt);

    summary.viewFirst = SaturateToInt32(summary.viewFirst + dx);
    summary.viewLast = SaturateToInt32(summary.viewLast + dx);
    summary.chartMaxInt = SaturateToInt32(summary.chartMaxInt + dy);
    summary.chartMinInt = SaturateToInt32(summary.chartMinInt + dy);
}

}  // namespace velka
