// The skin's pictures as built into velka_widgets: every id of the window at its size and at
// twice that size, the window's shape in bitmap 129, texts readable on the page backgrounds,
// a visible pressed state, and the page background painters. Structure only: the pictures are
// drawn with a font, so exact pixels may differ from one machine's rendering to the next.

#include "temp_dir.h"
#include "ui/kit/page_background.h"
#include "ui/kit/skin_bitmaps.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>

namespace velka {
namespace {

struct ListedBitmap {
    int id;
    QSize size;
};

// The window's bitmaps and their sizes.
const ListedBitmap kListedBitmaps[] = {
    {129, {1024, 768}}, {130, {86, 86}},   {131, {86, 86}}, {132, {86, 86}}, {133, {86, 86}},
    {144, {86, 86}},    {145, {86, 86}},   {146, {86, 86}}, {147, {86, 86}}, {148, {86, 86}},
    {149, {86, 86}},    {150, {86, 86}},   {151, {86, 86}}, {152, {86, 86}}, {153, {86, 86}},
    {154, {38, 38}},    {155, {38, 38}},   {156, {38, 38}}, {175, {38, 38}}, {176, {38, 38}},
    {158, {860, 700}},  {159, {860, 700}}, {160, {51, 51}}, {161, {51, 51}}, {166, {51, 51}},
    {167, {51, 51}},    {168, {51, 51}},   {169, {51, 51}}, {170, {51, 51}}, {171, {51, 51}},
    {173, {51, 51}},    {174, {51, 51}},   {162, {44, 45}}, {163, {44, 45}}, {164, {44, 45}},
    {165, {44, 45}},    {172, {884, 768}}, {177, {96, 53}}, {178, {96, 53}}, {180, {32, 32}},
    {181, {32, 32}},    {182, {32, 32}},   {183, {32, 32}},
};

TEST(SkinBitmaps, EveryBitmapLoadsAtItsSizeAndTwiceThat) {
    for (const ListedBitmap& bitmap : kListedBitmaps) {
        SCOPED_TRACE(bitmap.id);
        EXPECT_EQ(SkinBitmapImage(bitmap.id).size(), bitmap.size);

        const QPixmap normal = SkinBitmap(bitmap.id, 1.0);
        EXPECT_EQ(normal.size(), bitmap.size);
        EXPECT_EQ(normal.devicePixelRatio(), 1.0);

        const QPixmap sharp = SkinBitmap(bitmap.id, 1.5);
        EXPECT_EQ(sharp.size(), bitmap.size * 2);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
        EXPECT_EQ(sharp.deviceIndependentSize().toSize(), bitmap.size);
    }
    for (const int missing : {0, 128, 157, 179, -1}) {
        EXPECT_TRUE(SkinBitmap(missing).isNull()) << missing;
        EXPECT_TRUE(SkinBitmapImage(missing).isNull()) << missing;
    }
}

bool IsBlack(QRgb pixel) {
    return (pixel & 0xffffff) == 0;
}

TEST(SkinBitmaps, TheWindowBackgroundHasRoundedCornersAndNoHoles) {
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage image = SkinBitmap(129, ratio).toImage();
        const int w = image.width();
        const int h = image.height();
        const int corner = static_cast<int>(3 * ratio);
        for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1),
                               QPoint(w - 1, h - 1), QPoint(corner, 0), QPoint(0, corner)}) {
            EXPECT_TRUE(IsBlack(image.pixel(p))) << p.x() << "," << p.y();
        }
        // Black is outside: any black pixel inside would cut a hole into the window.
        const int inset = static_cast<int>(16 * ratio);
        int holes = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool inCornerSquare =
                    (x < inset || x >= w - inset) && (y < inset || y >= h - inset);
                holes += !inCornerSquare && IsBlack(image.pixel(x, y));
            }
        }
        EXPECT_EQ(holes, 0);
    }
}

double Luminance(QRgb pixel) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
           0.0722 * channel(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(SkinBitmaps, TextsStayReadableOnThePageBackgrounds) {
    struct Case {
        const char* name;
        int id;
        QRect textArea;  // in page coordinates (860 x 700)
        QRgb textColor;
    };
    const QRect wholePage(0, 0, 860, 700);
    const Case cases[] = {
        {"history page's white labels", 159, wholePage, qRgb(255, 255, 255)},
        {"dark labels of the table and chart pages", 159, wholePage, qRgb(0, 0, 0)},
        {"system page's white information", 158, QRect(0, 580, 860, 40), qRgb(255, 255, 255)},
        {"parameter page's labels", 172, wholePage, qRgb(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage page(wholePage.size(), QImage::Format_RGB32);
        QPainter painter(&page);
        if (c.id == kContentPageBitmap) {
            PaintPageBackground(painter, wholePage);
        } else {
            PaintSkinBackground(painter, wholePage, c.id);
        }
        painter.end();
        double worst = 21.0;
        for (int y = c.textArea.top(); y <= c.textArea.bottom(); ++y) {
            for (int x = c.textArea.left(); x <= c.textArea.right(); ++x) {
                worst = std::min(worst, Contrast(page.pixel(x, y), c.textColor));
            }
        }
        EXPECT_GE(worst, 4.5);
    }
}

// The share of pixels whose colour differs between two pictures of one size.
double ChangedShare(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int difference = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
            changed += difference > 60;
        }
    }
    return static_cast<double>(changed) / (a.width() * a.height());
}

TEST(SkinBitmaps, PressedAndSelectedPicturesStandOut) {
    // {at rest, pressed or selected}
    const std::pair<int, int> pairs[] = {
        {150, 151}, {144, 145}, {132, 133}, {152, 153}, {148, 149}, {146, 147},
        {130, 131}, {155, 154}, {155, 156}, {175, 176}, {166, 167}, {160, 161},
        {168, 169}, {170, 171}, {174, 173}, {162, 163}, {164, 165},
    };
    for (const auto& [atRest, pressed] : pairs) {
        EXPECT_GT(ChangedShare(SkinBitmapImage(atRest), SkinBitmapImage(pressed)), 0.5)
            << atRest << " / " << pressed;
    }
}

// The committed pictures come from the generator: a drawing changed without regenerating
// (or a picture edited by hand) differs in far more pixels than font rendering does from one
// machine to the next.
TEST(SkinBitmaps, TheCommittedPicturesAreWhatTheGeneratorDraws) {
    const testing::TempDir folder;
    const QString out = QString::fromStdString(folder.Path().string());
    QProcess generator;
    generator.start(QStringLiteral(VELKA_SKIN_ART_PATH), {out});
    ASSERT_TRUE(generator.waitForFinished(60000));
    const QByteArray errors = generator.readAllStandardError();
    if (generator.exitCode() != 0 && errors.contains("font")) {
        GTEST_SKIP() << errors.toStdString();
    }
    ASSERT_EQ(generator.exitCode(), 0) << errors.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 2 * std::size(kListedBitmaps));
    for (const ListedBitmap& bitmap : kListedBitmaps) {
        for (const char* suffix : {"", "@2x"}) {
            const QString name = QStringLiteral("bitmap-%1%2.png").arg(bitmap.id).arg(suffix);
            SCOPED_TRACE(name.toStdString());
            const QImage drawn(out + u'/' + name);
            const QImage committed(QStringLiteral(":/skin/") + name);
            ASSERT_EQ(drawn.size(), committed.size());
            EXPECT_LT(ChangedShare(drawn, committed), 0.02);
        }
    }
}

}  // namespace
}  // namespace velka
