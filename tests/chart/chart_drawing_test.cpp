#include "chart/chart_image.h"

#include <QImage>
#include <cstring>
#include <gtest/gtest.h>

namespace velka {
namespace {

constexpr int kW = 773;
constexpr int kH = 428;
const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kBluePixel = qRgb(0, 0, 255);
const QRgb kBlackPixel = qRgb(0, 0, 0);
const QRgb kHoverPixel = qRgb(64, 64, 228);

// Samples at 5.5 °C with the given alarm flags, limits 0 and 10, shown over 0…10 °C: the curve
// runs along canvas row 218, the upper limit along row 81, the lower along row 386.
Recording FlatRecording(const std::vector<std::int32_t>& alarms, double upperLimit = 10) {
    Recording recording;
    recording.settings.lowerLimit = 0;
    recording.settings.upperLimit = upperLimit;
    recording.settings.logInterval = 300;
    recording.settings.clockSetTime = 1714521600;
    for (std::size_t i = 0; i < alarms.size(); ++i)
        recording.record.samples.push_back({5.5, alarms[i], static_cast<std::int32_t>(i)});
    LogSummary& summary = recording.record.summary;
    summary.chartMin = 0;
    summary.chartMax = 10;
    summary.chartMinInt = 0;
    summary.chartMaxInt = 10;
    summary.viewFirst = 0;
    summary.viewLast = static_cast<std::int32_t>(alarms.size());
    return recording;
}

QImage Canvas(const Recording& recording, ChartPointerState pointer = {}) {
    const ChartLayout layout = LayoutChart(recording);
    return RenderChartCanvas(ChartScene{recording, layout, pointer});
}

int CountPixels(const QImage& image, QRect area, QRgb colour) {
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

int CountNonWhite(const QImage& image, QRect area) {
    return area.intersected(image.rect()).width() * area.intersected(image.rect()).height() -
           CountPixels(image, area, kWhitePixel);
}

TEST(ChartDrawing, AnEmptyRecordShowsOnlyTheFrameLegendAndAxisNames) {
    const QImage canvas = Canvas(FlatRecording({}));
    ASSERT_EQ(canvas.size(), QSize(kW + 65, kH + 50));
    // The frame runs along the plot's edges.
    EXPECT_EQ(canvas.pixel(35, 200), kBlackPixel);
    EXPECT_EQ(canvas.pixel(kW + 34, 200), kBlackPixel);
    EXPECT_EQ(canvas.pixel(400, 20), kBlackPixel);
    EXPECT_EQ(canvas.pixel(400, kH + 19), kBlackPixel);
    // Legend swatches and texts.
    EXPECT_EQ(canvas.pixel(160, 10), kBlackPixel);
    EXPECT_EQ(canvas.pixel(265, 10), kRedPixel);
    EXPECT_EQ(canvas.pixel(380, 10), kBluePixel);
    EXPECT_GT(CountNonWhite(canvas, QRect(5, 3, 90, 14)), 20);              // "Temperature℃"
    EXPECT_GT(CountNonWhite(canvas, QRect(kW + 30, kH + 20, 30, 14)), 10);  // "Time"
    // Nothing else: no curve, grid, limit lines, temperature or time labels.
    EXPECT_EQ(CountNonWhite(canvas, QRect(36, 21, kW - 2, kH - 2)), 0);
    EXPECT_EQ(CountNonWhite(canvas, QRect(0, 21, 35, kH + 29)), 0);
    EXPECT_EQ(CountNonWhite(canvas, QRect(0, kH + 20, kW + 29, 30)), 0);
    EXPECT_EQ(CountNonWhite(canvas, QRect(kW + 35, 21, 30, kH - 2)), 0);
}

TEST(ChartDrawing, EachSegmentTakesTheColourOfTheSampleItEndsAt) {
    // Points at x 0, 257 and 515 of the plot: into the alarm sample red, back out black.
    const QImage canvas = Canvas(FlatRecording({0, 1, 0}, 12));
    EXPECT_EQ(canvas.pixel(35 + 128, 218), kRedPixel);
    EXPECT_EQ(canvas.pixel(35 + 386, 218), kBlackPixel);
    const QImage below = Canvas(FlatRecording({-1, 0, -1}, 12));
    EXPECT_EQ(below.pixel(35 + 128, 218), kBlackPixel);
    EXPECT_EQ(below.pixel(35 + 386, 218), kRedPixel);
}

TEST(ChartDrawing, LimitLinesAreDashedInTheirColoursWithTheirValues) {
    const QImage canvas = Canvas(FlatRecording({0, 0, 0}));
    const QRect upperRow(37, 81, kW - 2, 1);
    const QRect lowerRow(37, 386, kW - 2, 1);
    const int upperRed = CountPixels(canvas, upperRow, kRedPixel);
    const int lowerBlue = CountPixels(canvas, lowerRow, kBluePixel);
    // Eight pixels on, eight off.
    EXPECT_GT(upperRed, kW / 2 - 20);
    EXPECT_LT(upperRed, kW / 2 + 20);
    EXPECT_GT(lowerBlue, kW / 2 - 20);
    EXPECT_LT(lowerBlue, kW / 2 + 20);
    EXPECT_EQ(canvas.pixel(40, 80), kRedPixel);  // three pixels wide
    EXPECT_EQ(canvas.pixel(40, 82), kRedPixel);
    EXPECT_GT(CountNonWhite(canvas, QRect(kW + 37, 61 + 15, 25, 10)), 5);   // "10.0"
    EXPECT_GT(CountNonWhite(canvas, QRect(kW + 37, 366 + 15, 25, 10)), 5);  // "0.0"
}

TEST(ChartDrawing, ALimitOnTheFrameIsNotDrawn) {
    // 12 °C = chartMaxInt + margin lies on the top edge: neither line nor value.
    const QImage canvas = Canvas(FlatRecording({0, 0, 0}, 12));
    EXPECT_EQ(CountPixels(canvas, QRect(0, 20, kW + 65, kH + 30), kRedPixel), 0);
    EXPECT_EQ(CountNonWhite(canvas, QRect(kW + 37, 15, 25, 15)), 0);
}

TEST(ChartDrawing, TimeLabelsAreDrawnEvenForFewerThanTenSamples) {
    const QImage canvas = Canvas(FlatRecording({0, 0, 0}));
    for (int i = 0; i < 10; ++i) {
        const int x = kW * i / 10 + 35;
        EXPECT_GT(CountNonWhite(canvas, QRect(x, kH + 20, 40, 9)), 10) << "date " << i;
        EXPECT_GT(CountNonWhite(canvas, QRect(x, kH + 30, 35, 9)), 10) << "time " << i;
    }
}

TEST(ChartDrawing, HoverDrawsAMarkerAndALabelBesideIt) {
    const Recording recording = FlatRecording(std::vector<std::int32_t>(50, 0));
    ChartPointerState pointer;
    pointer.hoverOn = true;
    pointer.hoverX = kPlotRect.left + 100;
    pointer.hoverY = kPlotRect.top + 100;
    const QImage canvas = Canvas(recording, pointer);
    EXPECT_GT(CountPixels(canvas, QRect(135, 20, 1, kH), kHoverPixel), kH / 4);
    // Room on the right and below: the label lies right of the marker, below the mouse.
    EXPECT_GT(CountNonWhite(canvas, QRect(137, 135, 98, 70)), 50);
    EXPECT_EQ(CountNonWhite(canvas, QRect(37, 135, 97, 70)) -
                  CountPixels(canvas, QRect(37, 135, 97, 70), qRgb(128, 128, 128)),
              0);

    // Near the right and bottom edges the label moves to the left and above.
    pointer.hoverX = kPlotRect.right - 20;
    pointer.hoverY = kPlotRect.bottom - 20;
    const QImage corner = Canvas(recording, pointer);
    const int dx = pointer.hoverX - kPlotRect.left;
    const int dy = pointer.hoverY - kPlotRect.top;
    EXPECT_GT(CountNonWhite(corner, QRect(dx - 63, dy - 30, 97, 50)), 50);
}

TEST(ChartDrawing, AMarkerBeyondTheRecordShowsNoLabel) {
    // A view left over from a longer record: the marker at x 700 points at sample 90 of 50.
    Recording recording = FlatRecording(std::vector<std::int32_t>(50, 0));
    recording.record.summary.viewLast = 100;
    ChartPointerState pointer;
    pointer.hoverOn = true;
    pointer.hoverX = kPlotRect.left + 700;
    pointer.hoverY = kPlotRect.top + 100;
    const QImage withMarker = Canvas(recording, pointer);
    const QImage without = Canvas(recording);
    int differences = 0;
    for (int y = 0; y < without.height(); ++y)
        for (int x = 0; x < without.width(); ++x)
            differences += x != 735 && withMarker.pixel(x, y) != without.pixel(x, y);
    EXPECT_EQ(differences, 0);
    EXPECT_GT(CountPixels(withMarker, QRect(735, 20, 1, kH), kHoverPixel), kH / 4);
}

TEST(ChartImage, TheCaptureHoldsTheCanvasAtOneOneInBlueGreenRedOrder) {
    const Recording recording = FlatRecording({0, 1, 0, -1, 0});
    const ChartLayout layout = LayoutChart(recording);
    const ChartScene scene{recording, layout};
    const ChartPixels first = RenderChartImage(scene);
    const ChartPixels second = RenderChartImage(scene);
    ASSERT_EQ(first.bgr.size(), kChartImageBytes);
    EXPECT_EQ(first.bgr, second.bgr);

    const QImage canvas = RenderChartCanvas(scene);
    const auto pixelAt = [&first](int x, int y) {
        const std::size_t offset =
            kChartImageRowBytes * static_cast<std::size_t>(y) + 3 * static_cast<std::size_t>(x);
        return qRgb(first.bgr[offset + 2], first.bgr[offset + 1], first.bgr[offset]);
    };
    int differences = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            differences += pixelAt(x + 1, y + 1) != canvas.pixel(x, y);
    EXPECT_EQ(differences, 0);
    // The red swatch, byte by byte.
    const std::size_t swatch = kChartImageRowBytes * 11 + 3 * 266;
    EXPECT_EQ(first.bgr[swatch], 0);
    EXPECT_EQ(first.bgr[swatch + 1], 0);
    EXPECT_EQ(first.bgr[swatch + 2], 255);
    // What the canvas leaves uncovered is white.
    for (int x = 0; x < kChartImageWidth; ++x) {
        EXPECT_EQ(pixelAt(x, 0), kWhitePixel);
        EXPECT_EQ(pixelAt(x, kChartImageHeight - 1), kWhitePixel);
    }
    for (int y = 0; y < kChartImageHeight; ++y) {
        EXPECT_EQ(pixelAt(0, y), kWhitePixel);
        EXPECT_EQ(pixelAt(kChartImageWidth - 1, y), kWhitePixel);
    }
}

}  // namespace
}  // namespace velka
