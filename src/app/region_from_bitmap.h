#pragma once
// The shape of the main window from its background picture: every pixel belongs to the window
// unless it is exactly black.

#include <QImage>
#include <QRect>
#include <QRegion>
#include <vector>

namespace velka {

// The runs of non-black pixels of each row, one rectangle of height 1 per run, in row order
// and left to right. A run still open at the last column ends at the right edge whatever that
// column's colour, as the window's shape always did.
std::vector<QRect> RowRunsOfBitmap(const QImage& bitmap);

// The union of those runs. An empty or null image gives an empty region.
QRegion RegionFromBitmap(const QImage& bitmap);

}  // namespace velka
