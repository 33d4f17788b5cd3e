#pragma once
// The chart page's view operations: its five buttons and the pan of a mouse drag change the
// view window (viewFirst…viewLast) and the shown temperature range (chartMinInt…chartMaxInt)
// of the LogSummary. Each returns false when it does nothing; after a change the caller runs
// LayoutChart and repaints.

#include "chart/chart_geometry.h"
#include "record/sample_decoding.h"

#include <cstddef>
#include <cstdint>

namespace velka {

// "Lateral Reduction": widens the window by 1/0.7 around its middle, within the record.
bool LateralReduction(LogSummary& summary, std::size_t sampleCount);
// "Lateral Magnification": narrows the window to 0.7 of its span, while it holds more than 10.
bool LateralMagnification(LogSummary& summary);
// "Overall Magnification": narrows the window and the temperature range to 0.7, while the
// range spans more than 2 degrees; the window keeps at least two samples.
bool OverallMagnification(LogSummary& summary);
// "Overall Reduction": widens both by 1/0.7, the range no further than chartMin…chartMax.
bool OverallReduction(LogSummary& summary, std::size_t sampleCount);
// "Restore": the whole record and the whole temperature range.
bool RestoreView(LogSummary& summary, std::size_t sampleCount);

// Pans by a drag from (dragX, dragY) to (x, y) in page coordinates: the curve follows the
// mouse, and the view stops at the record's ends and at the temperature range's limits.
void PanView(LogSummary& summary, std::size_t sampleCount, const PlotRect& plotRect,
             std::int32_t dragX, std::int32_t dragY, std::int32_t x, std::int32_t y);

}  // namespace velka
