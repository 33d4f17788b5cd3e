// Writes the program's icon as DIR/NxN/apps/velka.png for each size given, for the desktop
// entry: velka-icon-writer DIR SIZE...

#include "app/app_icon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: velka-icon-writer DIR SIZE...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int pixels = std::stoi(argv[i]);
        const QString size = QStringLiteral("%1x%1").arg(pixels);
        const QString apps = folder + "/" + size + "/apps";
        if (!QDir().mkpath(apps) ||
            !velka::DrawApplicationIcon(pixels).save(apps + "/velka.png", "PNG")) {
            std::fprintf(stderr, "velka-icon-writer: cannot write %s/velka.png\n",
                         apps.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
