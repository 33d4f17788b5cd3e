#pragma once
// The program's icon: a white thermometer on a tile of the window's accent blue, drawn at any
// size. The window uses it, the about box shows it, and the build writes it out as the PNG
// files that the desktop entry names.

#include <QIcon>
#include <QImage>

namespace velka {

// The icon drawn into a square of `pixels` (transparent around the tile's rounded corners).
QImage DrawApplicationIcon(int pixels);

// Drawn at the sizes desktops ask for (16 to 256 pixels).
QIcon ApplicationIcon();

}  // namespace velka
