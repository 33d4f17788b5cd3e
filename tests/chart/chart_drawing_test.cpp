#include "chart/chart_image.h"
#include "record/string_format.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <tuple>

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

TEST(ChartDrawing, AtTheNarrowestZoomEachSampleHasItsOwnLabelCentredUnderItsTick) {
    Recording recording = FlatRecording(std::vector<std::int32_t>(40, 0));
    recording.record.summary.viewFirst = 20;  // samples 20 at 0 and 21 at 386, 22 on the edge
    recording.record.summary.viewLast = 22;
    const std::vector<TimeLabel> labels = TimeLabels(recording, LayoutChart(recording));
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].timeOfDay + labels[1].timeOfDay, "01:40:0001:45:00");
    const QImage canvas = Canvas(recording);
    for (const int x : {0, 386}) {
        EXPECT_EQ(canvas.pixel(35 + x, kH + 16), kBlackPixel) << x;  // the tick
        EXPECT_GT(CountNonWhite(canvas, QRect(35 + x - 20, kH + 20, 40, 19)), 40) << x;
    }
}

TEST(ChartDrawing, TheReadoutNumbersFromOneTheSampleItsMarkerRunsThrough) {
    // 50 samples, sample k at 773 k / 50 (the last at 757); zoomed to 10…12, the sample after
    // the window lies on the right edge and is marked on the frame.
    Recording recording = FlatRecording(std::vector<std::int32_t>(50, 0));
    const std::vector<std::tuple<int, int, int, std::string>> cases = {
        {0, 0, 1, "00:00:00"},      {7, 0, 1, "00:00:00"},      {8, 15, 2, "00:05:00"},
        {100, 92, 7, "00:30:00"},   {386, 386, 26, "02:05:00"}, {757, 757, 50, "04:05:00"},
        {772, 757, 50, "04:05:00"}, {772, 772, 13, "01:00:00"}};
    for (const auto& [dx, column, id, time] : cases) {
        recording.record.summary.viewFirst = id == 13 ? 10 : 0;
        recording.record.summary.viewLast = id == 13 ? 12 : 50;
        const ChartPointerState pointer{true, kPlotRect.left + dx, kPlotRect.top + 100};
        EXPECT_EQ(HoverLabelText(ChartScene{recording, LayoutChart(recording), pointer}),
                  StringPrintf("ID:%d\r\nTemp:5.5℃\r\nTime:2024-05-01\r\n", id) + time);
        const QImage canvas = Canvas(recording, pointer);
        EXPECT_GT(CountPixels(canvas, QRect(35 + column, 20, 1, kH), kHoverPixel), kH / 4) << dx;
    }
    // In °F: the shown recording's value, with its sign.
    recording.record.summary.viewFirst = 0;
    recording.record.summary.viewLast = 50;
    const Recording shown = ShownIn(recording, TemperatureUnit::Fahrenheit);
    const ChartScene scene{shown,
                           LayoutChart(shown),
                           {true, kPlotRect.left, kPlotRect.top + 100},
                           kPlotRect,
                           TemperatureUnit::Fahrenheit};
    EXPECT_EQ(HoverLabelText(scene), "ID:1\r\nTemp:41.9°F\r\nTime:2024-05-01\r\n00:00:00");
    // The page's forms in German: the readout and the time labels, which the reports keep fixed.
    ChartScene german = scene;
    german.forms = {",", "%d.%m.%Y"};
    EXPECT_EQ(HoverLabelText(german), "ID:1\r\nTemp:41,9°F\r\nTime:01.05.2024\r\n00:00:00");
    EXPECT_EQ(TimeLabels(shown, scene.layout, german.forms).front().date, "01.05.2024");
}

TEST(ChartDrawing, TheReadoutIsAnOpaqueBoxBesideTheMarkerInsideThePlot) {
    // Samples in alarm along canvas row 218, the upper limit (5 °C) along rows 233 to 235.
    const Recording recording = FlatRecording(std::vector<std::int32_t>(50, 1), 5);
    const QImage plain = Canvas(recording);
    for (const auto& [dx, dy, side] :
         {std::tuple{100, 170, QRect(128, 205, 100, 60)},  // right of the marker, below the mouse
          std::tuple{772, 427, QRect(640, 340, 152, 107)}}) {  // left and above in the corner
        const QImage canvas = Canvas(recording, {true, kPlotRect.left + dx, kPlotRect.top + dy});
        QRect box;  // what the readout changed
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                if (canvas.pixel(x, y) != plain.pixel(x, y) && canvas.pixel(x, y) != kHoverPixel)
                    box |= QRect(x, y, 1, 1);
        EXPECT_TRUE(side.contains(box) && box.width() > 50 && box.height() > 35) << dx;
        // Neither the curve nor the limit shows through (the first box covers both).
        EXPECT_EQ(CountPixels(canvas, box, kRedPixel), 0) << dx;
    }
}

TEST(ChartDrawing, NothingOfTheCurveLiesRightOfItsLastSample) {
    // A zig-zag between 2 and 9 °C, every third sample in alarm, the upper limit off the plot;
    // windows ending inside the record (the curve runs on to the frame) and at its end.
    Recording recording = FlatRecording(std::vector<std::int32_t>(40, 0), 50);
    for (std::int32_t i = 0; i < 40; ++i)
        recording.record.samples[i] = {i % 2 == 0 ? 2.0 : 9.0, i % 3 == 0 ? 1 : 0, i};
    for (const auto& [first, last] : std::vector<std::pair<std::int32_t, std::int32_t>>{
             {0, 40}, {10, 30}, {37, 40}, {20, 22}, {0, 2}, {5, 17}}) {
        recording.record.summary.viewFirst = first;
        recording.record.summary.viewLast = last;
        const QImage canvas = Canvas(recording);
        const auto curvePixels = [&](int left, int right) {
            const QRect columns(left, 21, std::max(right - left + 1, 0), kH - 2);
            return CountPixels(canvas, columns, kBlackPixel) +
                   CountPixels(canvas, columns, kRedPixel);
        };
        const int lastX = std::min(LayoutChart(recording).chartPoints.back().x, kW - 1) + 35;
        // Up to the frame, and just beyond it (the limit values start at kW + 37).
        EXPECT_EQ(curvePixels(lastX + 1, kW + 33) + curvePixels(kW + 35, kW + 36), 0) << first;
        EXPECT_EQ(curvePixels(kW + 33, kW + 33) > 0, last < 40) << first;
    }
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
