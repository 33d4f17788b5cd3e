// velka-skin-art OUTPUT_FOLDER: draws every picture of the window into OUTPUT_FOLDER as
// bitmap-<id>.png at its listed size and bitmap-<id>@2x.png at twice that size.

#include "skin_pictures.h"
#include "ui/kit/skin_look.h"

#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <cstdio>

namespace {

QImage Render(const velka::skin_art::SkinPicture& picture, int scale) {
    QImage image(picture.size * scale,
                 picture.translucent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(picture.translucent ? Qt::transparent : Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    picture.draw(painter);
    painter.end();
    // A picture without alpha is stored as plain RGB.
    return picture.translucent ? image.convertToFormat(QImage::Format_ARGB32)
                               : image.convertToFormat(QImage::Format_RGB888);
}

bool Save(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    writer.setQuality(0);  // smallest file: PNG is lossless at any level
    if (!writer.write(image)) {
        std::fprintf(stderr, "velka-skin-art: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velka-skin-art OUTPUT_FOLDER\n");
        return 2;
    }
    // The words on the pictures must come out in the one font they were laid out for.
    const QFontInfo font(velka::skin_art::WordFont(12));
    if (font.family() != QLatin1String(velka::skin_art::kFontFamily)) {
        std::fprintf(stderr, "velka-skin-art: font %s missing (install fonts-liberation2)\n",
                     velka::skin_art::kFontFamily);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "velka-skin-art: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const auto& picture : velka::skin_art::AllSkinPictures()) {
        const QString name = QStringLiteral("bitmap-%1").arg(picture.bitmapId);
        if (!Save(Render(picture, 1), folder.filePath(name + QStringLiteral(".png"))) ||
            !Save(Render(picture, 2), folder.filePath(name + QStringLiteral("@2x.png")))) {
            return 1;
        }
    }
    return 0;
}
