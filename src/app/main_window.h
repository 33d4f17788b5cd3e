#pragma once
// The program's one top-level window: borderless, 1024 x 768 at (0, 0), cut to the shape of its
// background picture, with seven navigation buttons on the left, close and minimise at the top
// right and one page at a time in the page frame. It owns the session (the acquisition
// controller and its notifier) and the pages, and runs the logger's hot-plug events inside its
// event loop.

#include "app/logger_task_queue.h"
#include "app/main_window_pages.h"
#include "central/central_uploader.h"
#include "config/central_setting.h"
#include "device/device_watcher.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "storage/reference_files.h"

#include <QPoint>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QMenu;
class QSocketNotifier;

namespace velka {

class CxSkinButton;
class DemoLogger;
struct AppSettings;

// What the window is given; everything must outlive it.
struct MainWindowServices {
    HidDeviceProvider& provider;
    MessageService& messages;
    const Clock& clock;
    DataRoot dataRoot;
    const LoadedReferenceTables& tables;
    const AppSettings& settings;
    std::filesystem::path helpIndex;
    // The system's hot-plug events; null or unavailable: none (tests, demo mode).
    DeviceWatcher* watcher = nullptr;
    // Demo mode: the emulated logger that the background menu plugs in and out.
    DemoLogger* demoLogger = nullptr;
    // Files besides the data root's that no report may replace.
    std::filesystem::path settingsFile = {};
    std::filesystem::path referenceFolder = {};
    // How the pages write numbers and dates (LanguageCatalogues::Forms).
    ShownForms forms = kFixedForms;
    // config.ini's "Central Archive" and "Site": uploads in the background when one is named.
    CentralSetting central = {};
};

class CVelkaDlg final : public QWidget {
    Q_OBJECT
public:
    enum class Page { System, Parameters, Chart, RecordTable, History, Pdf, Excel };

    // Control ids of the buttons.
    static constexpr int kSystemButton = 1000;
    static constexpr int kParametersButton = 1001;
    static constexpr int kChartButton = 1002;
    static constexpr int kRecordTableButton = 1003;
    static constexpr int kHistoryButton = 1004;
    static constexpr int kPdfButton = 1005;
    static constexpr int kExcelButton = 1006;
    static constexpr int kCloseButton = 1008;
    static constexpr int kMinimiseButton = 1063;

    explicit CVelkaDlg(const MainWindowServices& services, QWidget* parent = nullptr);
    ~CVelkaDlg() override;

    AcquisitionController& Controller() { return controller_; }
    SessionNotifier& Notifier() { return notifier_; }
    LoggerTaskQueue& LoggerTasks() { return loggerTasks_; }
    const MainWindowPages& Pages() const { return pages_; }
    QWidget* PageWidget(Page page) const;
    QWidget* PageFrame() const { return pageFrame_; }
    CxSkinButton* Button(int controlId) const;

    // Makes one page visible and hides the six others.
    void ShowPage(Page page);
    std::optional<Page> VisiblePage() const;

    // Hot-plug events from any source, handled one after another: an event that arrives while
    // a sequence runs (in a notice's event loop) waits until it has ended.
    void HandleDeviceEvents(const std::vector<DeviceEvent>& events);

    // The background's context menu: the about box, and in demo mode the demo logger.
    QMenu* CreateBackgroundMenu(QWidget* parent);
    void ShowAboutBox();

    bool StartUpDone() const { return startUpDone_; }

signals:
    // The start-up read and the first history refresh have run.
    void startUpFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct ButtonSpec;

    void CreateButtons();
    void ConnectSession();
    void StartUp();
    void OnNavigation(int controlId);
    void ShowChartFromHistory();
    void RefreshHistory();
    void EraseLogger();
    void ReadHotplugEvents();
    void PlugDemoLogger(bool plugged);
    void NewDemoRecording();
    // With a central archive named: the uploader, started after the first read, and the
    // system page's line on it.
    void StartCentralUploads();
    void ShowCentralStatus(const UploadStatus& status);

    const MainWindowServices services_;
    AcquisitionController controller_;
    SessionNotifier notifier_;
    LoggerTaskQueue loggerTasks_;
    QSocketNotifier* hotplugNotifier_ = nullptr;
    QWidget* pageFrame_ = nullptr;
    MainWindowPages pages_;
    std::vector<std::pair<int, CxSkinButton*>> buttons_;

    bool startUpScheduled_ = false;
    bool startUpDone_ = false;
    // Moving the window by the mouse's travel, where the platform cannot move it itself.
    std::optional<QPoint> dragOffset_;
    // Last: its thread ends first, before anything its reports reach is destroyed.
    std::unique_ptr<CentralUploader> uploader_;
};

}  // namespace velka
