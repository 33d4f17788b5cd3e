#pragma once
// The seven pages of the main window and what the window asks of them: CreatePages()
// (main_window_pages.cpp) builds them and fills in the calls below.

#include "record/shown_forms.h"
#include "reports/report_target.h"
#include "storage/data_root.h"

#include <QWidget>
#include <filesystem>
#include <functional>

namespace velka {

class AcquisitionController;
class CDlgStatistics;
class CDlgSysInfo;
class Clock;
class LoggerTaskQueue;
class MessageService;
class SessionNotifier;
struct AppSettings;

// What a page may take by reference in its constructor.
struct PageServices {
    AcquisitionController& controller;
    SessionNotifier& notifier;
    MessageService& messages;
    const Clock& clock;
    const AppSettings& settings;
    const DataRoot& dataRoot;
    // Whatever talks to the logger runs through it, one task at a time (a settings write,
    // for instance), so that no plug-in is handled in the middle of it.
    LoggerTaskQueue& loggerTasks;
    std::filesystem::path helpIndex;
    KeptFiles keptFiles;
    // How the pages write numbers and dates: the language's forms, the fixed ones in English.
    ShownForms forms = kFixedForms;
    // The central archive the history may also ask (libpq's connection string); empty: none.
    std::string centralConnection;
};

struct MainWindowPages {
    // In the order the window creates them; all children of the page frame, 860 x 700. The
    // window knows the pages as widgets, but for the two whose signals it hears (the system
    // page's erase, the history's "show this recording on the chart"): each listens to the
    // session itself.
    CDlgSysInfo* system = nullptr;
    QWidget* parameters = nullptr;
    QWidget* chart = nullptr;
    QWidget* recordTable = nullptr;
    CDlgStatistics* history = nullptr;
    // The report pages hold the report paths and run the exports; they are never shown.
    QWidget* pdf = nullptr;
    QWidget* excel = nullptr;

    // The history page's RefreshHistory: the window calls it right after its first paint and
    // for the history button. After an arrival the session asks for it through
    // historyRefreshRequested, which the page hears itself. (A page that scanned already while
    // it is built would compete with the window's first paint.)
    std::function<void()> refreshHistory;
    // The two export buttons (1005, 1006): fill and run the save popup, then export.
    std::function<void()> savePdfReport;
    std::function<void()> saveExcelReport;
};

MainWindowPages CreatePages(const PageServices& services, QWidget* frame);

}  // namespace velka
