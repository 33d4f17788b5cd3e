#include "app/app_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace velka {
namespace {

// The skin's accent and its deeper shade, for a tile that reads as the window's own.
const QColor kTileTop{0x2c, 0x6f, 0xae};
const QColor kTileBottom{0x22, 0x5a, 0x8f};
const QColor kMark{0xff, 0xff, 0xff};

constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace

QImage DrawApplicationIcon(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels, pixels);  // draw in a unit square

    QLinearGradient tile(0, 0, 0, 1);
    tile.setColorAt(0, kTileTop);
    tile.setColorAt(1, kTileBottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0.02, 0.02, 0.96, 0.96), 0.2, 0.2);

    // Small icons get thicker strokes so the thermometer still reads at 16 pixels.
    const double stroke = pixels <= 24 ? 0.10 : 0.07;
    QPen pen(kMark, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(0.40, 0.14, 0.18, 0.50), 0.09, 0.09);  // the stem
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMark);
    painter.drawEllipse(QPointF(0.49, 0.72), 0.15, 0.15);  // the bulb
    painter.drawRoundedRect(QRectF(0.46, 0.36, 0.06, 0.34), 0.03, 0.03);
    painter.setPen(pen);
    if (pixels > 24) {  // the scale marks
        for (const double y : {0.24, 0.36, 0.48})
            painter.drawLine(QPointF(0.67, y), QPointF(0.78, y));
    }
    return image;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int pixels : kIconSizes)
        icon.addPixmap(QPixmap::fromImage(DrawApplicationIcon(pixels)));
    return icon;
}

}  // namespace velka
