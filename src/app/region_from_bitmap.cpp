#include "app/region_from_bitmap.h"

namespace velka {
namespace {

bool IsBlack(QRgb pixel) {
    return (pixel & 0x00FFFFFFu) == 0;
}

}  // namespace

std::vector<QRect> RowRunsOfBitmap(const QImage& bitmap) {
    std::vector<QRect> runs;
    if (bitmap.isNull())
        return runs;
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int start = -1;
        for (int x = 0; x < width; ++x) {
            const bool black = IsBlack(row[x]);
            if (start < 0 && !black)
                start = x;
            if (start < 0)
                continue;
            if (x == width - 1) {
                runs.emplace_back(QPoint(start, y), QPoint(width - 1, y));
                start = -1;
            } else if (black) {
                runs.emplace_back(QPoint(start, y), QPoint(x - 1, y));
                start = -1;
            }
        }
    }
    return runs;
}

QRegion RegionFromBitmap(const QImage& bitmap) {
    const std::vector<QRect> runs = RowRunsOfBitmap(bitmap);
    // Rows whose runs are the same as the row above's grow that row's rectangles downwards: a
    // 1024 x 768 picture with rounded corners becomes a few dozen bands instead of a union of
    // thousands of one-pixel rows.
    std::vector<QRect> bands;
    std::size_t previousBand = 0;  // first rectangle of the band above
    std::size_t i = 0;
    while (i < runs.size()) {
        std::size_t rowEnd = i;
        while (rowEnd < runs.size() && runs[rowEnd].top() == runs[i].top())
            ++rowEnd;
        const std::size_t rowCount = rowEnd - i;
        bool extends = !bands.empty() && bands.size() - previousBand == rowCount &&
                       bands[previousBand].bottom() + 1 == runs[i].top();
        for (std::size_t k = 0; extends && k < rowCount; ++k)
            extends = bands[previousBand + k].left() == runs[i + k].left() &&
                      bands[previousBand + k].right() == runs[i + k].right();
        if (extends) {
            for (std::size_t k = 0; k < rowCount; ++k)
                bands[previousBand + k].setBottom(runs[i].top());
        } else {
            previousBand = bands.size();
            bands.insert(bands.end(), runs.begin() + static_cast<std::ptrdiff_t>(i),
                         runs.begin() + static_cast<std::ptrdiff_t>(rowEnd));
        }
        i = rowEnd;
    }
    QRegion region;
    // The bands are sorted by top then left, do not overlap, share one height per top and never
    // touch side by side (two runs of a row are parted by a black pixel): the form setRects wants.
    region.setRects(bands.data(), static_cast<int>(bands.size()));
    return region;
}

}  // namespace velka
