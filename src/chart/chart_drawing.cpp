#include "chart/chart_drawing.h"

#include "chart/sans_font.h"
#include "record/string_format.h"
#include "services/translation.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace velka {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGridGrey(128, 128, 128);
const QColor kHoverBlue(64, 64, 228);

// 10 and 7 points on a 96-dpi display, as the page's fonts are sized.
constexpr int kTitleFontPixels = 13;
constexpr int kLabelFontPixels = 9;
constexpr std::int32_t kLimitDashPixels = 8;
constexpr int kLimitPenPixels = 3;
constexpr int kTimeTickPixels = 4;
constexpr int kLegendGapPixels = 5;
// The readout box: its text's distance from the border, from the marker, and below the mouse.
constexpr int kReadoutPaddingPixels = 2;
constexpr int kReadoutGapPixels = 4;
constexpr int kReadoutBelowMousePixels = 15;

// The window's sans font, not taken from the running application, so that velka-cli, which has
// no window look, draws the very pixels of the window's reports.
QFont ChartFont(int pixels) {
    QFont font = SansFont(pixels);
    // Grey-scale smoothing and a fixed hinting, not the desktop's: the same pixels on every
    // screen and in every capture.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

// The legend and axis names.
QFont TitleFont() {
    return ChartFont(kTitleFontPixels);
}

// Grid, time, limit and hover labels.
QFont LabelFont() {
    return ChartFont(kLabelFontPixels);
}

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text cell of a line: its height and the baseline's distance from its top. The cell is
// the em box (as tall as the font's pixel size plus one, the baseline at 0.85 of it) rather
// than the line spacing of whichever font stands in, which for CJK faces is half as tall
// again and would reach into the plot frame below the legend.
struct TextCell {
    int height;
    int baseline;
};

TextCell CellOf(const QFont& font) {
    const int pixels = font.pixelSize();
    return {pixels + 1, (pixels * 85 + 50) / 100};
}

// Text in black on an opaque white cell whose top-left corner is (x, y).
void DrawCellText(QPainter& painter, int x, int y, const QString& text) {
    const TextCell cell = CellOf(painter.font());
    painter.fillRect(QRect(x, y, painter.fontMetrics().horizontalAdvance(text), cell.height),
                     kWhite);
    painter.setPen(kBlack);
    painter.drawText(x, y + cell.baseline, text);
}

// A rectangle from (left, top) up to but excluding (right, bottom).
void FillSwatch(QPainter& painter, int left, int top, int right, int bottom, const QColor& colour) {
    painter.fillRect(QRect(left, top, right - left, bottom - top), colour);
}

void DrawFrameAndLegend(QPainter& painter, PlotSize plot, TemperatureUnit unit) {
    const int canvasWidth = CanvasWidth(plot);
    const int canvasHeight = CanvasHeight(plot);
    painter.fillRect(QRect(0, 0, canvasWidth, canvasHeight), kWhite);
    painter.setPen(QPen(kBlack, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRect(kCanvasPlotOffsetX, kCanvasPlotOffsetY, plot.width - 1, plot.height - 1));

    painter.setFont(TitleFont());
    DrawCellText(painter, 5, 3,
                 ToQString(Tr("Chart", "Temperature") + std::string(UnitSign(unit))));
    // Each entry where it has always stood, moved right only as far as a longer name (in
    // another language) needs to keep clear of the entry before it and of its own swatch.
    const struct {
        std::string name;
        int left;
        int swatchLeft;
        QColor colour;
    } entries[] = {{Tr("Chart", "Normal"), 110, 155, kBlack},
                   {Tr("Chart", "Upper limit"), 180, 260, kRed},
                   {Tr("Chart", "Lower limit"), 295, 375, kBlue}};
    int shift = 0;
    int previousEnd = 0;
    for (const auto& entry : entries) {
        const QString name = ToQString(entry.name);
        const int left = std::max(entry.left + shift, previousEnd + kLegendGapPixels);
        shift = left - entry.left;
        const int nameEnd = left + painter.fontMetrics().horizontalAdvance(name);
        shift = std::max(shift, nameEnd + 1 - entry.swatchLeft);
        DrawCellText(painter, left, 3, name);
        FillSwatch(painter, entry.swatchLeft + shift, 8, entry.swatchLeft + shift + 15, 13,
                   entry.colour);
        previousEnd = entry.swatchLeft + shift + 15;
    }
    DrawCellText(painter, plot.width + 30, plot.height + 20, ToQString(Tr("Chart", "Time")));
}

void DrawGrid(QPainter& painter, const ChartLayout& layout, const ShownForms& forms) {
    const QPen gridPen(kGridGrey, 1, Qt::DotLine);
    for (const GridLine& line : layout.gridLines) {
        DrawCellText(painter, line.x1 + 10, line.y1 + 15,
                     ToQString(ShownDecimal(line.value, 1, forms)));
        painter.setPen(gridPen);
        painter.drawLine(line.x1 + kCanvasPlotOffsetX, line.y1 + kCanvasPlotOffsetY,
                         line.x2 + kCanvasPlotOffsetX, line.y2 + kCanvasPlotOffsetY);
    }
}

// Where a text centred on x starts, held on the canvas.
int CentredLeft(const QFontMetrics& metrics, const QString& text, int x) {
    return std::max(x - metrics.horizontalAdvance(text) / 2, 0);
}

// Each label is centred under a short tick at its sample's x, the date above the time of day.
void DrawTimeLabels(QPainter& painter, const ChartScene& scene) {
    const ChartLayout& layout = scene.layout;
    const int bottomEdge = kCanvasPlotOffsetY + layout.plot.height - 1;
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TimeLabel& label : TimeLabels(scene.recording, layout, scene.forms)) {
        const int x = label.x + kCanvasPlotOffsetX;
        painter.setPen(kBlack);
        painter.drawLine(x, bottomEdge - kTimeTickPixels, x, bottomEdge);
        const QString date = ToQString(label.date);
        const QString time = ToQString(label.timeOfDay);
        DrawCellText(painter, CentredLeft(metrics, date, x), bottomEdge + 1, date);
        DrawCellText(painter, CentredLeft(metrics, time, x), bottomEdge + 11, time);
    }
}

QPoint CanvasPoint(const ChartPoint& point) {
    return {point.x + kCanvasPlotOffsetX, point.y + kCanvasPlotOffsetY};
}

// Each segment takes the colour of the sample it ends at: red into a sample outside the
// limits, black into a normal one. Runs of one colour go out as one polyline, cut at the plot's
// frame: the sample after the window lies on the right edge, one column beyond the frame.
void DrawCurve(QPainter& painter, const ChartLayout& layout) {
    const QPen normalPen(kBlack, 1);
    const QPen alarmPen(kRed, 1);
    const std::vector<ChartPoint>& points = layout.chartPoints;
    painter.save();
    painter.setClipRect(QRect(kCanvasPlotOffsetX, 0, layout.plot.width, CanvasHeight(layout.plot)));
    if (points.size() == 1) {
        painter.setPen(normalPen);
        painter.drawPoint(CanvasPoint(points.front()));
    }
    QPolygon run;
    bool runIsAlarm = false;
    const auto flush = [&] {
        if (run.size() > 1) {
            painter.setPen(runIsAlarm ? alarmPen : normalPen);
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const bool alarm = points[i].alarm == 1 || points[i].alarm == -1;
        if (run.isEmpty() || alarm != runIsAlarm) {
            flush();
            runIsAlarm = alarm;
            run << CanvasPoint(points[i - 1]);
        }
        run << CanvasPoint(points[i]);
    }
    flush();
    painter.restore();
}

// The sample the readout shows, or -1 when there is none (no marker, an empty chart, a marker
// beyond the record). The last sample also answers for the step after it, where the whole
// record's curve ends short of the right edge.
std::int64_t HoveredSample(const ChartScene& scene) {
    const PlotSize plot = scene.layout.plot;
    if (!scene.pointer.hoverOn || scene.layout.chartPoints.empty() || plot.width <= 0)
        return -1;
    const auto count = static_cast<std::int64_t>(scene.recording.record.samples.size());
    std::int64_t k = SampleAtX(scene.recording.record.summary,
                               scene.pointer.hoverX - scene.plotRect.left, plot.width);
    if (k == count)
        k = count - 1;
    if (k < 0 || k >= count)
        return -1;
    return k;
}

// The marker runs down the plot through the sample the readout shows (on the frame for the
// one on the right edge: the page repaints only the plot as the mouse moves), or at the mouse
// when it shows none.
int HoverLineX(const ChartScene& scene) {
    const std::int64_t k = HoveredSample(scene);
    if (k < 0)
        return scene.pointer.hoverX - scene.plotRect.left;
    const PlotSize plot = scene.layout.plot;
    return std::min(SampleX(scene.recording.record.summary, k, plot.width), plot.width - 1);
}

void DrawHoverLine(QPainter& painter, const ChartScene& scene) {
    const int x = HoverLineX(scene) + kCanvasPlotOffsetX;
    painter.setPen(QPen(kHoverBlue, 1, Qt::DotLine));
    painter.drawLine(x, kCanvasPlotOffsetY, x, scene.layout.plot.height + kCanvasPlotOffsetY);
}

// The readout: number, temperature, date and time of the sample under the marker, on an
// opaque bordered box to the right of the marker and below the mouse where the plot leaves
// room, else to the left or above, and always inside the frame (the page repaints only the plot
// while the mouse moves).
void DrawHoverLabel(QPainter& painter, const ChartScene& scene) {
    const std::string label = HoverLabelText(scene);
    if (label.empty())
        return;
    const QStringList lines = ToQString(label).split(QStringLiteral("\r\n"));
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = CellOf(painter.font()).height;
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QSize size(textWidth + 2 * kReadoutPaddingPixels + 2,
                     static_cast<int>(lines.size()) * lineHeight + 2 * kReadoutPaddingPixels + 2);

    const PlotSize plot = scene.layout.plot;
    const int markerX = HoverLineX(scene);
    const int mouseY = scene.pointer.hoverY - scene.plotRect.top;
    // Inside the frame: plot pixels 1 … width - 2 and 1 … height - 2.
    const int right = plot.width - 1;
    const int bottom = plot.height - 1;
    int left = markerX + kReadoutGapPixels;
    if (left + size.width() > right)
        left = markerX - kReadoutGapPixels - size.width();
    int top = mouseY + kReadoutBelowMousePixels;
    if (top + size.height() > bottom)
        top = mouseY - kReadoutGapPixels - size.height();
    left = std::clamp(left, 1, std::max(right - size.width(), 1));
    top = std::clamp(top, 1, std::max(bottom - size.height(), 1));

    const QRect box(QPoint(left + kCanvasPlotOffsetX, top + kCanvasPlotOffsetY), size);
    painter.save();
    painter.setClipRect(
        QRect(kCanvasPlotOffsetX + 1, kCanvasPlotOffsetY + 1, plot.width - 2, plot.height - 2));
    painter.fillRect(box, kWhite);
    painter.setPen(kGridGrey);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    int lineTop = box.top() + 1 + kReadoutPaddingPixels;
    for (const QString& line : lines) {
        DrawCellText(painter, box.left() + 1 + kReadoutPaddingPixels, lineTop, line);
        lineTop += lineHeight;
    }
    painter.restore();
}

void DrawLimit(QPainter& painter, const LimitLine& line, double limit, const QColor& colour,
               const ChartScene& scene) {
    const PlotSize plot = scene.layout.plot;
    if (line.y1 <= 0 || line.y1 >= plot.height)
        return;
    DrawCellText(painter, plot.width + 37, line.y1 + 15,
                 ToQString(ShownDecimal(limit, 1, scene.forms)));
    QPen pen(colour, kLimitPenPixels, Qt::CustomDashLine, Qt::FlatCap);
    // Dash lengths count in pen widths.
    pen.setDashPattern({static_cast<qreal>(kLimitDashPixels) / kLimitPenPixels,
                        static_cast<qreal>(kLimitDashPixels) / kLimitPenPixels});
    painter.setPen(pen);
    painter.drawLine(line.x1 + kCanvasPlotOffsetX, line.y1 + kCanvasPlotOffsetY,
                     line.x2 + kCanvasPlotOffsetX, line.y2 + kCanvasPlotOffsetY);
}

}  // namespace

std::string HoverLabelText(const ChartScene& scene) {
    const std::int64_t k = HoveredSample(scene);
    // A marker beyond the record (a stale position) shows the line without a label.
    if (k < 0)
        return {};
    const auto sample = static_cast<std::size_t>(k);
    const std::int64_t time = scene.recording.SampleTime(sample);
    // Numbered from 1, as the record table and the reports number the samples.
    return StringPrintf(
        "%s:%lld\r\n%s:%s%s\r\n%s:%s\r\n%s", Tr("Chart", "ID").c_str(),
        static_cast<long long>(k) + 1, Tr("Chart", "Temp").c_str(),
        ShownDecimal(scene.recording.record.samples[sample].temperature, 1, scene.forms).c_str(),
        std::string(UnitSign(scene.unit)).c_str(), Tr("Chart", "Time").c_str(),
        ShownDate(time, scene.forms).c_str(), FormatLocalTime(time, kTimeOfDayFormat).c_str());
}

std::vector<TimeLabel> TimeLabels(const Recording& recording, const ChartLayout& layout,
                                  const ShownForms& forms) {
    std::vector<TimeLabel> labels;
    for (const TimeTick& tick : layout.timeTicks) {
        const std::int64_t time = recording.SampleTime(static_cast<std::size_t>(tick.sample));
        labels.push_back({tick.x, ShownDate(time, forms), FormatLocalTime(time, kTimeOfDayFormat)});
    }
    return labels;
}

ChartLayout LayoutChart(const Recording& recording, PlotSize plot) {
    return LayoutChart(recording.record.samples, recording.record.summary,
                       recording.settings.lowerLimit, recording.settings.upperLimit, plot);
}

void DrawChart(QPainter& painter, const ChartScene& scene) {
    DrawChartBase(painter, scene);
    DrawChartMarks(painter, scene);
}

void DrawChartBase(QPainter& painter, const ChartScene& scene) {
    const ChartLayout& layout = scene.layout;
    painter.save();
    DrawFrameAndLegend(painter, layout.plot, scene.unit);
    if (!layout.chartPoints.empty()) {
        painter.setFont(LabelFont());
        DrawGrid(painter, layout, scene.forms);
        DrawTimeLabels(painter, scene);
        DrawCurve(painter, layout);
    }
    painter.restore();
}

void DrawChartMarks(QPainter& painter, const ChartScene& scene) {
    const ChartLayout& layout = scene.layout;
    if (layout.chartPoints.empty())
        return;
    painter.save();
    painter.setFont(LabelFont());
    // The hover line, the limits over it, and the readout over everything.
    if (scene.pointer.hoverOn)
        DrawHoverLine(painter, scene);
    DrawLimit(painter, layout.upperLine, scene.recording.settings.upperLimit, kRed, scene);
    DrawLimit(painter, layout.lowerLine, scene.recording.settings.lowerLimit, kBlue, scene);
    if (scene.pointer.hoverOn)
        DrawHoverLabel(painter, scene);
    painter.restore();
}

QImage RenderChartCanvas(const ChartScene& scene) {
    QImage canvas(CanvasWidth(scene.layout.plot), CanvasHeight(scene.layout.plot),
                  QImage::Format_RGB32);
    canvas.fill(kWhite);
    QPainter painter(&canvas);
    DrawChart(painter, scene);
    return canvas;
}

}  // namespace velka
