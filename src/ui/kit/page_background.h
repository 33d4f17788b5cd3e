#pragma once
// The backgrounds of the pages, painted from their pictures stretched over the page:
//  - 159, the content pages (chart, record table, history, reports): a calm mid-tone on which
//    white labels (the history page's query controls) and the default dark labels both keep a
//    contrast of at least 4.5:1;
//  - 158, the system page: dark, for its white information text;
//  - 172, the parameter page: light cards behind its three sections, for dark labels.
// A page calls one of these from its paintEvent.

#include <QPainter>
#include <QRect>

namespace velka {

inline constexpr int kContentPageBitmap = 159;
inline constexpr int kSystemPageBitmap = 158;
inline constexpr int kParameterPageBitmap = 172;

// The content pages' background (bitmap 159) stretched over rect (the page's client area).
void PaintPageBackground(QPainter& painter, const QRect& rect);

// Any background picture stretched over rect; nothing is painted for an unknown id.
void PaintSkinBackground(QPainter& painter, const QRect& rect, int bitmapId);

}  // namespace velka
