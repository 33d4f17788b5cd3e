// The window tests run inside one QApplication on Qt's offscreen platform, with the program's
// own look, so that they need no display.

#include "services/numeric_locale.h"
#include "widgets/application_look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velka::RestoreCNumericLocale();
    velka::ApplyApplicationLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
