#pragma once
// The chart rendered off screen and captured for the reports: the canvas copied to (1, 1) of an
// 840 x 480 picture whose uncovered pixels stay white.

#include "chart/chart_drawing.h"
#include "chart/chart_pixels.h"

namespace velka {

ChartPixels RenderChartImage(const ChartScene& scene);

// The reports' picture of a recording in °C (its samples, limits and view window), drawn in
// `unit`; an empty record gives a blank picture.
ChartPixels RenderReportChart(const Recording& recording, TemperatureUnit unit);

}  // namespace velka
