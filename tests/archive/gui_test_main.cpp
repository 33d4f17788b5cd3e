// The page tests drive real widgets on Qt's offscreen platform, in the program's own look:
// they never need a display.

#include "widgets/application_look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velka::ApplyApplicationLook(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
