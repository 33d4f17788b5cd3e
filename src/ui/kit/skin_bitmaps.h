#pragma once
// The window's pictures by bitmap id (129 window background, 130-153 navigation buttons,
// 154-156 and 175-176 close and minimise, 158, 159 and 172 page backgrounds, 160-171 and
// 173-174 chart buttons, 177-178 system page buttons, 180-183 the message boxes' badges:
// information, question, warning, error), built into velka_widgets.

#include <QImage>
#include <QPixmap>

namespace velka {

// The picture for the screen: its listed size in device-independent pixels, drawn at twice
// that size (devicePixelRatio 2) when a screen of the application has a device pixel ratio
// above 1. A null pixmap when there is no picture of that id.
QPixmap SkinBitmap(int bitmapId);

// The same for a given device pixel ratio.
QPixmap SkinBitmap(int bitmapId, qreal devicePixelRatio);

// The picture at its listed size, pixel for pixel, for work on its pixels (the window's shape
// is computed from bitmap 129). A null image when there is no picture of that id.
QImage SkinBitmapImage(int bitmapId);

}  // namespace velka
