#include "ui/kit/skin_bitmaps.h"

#include <QGuiApplication>
#include <QPixmapCache>

namespace velka {
namespace {

// Pages repaint their background often (the chart on every mouse move), so decoded pictures
// stay in Qt's pixmap cache. Its default 10 MB would not hold the backgrounds together (a 1x
// background alone is 2.4 MB decoded, 2x is four times that).
constexpr int kSkinCacheKb = 64 * 1024;

QString ResourcePath(int bitmapId, int scale) {
    return scale == 1 ? QStringLiteral(":/skin/bitmap-%1.png").arg(bitmapId)
                      : QStringLiteral(":/skin/bitmap-%1@%2x.png").arg(bitmapId).arg(scale);
}

}  // namespace

QPixmap SkinBitmap(int bitmapId) {
    return SkinBitmap(bitmapId, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap SkinBitmap(int bitmapId, qreal devicePixelRatio) {
    const int scale = devicePixelRatio > 1.0 ? 2 : 1;
    const QString key = QStringLiteral("velka-skin-%1@%2").arg(bitmapId).arg(scale);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    if (!pixmap.load(ResourcePath(bitmapId, scale))) {
        return {};
    }
    pixmap.setDevicePixelRatio(scale);
    if (QPixmapCache::cacheLimit() < kSkinCacheKb) {
        QPixmapCache::setCacheLimit(kSkinCacheKb);
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QImage SkinBitmapImage(int bitmapId) {
    return QImage(ResourcePath(bitmapId, 1));
}

}  // namespace velka
