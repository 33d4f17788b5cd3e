#pragma once
// The one sans-serif font of the window and of the chart wherever it is drawn (window, reports,
// velka-cli): Liberation Sans or its metric twins for the letters, so that Latin texts never
// fall through to a wider face, and a CJK face for the glyphs they lack ("℃", "温度记录").

#include <QFont>
#include <QString>
#include <QStringList>

namespace velka {

inline QFont SansFont(int pixels) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Arial"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace velka
