#pragma once
// The chart page's mouse: the hover marker follows the mouse over the plot, and a drag with the
// left button pans the view. The page forwards its mouse events here and repaints as told.

#include "chart/chart_geometry.h"
#include "record/sample_decoding.h"

#include <cstddef>
#include <cstdint>

namespace velka {

struct ChartPointerState {
    bool hoverOn = false;
    std::int32_t hoverX = 0;  // page coordinates of the mouse
    std::int32_t hoverY = 0;
    bool dragging = false;
    std::int32_t dragX = 0;  // where the drag started
    std::int32_t dragY = 0;
};

enum class ChartRepaint {
    None,
    PlotArea,  // the plot rectangle, without erasing the background
    Page,      // the whole page, without erasing the background
};

// A move without the button held shows or hides the hover marker.
ChartRepaint PointerMoved(ChartPointerState& pointer, const PlotRect& plotRect, std::int32_t x,
                          std::int32_t y);
// A press inside the plot starts a drag and hides the hover marker.
ChartRepaint LeftButtonPressed(ChartPointerState& pointer, const PlotRect& plotRect, std::int32_t x,
                               std::int32_t y);
// Releasing the button ends a drag and pans the view; true when the caller must run
// LayoutChart and repaint the page.
bool LeftButtonReleased(ChartPointerState& pointer, LogSummary& summary, std::size_t sampleCount,
                        const PlotRect& plotRect, std::int32_t x, std::int32_t y);

}  // namespace velka
