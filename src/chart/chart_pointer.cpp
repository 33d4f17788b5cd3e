#include "chart/chart_pointer.h"

#include "chart/chart_view.h"

namespace velka {

ChartRepaint PointerMoved(ChartPointerState& pointer, const PlotRect& plotRect, std::int32_t x,
                          std::int32_t y) {
    if (pointer.dragging)
        return ChartRepaint::None;
    pointer.hoverOn = plotRect.Contains(x, y);
    if (pointer.hoverOn) {
        pointer.hoverX = x;
        pointer.hoverY = y;
    }
    return ChartRepaint::PlotArea;
}

ChartRepaint LeftButtonPressed(ChartPointerState& pointer, const PlotRect& plotRect, std::int32_t x,
                               std::int32_t y) {
    if (!plotRect.Contains(x, y))
        return ChartRepaint::None;
    pointer.dragX = x;
    pointer.dragY = y;
    pointer.hoverOn = false;
    pointer.dragging = true;
    return ChartRepaint::Page;
}

bool LeftButtonReleased(ChartPointerState& pointer, LogSummary& summary, std::size_t sampleCount,
                        const PlotRect& plotRect, std::int32_t x, std::int32_t y) {
    if (!pointer.dragging)
        return false;
    pointer.dragging = false;
    PanView(summary, sampleCount, plotRect, pointer.dragX, pointer.dragY, x, y);
    return true;
}

}  // namespace velka
