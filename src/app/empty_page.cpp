#include "app/empty_page.h"

#include "app/page_geometry.h"
#include "widgets/page_background.h"

#include <QPainter>

namespace velka {

EmptyPage::EmptyPage(int backgroundBitmapId, QWidget* parent)
    : QWidget(parent), backgroundBitmapId_(backgroundBitmapId) {
    setFixedSize(kPageSize);
}

void EmptyPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintSkinBackground(painter, rect(), backgroundBitmapId_);
}

}  // namespace velka
