#include "chart/chart_image.h"

#include <QPainter>
#include <cstring>

namespace velka {

ChartPixels RenderChartImage(const ChartScene& scene) {
    QImage picture(kChartImageWidth, kChartImageHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.translate(1, 1);
        DrawChart(painter, scene);
    }
    const QImage bgr = picture.convertToFormat(QImage::Format_BGR888);
    ChartPixels pixels;
    for (int row = 0; row < kChartImageHeight; ++row) {
        std::memcpy(pixels.bgr.data() + kChartImageRowBytes * static_cast<std::size_t>(row),
                    bgr.constScanLine(row), kChartImageRowBytes);
    }
    return pixels;
}

ChartPixels RenderReportChart(const Recording& recording, TemperatureUnit unit) {
    if (recording.record.samples.empty())
        return {};
    const Recording shown = ShownIn(recording, unit);
    const ChartLayout layout = LayoutChart(shown);
    return RenderChartImage(ChartScene{.recording = shown, .layout = layout, .unit = unit});
}

}  // namespace velka
