// The page tests run in one QApplication on the offscreen platform, with the window's look:
// Fusion and 11 px Liberation Sans, the font the page's label rectangles are measured for;
// the system locale English (United States).
#include "services/numeric_locale.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The date pickers show the system locale's short date: English (United States) here,
    // whatever the machine's.
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication application(argc, argv);
    velka::RestoreCNumericLocale();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(11);
    QApplication::setFont(font);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
