#include "chart/chart_drawing.h"

#include "record/decimal_text.h"
#include "record/local_time.h"
#include "record/string_format.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <QStringList>

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

QFont MakeFont(const QStringList& families, QFont::StyleHint hint, int pixels) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    // Grey-scale smoothing only: the same pixels on every screen and in every capture.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

// The legend and axis names: SimSun where installed, else Liberation Serif for the letters
// (the legend's positions leave room for SimSun's narrow Latin letters; the Latin letters of
// the CJK serif faces are wide enough to run "Normal" into its swatch) and a CJK serif face
// for "℃".
QFont TitleFont() {
    return MakeFont({QStringLiteral("SimSun"), QStringLiteral("宋体"),
                     QStringLiteral("Liberation Serif"), QStringLiteral("Noto Serif CJK SC"),
                     QStringLiteral("Noto Sans CJK SC")},
                    QFont::Serif, kTitleFontPixels);
}

// Grid, time, limit and hover labels: Times New Roman where installed, else Liberation Serif,
// which has the same metrics.
QFont LabelFont() {
    return MakeFont({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
                    QFont::Times, kLabelFontPixels);
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

void DrawFrameAndLegend(QPainter& painter, PlotSize plot) {
    const int canvasWidth = CanvasWidth(plot);
    const int canvasHeight = CanvasHeight(plot);
    painter.fillRect(QRect(0, 0, canvasWidth, canvasHeight), kWhite);
    painter.setPen(QPen(kBlack, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRect(kCanvasPlotOffsetX, kCanvasPlotOffsetY, plot.width - 1, plot.height - 1));

    painter.setFont(TitleFont());
    DrawCellText(painter, 5, 3, QStringLiteral("Temperature℃"));
    DrawCellText(painter, 110, 3, QStringLiteral("Normal"));
    FillSwatch(painter, 155, 8, 170, 13, kBlack);
    DrawCellText(painter, 180, 3, QStringLiteral("Upper limit"));
    FillSwatch(painter, 260, 8, 275, 13, kRed);
    DrawCellText(painter, 295, 3, QStringLiteral("Lower limit"));
    FillSwatch(painter, 375, 8, 390, 13, kBlue);
    DrawCellText(painter, plot.width + 30, plot.height + 20, QStringLiteral("Time"));
}

void DrawGrid(QPainter& painter, const ChartLayout& layout) {
    const QPen gridPen(kGridGrey, 1, Qt::DotLine);
    for (const GridLine& line : layout.gridLines) {
        DrawCellText(painter, line.x1 + 10, line.y1 + 15, ToQString(FixedDecimal(line.value, 1)));
        painter.setPen(gridPen);
        painter.drawLine(line.x1 + kCanvasPlotOffsetX, line.y1 + kCanvasPlotOffsetY,
                         line.x2 + kCanvasPlotOffsetX, line.y2 + kCanvasPlotOffsetY);
    }
}

void DrawTimeLabels(QPainter& painter, const Recording& recording, PlotSize plot) {
    const LogSummary& summary = recording.record.summary;
    const std::int64_t span = static_cast<std::int64_t>(summary.viewLast) - summary.viewFirst;
    for (int i = 0; i < 10; ++i) {
        const std::int64_t k = summary.viewFirst + span * i / 10;
        const int x = plot.width * i / 10 + kCanvasPlotOffsetX;
        const std::int64_t time = recording.SampleTime(static_cast<std::size_t>(k));
        DrawCellText(painter, x, plot.height + 20, ToQString(FormatLocalTime(time, kDateFormat)));
        DrawCellText(painter, x, plot.height + 30,
                     ToQString(FormatLocalTime(time, kTimeOfDayFormat)));
    }
}

// Each segment takes the colour of the sample it ends at: red into a sample outside the
// limits, black into a normal one. Runs of one colour go out as one polyline.
void DrawCurve(QPainter& painter, const ChartLayout& layout) {
    const QPen normalPen(kBlack, 1);
    const QPen alarmPen(kRed, 1);
    const PlotSize plot = layout.plot;
    QPoint current(layout.chartPoints.front().x + kCanvasPlotOffsetX,
                   layout.chartPoints.front().y + kCanvasPlotOffsetY);
    QPolygon run;
    bool runIsAlarm = false;
    const auto flush = [&] {
        if (run.size() > 1) {
            painter.setPen(runIsAlarm ? alarmPen : normalPen);
            painter.drawPolyline(run);
        }
        run.clear();
    };
    for (const ChartPoint& point : layout.chartPoints) {
        if (point.x < 0 || point.x > plot.width || point.y < 0 || point.y > plot.height)
            continue;
        const bool alarm = point.alarm == 1 || point.alarm == -1;
        if (alarm != runIsAlarm || run.isEmpty()) {
            flush();
            runIsAlarm = alarm;
            run << current;
        }
        current = QPoint(point.x + kCanvasPlotOffsetX, point.y + kCanvasPlotOffsetY);
        run << current;
    }
    flush();
}

void DrawHoverLine(QPainter& painter, const ChartScene& scene) {
    const int dx = scene.pointer.hoverX - scene.plotRect.left;
    painter.setPen(QPen(kHoverBlue, 1, Qt::DotLine));
    painter.drawLine(dx + kCanvasPlotOffsetX, kCanvasPlotOffsetY, dx + kCanvasPlotOffsetX,
                     scene.layout.plot.height + kCanvasPlotOffsetY);
}

// The sample under the marker: its number, temperature, date and time, in a box to the right
// of the marker and below the mouse where the plot leaves room, else to the left and above.
void DrawHoverLabel(QPainter& painter, const ChartScene& scene) {
    const PlotRect& rect = scene.plotRect;
    const ChartPointerState& pointer = scene.pointer;
    const int dx = pointer.hoverX - rect.left;
    const int dy = pointer.hoverY - rect.top;
    const std::string label = HoverLabelText(scene);
    if (label.empty())
        return;

    const bool roomOnRight = rect.right - pointer.hoverX > 150;
    const bool roomBelow = rect.bottom - pointer.hoverY > 85;
    const QRect box = QRect(
        QPoint(roomOnRight ? dx + 37 : dx - 63, roomBelow ? dy + 35 : dy - 30),
        QPoint(roomOnRight ? dx + 135 : dx + 35, roomBelow ? dy + 105 : dy + 20) - QPoint(1, 1));
    painter.save();
    painter.setClipRect(box);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = CellOf(painter.font()).height;
    int top = box.top();
    for (const QString& line : ToQString(label).split(QStringLiteral("\r\n"))) {
        const int width = metrics.horizontalAdvance(line);
        DrawCellText(painter, roomOnRight ? box.left() : box.right() + 1 - width, top, line);
        top += lineHeight;
    }
    painter.restore();
}

void DrawLimit(QPainter& painter, const LimitLine& line, double limit, const QColor& colour,
               PlotSize plot) {
    if (line.y1 <= 0 || line.y1 >= plot.height)
        return;
    DrawCellText(painter, plot.width + 37, line.y1 + 15, ToQString(FixedDecimal(limit, 1)));
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
    const PlotSize plot = scene.layout.plot;
    const ChartPointerState& pointer = scene.pointer;
    const LogSummary& summary = scene.recording.record.summary;
    const SampleList& samples = scene.recording.record.samples;
    if (!pointer.hoverOn || scene.layout.chartPoints.empty() || plot.width <= 0)
        return {};
    const std::int64_t dx = pointer.hoverX - scene.plotRect.left;
    const std::int64_t k =
        summary.viewFirst +
        (static_cast<std::int64_t>(summary.viewLast) - summary.viewFirst) * dx / plot.width;
    // A marker beyond the record (a stale position) shows the line without a label.
    if (k < 0 || k >= static_cast<std::int64_t>(samples.size()))
        return {};
    const std::int64_t time = scene.recording.SampleTime(static_cast<std::size_t>(k));
    return StringPrintf("ID:%d\r\nTemp:%s℃\r\nTime:%s\r\n%s", static_cast<int>(k),
                        FixedDecimal(samples[static_cast<std::size_t>(k)].temperature, 1).c_str(),
                        FormatLocalTime(time, kDateFormat).c_str(),
                        FormatLocalTime(time, kTimeOfDayFormat).c_str());
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
    DrawFrameAndLegend(painter, layout.plot);
    if (!layout.chartPoints.empty()) {
        painter.setFont(LabelFont());
        DrawGrid(painter, layout);
        DrawTimeLabels(painter, scene.recording, layout.plot);
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
    // The hover line and its label, then the limits over them.
    if (scene.pointer.hoverOn) {
        DrawHoverLine(painter, scene);
        DrawHoverLabel(painter, scene);
    }
    DrawLimit(painter, layout.upperLine, scene.recording.settings.upperLimit, kRed, layout.plot);
    DrawLimit(painter, layout.lowerLine, scene.recording.settings.lowerLimit, kBlue, layout.plot);
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
