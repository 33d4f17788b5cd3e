// Tests of widgets, pages and the window run in one QApplication on the offscreen platform, in
// the program's own look, with English (United States) as the system locale (whose short date
// the date pickers show) and numbers in the C locale. Home and the XDG folders point into a
// temporary folder: Qt's file dialog keeps its state there, and tests never touch the user's
// home.

#include "services/numeric_locale.h"
#include "temp_dir.h"
#include "ui/kit/application_look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const velka::testing::TempDir home;
    const QByteArray homePath = QByteArray::fromStdString(home.Path().string());
    qputenv("HOME", homePath);
    qputenv("XDG_CONFIG_HOME", homePath + "/config");
    qputenv("XDG_CACHE_HOME", homePath + "/cache");
    qputenv("XDG_DATA_HOME", homePath + "/data");
    qputenv("XDG_RUNTIME_DIR", homePath);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "en_US.UTF-8");
    // The window's language follows the system's preferred languages: English here too.
    qunsetenv("LANGUAGE");

    QApplication application(argc, argv);
    velka::RestoreCNumericLocale();
    velka::ApplyApplicationLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
