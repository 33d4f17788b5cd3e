// The application's look: the pages' label rectangles hold their texts in the UI font,
// Chinese texts find a font, and Qt speaks English (United States) whatever the desktop's
// language (the test runs with LANG=de_DE.UTF-8).

#include "ui/kit/application_look.h"

#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

namespace velka {
namespace {

enum Control { Label, Button, Radio };

struct PageText {
    const char* text;
    int width;
    int height;
    Control control;
};

// The tightest texts of the parameter, history and record table pages in their rectangles.
// Left out: the history page's 70-pixel paging buttons "<< Home page" and "< Previous page",
// which need 73 and 80 pixels at this size and hold their texts only at 9 pixels.
const PageText kPageTexts[] = {
    {"Parameter setting", 100, 16, Label},
    {"Specification Model", 95, 16, Label},
    {"Shipment Number", 95, 16, Label},
    {"Product Batch Number", 125, 16, Label},
    {"*Receiving Company", 110, 16, Label},
    {"* For Required Projects", 120, 16, Label},
    {"Transport Information", 120, 16, Label},
    {"day", 20, 16, Label},
    {"℃", 16, 16, Label},
    {"Next page >", 70, 26, Button},
    {"Last page >>", 70, 26, Button},
    {"Date Of Delivery", 100, 22, Radio},
    {"Receiving Company", 120, 22, Radio},
    {"Start Query Time：", 100, 16, Label},
    {"< previous Page", 90, 30, Button},
    {"Query Start Time：", 90, 16, Label},
    {"Query End time：", 90, 16, Label},
    {"Temperature Max(℃)：", 130, 16, Label},
};

// The room a control leaves for its text, as the application's style lays it out.
QRect TextRoom(const PageText& item) {
    const QRect rect(0, 0, item.width, item.height);
    if (item.control == Label) {
        return rect;
    }
    QStyleOptionButton option;
    option.rect = rect;
    option.text = QString::fromUtf8(item.text);
    option.fontMetrics = QFontMetrics(QApplication::font());
    const bool radio = item.control == Radio;
    return QApplication::style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option);
}

TEST(ApplicationLook, ThePagesRectanglesHoldTheirTexts) {
    const QFontInfo resolved(QApplication::font());
    if (resolved.family() != QStringLiteral("Liberation Sans")) {
        GTEST_SKIP() << "Liberation Sans is not installed (scripts/setup installs it)";
    }
    EXPECT_EQ(QApplication::font().pixelSize(), 11);
    const QFontMetrics metrics(QApplication::font());
    for (const PageText& item : kPageTexts) {
        const QString text = QString::fromUtf8(item.text);
        const QRect room = TextRoom(item);
        // The ink: a full-width colon's advance carries blank space that may be cut.
        const QRect ink = metrics.tightBoundingRect(text);
        EXPECT_LE(ink.right() + 1, room.width()) << item.text;
        EXPECT_LE(metrics.height(), item.height) << item.text;
    }
}

TEST(ApplicationLook, ChineseTextsFindAFont) {
    QTextLayout layout(QString::fromUtf8("XXX温度记录软件"), QApplication::font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool chineseShown = false;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QString family = run.rawFont().familyName();
        for (const quint32 glyph : run.glyphIndexes()) {
            EXPECT_NE(glyph, 0u) << "a missing glyph in " << family.toStdString();
        }
        chineseShown |=
            family.contains(QStringLiteral("CJK")) || family.contains(QStringLiteral("WenQuanYi"));
    }
    if (!chineseShown) {
        GTEST_SKIP() << "no CJK font installed (scripts/setup installs fonts-noto-cjk)";
    }
}

TEST(ApplicationLook, QtSpeaksEnglishAndNumbersStayInTheCLocale) {
    EXPECT_EQ(QLocale().name(), QStringLiteral("en_US"));
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1,234.5"));
    EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
    char number[16];
    std::snprintf(number, sizeof number, "%.1f", 5.1);
    EXPECT_STREQ(number, "5.1");

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    SetStandardButtonTexts(box);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace velka
