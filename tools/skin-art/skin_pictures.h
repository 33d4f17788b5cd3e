#pragma once
// Every picture of the window by its bitmap id: its size at 1x and how to draw it. The drawing
// is in the picture's own pixel coordinates; the caller scales the painter for 2x.

#include <QPainter>
#include <QSize>
#include <functional>
#include <vector>

namespace velka::skin_art {

struct SkinPicture {
    int bitmapId;
    QSize size;
    bool translucent;  // rounded buttons: the parent's background shows at the corners
    std::function<void(QPainter&)> draw;
};

std::vector<SkinPicture> AllSkinPictures();

}  // namespace velka::skin_art
