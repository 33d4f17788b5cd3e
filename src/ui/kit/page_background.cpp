#include "ui/kit/page_background.h"

#include "ui/kit/skin_bitmaps.h"

namespace velka {

void PaintPageBackground(QPainter& painter, const QRect& rect) {
    PaintSkinBackground(painter, rect, kContentPageBitmap);
}

void PaintSkinBackground(QPainter& painter, const QRect& rect, int bitmapId) {
    const QPixmap picture = SkinBitmap(bitmapId, painter.device()->devicePixelRatio());
    if (picture.isNull()) {
        return;
    }
    painter.save();
    // The parameter page's picture is larger than the page; smooth scaling keeps its edges
    // clean. At the listed size the copy is one to one.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          picture.deviceIndependentSize().toSize() != rect.size());
    painter.drawPixmap(rect, picture);
    painter.restore();
}

}  // namespace velka
