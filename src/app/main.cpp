// velka: the window program. --help and --version answer without a display.

#include "app/app_options.h"
#include "app/main_window.h"
#include "app/qt_message_service.h"
#include "app/velka_program.h"
#include "services/numeric_locale.h"
#include "ui/kit/application_look.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    using namespace velka;
    const auto parsed = ParseAppOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<OptionsError>(&parsed)) {
        std::cerr << "velka: " << error->message << '\n' << AppUsage();
        return 2;
    }
    const AppOptions& options = std::get<AppOptions>(parsed);
    if (options.help) {
        std::cout << AppUsage();
        return 0;
    }
    if (options.version) {
        std::cout << kVersionText << '\n';
        return 0;
    }

    QApplication application(argc, argv);
    RestoreCNumericLocale();
    ApplyApplicationLook(application);
    QApplication::setApplicationName(QStringLiteral("Velka"));
    QApplication::setDesktopFileName(QStringLiteral("velka"));

    QtMessageService messages;
    return RunVelka(options, AppEnvironment::OfProcess(), messages,
                    [&messages](CVelkaDlg& window) { messages.SetParentWindow(&window); });
}
