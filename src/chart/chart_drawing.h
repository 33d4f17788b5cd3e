#pragma once
// One drawing of the chart serves the page, the reports and the command line: the canvas of
// (W + 65) x (H + 50) pixels holds the plot area at (35, 20) with the legend above it, the
// temperature labels on its left, the limit values on its right and the time labels below.

#include "chart/chart_geometry.h"
#include "chart/chart_layout.h"
#include "chart/chart_pointer.h"
#include "record/recording.h"
#include "record/shown_forms.h"
#include "record/temperature_unit.h"

#include <QImage>
#include <string>
#include <vector>

class QPainter;

namespace velka {

struct ChartScene {
    // Samples, view window (record.summary), limits and times, in `unit` (ShownIn).
    const Recording& recording;
    const ChartLayout& layout;      // LayoutChart of the same recording and view
    ChartPointerState pointer{};    // the hover marker and its label are drawn when hoverOn
    PlotRect plotRect = kPlotRect;  // where the page shows the plot; places the hover marker
    TemperatureUnit unit = TemperatureUnit::Celsius;  // its sign in the legend and the readout
    // The numbers and dates of the labels: the page's are the window's; the reports' and the
    // command line's picture keep the fixed ones.
    ShownForms forms = kFixedForms;
};

// The hover label: "ID:…\r\nTemp:…℃\r\nTime:…\r\n…" of the sample drawn nearest the mouse,
// numbered from 1, or empty when no label is shown (no marker, an empty chart, a marker beyond
// the record).
std::string HoverLabelText(const ChartScene& scene);

// A time label below the plot: its sample's x and its two lines.
struct TimeLabel {
    std::int32_t x = 0;
    std::string date;       // "2024-04-24"
    std::string timeOfDay;  // "21:40:00"
};

// The time labels of the layout's ticks in local time.
std::vector<TimeLabel> TimeLabels(const Recording& recording, const ChartLayout& layout,
                                  const ShownForms& forms = kFixedForms);

// LayoutChart of the recording's samples, view window and limits.
ChartLayout LayoutChart(const Recording& recording, PlotSize plot = {});

// Draws the canvas with its top-left corner at the painter's origin. Needs a QGuiApplication
// (the offscreen platform will do) for the fonts.
void DrawChart(QPainter& painter, const ChartScene& scene);

// DrawChart in two layers, for a page that keeps the first while the mouse moves: the base
// (canvas, frame, legend, grid, time labels and curve) depends only on the layout; the marks
// over it (hover marker, the limit lines and values, then the readout) also on the pointer.
// DrawChartBase followed by DrawChartMarks gives the very pixels of DrawChart.
void DrawChartBase(QPainter& painter, const ChartScene& scene);
void DrawChartMarks(QPainter& painter, const ChartScene& scene);

// The canvas as an image, as the page paints it.
QImage RenderChartCanvas(const ChartScene& scene);

}  // namespace velka
