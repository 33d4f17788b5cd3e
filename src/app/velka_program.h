#pragma once
// The window program from start to end, once the options are read and the QApplication exists:
// the single-instance lock first (a second copy only warns and ends), then the settings, the
// session, the window and its event loop, and at the end the shutdown in its fixed order with
// the settings written last.

#include "app/app_options.h"
#include "app/app_paths.h"
#include "services/translation.h"

#include <functional>

namespace velka {

class CVelkaDlg;
class MessageService;

inline constexpr UiText kAlreadyRunningText =
    VELKA_TEXT("MainWindow", "Application is already running, please do not open again!");

// The exit status. `windowCreated` runs once the main window exists, before it is shown (the
// message boxes take it as their parent).
int RunVelka(const AppOptions& options, const AppEnvironment& environment, MessageService& messages,
             const std::function<void(CVelkaDlg&)>& windowCreated = {});

}  // namespace velka
