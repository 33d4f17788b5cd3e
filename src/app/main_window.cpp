#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/app_icon.h"
#include "app/app_settings.h"
#include "app/demo_logger.h"
#include "app/region_from_bitmap.h"
#include "audit/audit_log.h"
#include "central/central_status_text.h"
#include "central/workstation_id.h"
#include "config/analysis_settings.h"
#include "config/unit_setting.h"
#include "ui/kit/page_geometry.h"
#include "ui/kit/skin_bitmaps.h"
#include "ui/kit/skin_button.h"
#include "ui/kit/skin_look.h"
#include "ui/kit/ui_text.h"
#include "ui/pages/history_page.h"
#include "ui/pages/system_page.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace velka {
namespace {

constexpr int kBackgroundBitmap = 129;
constexpr QSize kNavigationButtonSize{86, 86};
constexpr QSize kWindowButtonSize{38, 38};
constexpr int kNavigationGroup = 1;
constexpr int kExportGroup = 2;
constexpr int kStartUpWithoutPaintMs = 1000;

// The frame the pages live in. Presses, drags and right clicks on a page's background stay on
// the page: they must not move the window or open the window's menu.
// While the session waits for a logger or the archive folder that another program holds, the
// window goes on painting; clicks wait until the session is done.
DeviceLinkOptions WindowLinkOptions() {
    DeviceLinkOptions options;
    options.waitForLogger = [](std::chrono::milliseconds duration) {
        QEventLoop loop;
        QTimer::singleShot(duration, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    };
    return options;
}

class PageFrameWidget final : public QWidget {
public:
    explicit PageFrameWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_NoMousePropagation);
    }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }
};

}  // namespace

struct CVelkaDlg::ButtonSpec {
    int controlId;
    QPoint position;
    std::array<int, 5> bitmaps;  // normal, down, over, disabled, focus
    bool pressShift;
    int radioGroup;       // 0: a push button
    UiText name;          // what a screen reader and the tooltip say
    UiText caption = {};  // the word under a navigation button's icon
};

CVelkaDlg::CVelkaDlg(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      services_(services),
      controller_(services.provider, services.messages, services.clock, services.dataRoot,
                  services.tables, services.settings.noticeTimeoutMs, WindowLinkOptions()),
      notifier_(controller_) {
    controller_.SetAnalysisChoice(services.settings.analysis);
    controller_.SetUnit(services.settings.unit);
    // The title also names the window for tools (X11 WM_NAME).
    setWindowTitle(QStringLiteral("Velka"));
    setWindowIcon(ApplicationIcon());

    // Hot-plug: the watcher's descriptor in this event loop.
    if (services.watcher != nullptr && services.watcher->Available()) {
        hotplugNotifier_ =
            new QSocketNotifier(services.watcher->FileDescriptor(), QSocketNotifier::Read, this);
        connect(hotplugNotifier_, &QSocketNotifier::activated, this, &CVelkaDlg::ReadHotplugEvents);
    }

    move(0, 0);
    setFixedSize(kMainWindowSize);
    // The shape, from the 1x picture that the first paint then finds in the pixmap cache on
    // most screens (decoding the picture is the dearest step before that paint). X11 shapes the
    // window itself with the mask. On Wayland a mask only limits where the window takes input,
    // so there the window is also translucent and paints nothing outside it; X11 needs no
    // 32-bit visual for that.
    const QRegion shape = RegionFromBitmap(SkinBitmap(kBackgroundBitmap, 1.0).toImage());
    if (!shape.isEmpty()) {
        if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland")))
            setAttribute(Qt::WA_TranslucentBackground);
        setMask(shape);
    }

    pageFrame_ = new PageFrameWidget(this);
    pageFrame_->setGeometry(QRect(kPageFramePosition, kPageSize));
    pages_ = CreatePages(
        PageServices{controller_, notifier_, services.messages, services.clock, services.settings,
                     services_.dataRoot, loggerTasks_, services.helpIndex,
                     KeptFiles{services.dataRoot, services.referenceFolder, services.settingsFile},
                     services.forms, services.central.connection},
        pageFrame_);
    for (const Page page : {Page::System, Page::Parameters, Page::Chart, Page::RecordTable,
                            Page::History, Page::Pdf, Page::Excel}) {
        if (QWidget* widget = PageWidget(page))
            widget->setGeometry(QRect(QPoint(0, 0), kPageSize));
    }

    CreateButtons();
    // What the program is, beside its name in the top bar (the picture holds the name).
    auto* subtitle = new QLabel(TrQ("MainWindow", "Temperature data logger"), this);
    subtitle->setGeometry(236, 4, 300, 34);
    subtitle->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    subtitle->setFont(skin_art::WordFont(13, false));
    subtitle->setStyleSheet(QStringLiteral("color: #b4c3d1; background: transparent;"));
    subtitle->setAttribute(Qt::WA_TransparentForMouseEvents);
    ConnectSession();
    Button(kSystemButton)->SetCheck(true);
    ShowPage(Page::System);
}

CVelkaDlg::~CVelkaDlg() {
    uploader_.reset();
    // The pages go first: they listen to the notifier and read the controller.
    delete pageFrame_;
}

void CVelkaDlg::CreateButtons() {
    static const ButtonSpec kButtons[] = {
        {kSystemButton,
         {28, 20},
         {150, 151, 151, 151, 151},
         false,
         kNavigationGroup,
         VELKA_TEXT("MainWindow", "System"),
         VELKA_TEXT("MainWindow", "System")},
        {kParametersButton,
         {28, 125},
         {144, 145, 145, 145, 145},
         false,
         kNavigationGroup,
         VELKA_TEXT("MainWindow", "Parameters"),
         VELKA_TEXT("MainWindow", "Parameters")},
        {kChartButton,
         {28, 230},
         {132, 133, 133, 133, 133},
         true,
         kNavigationGroup,
         VELKA_TEXT("MainWindow", "Chart"),
         VELKA_TEXT("MainWindow", "Chart")},
        {kRecordTableButton,
         {28, 335},
         {152, 153, 153, 153, 153},
         false,
         kNavigationGroup,
         VELKA_TEXT("MainWindow", "Table"),
         VELKA_TEXT("MainWindow", "Table")},
        {kHistoryButton,
         {30, 450},
         {148, 149, 149, 149, 149},
         false,
         kNavigationGroup,
         VELKA_TEXT("MainWindow", "History"),
         VELKA_TEXT("MainWindow", "History")},
        {kPdfButton,
         {28, 555},
         {146, 146, 147, 147, 147},
         false,
         kExportGroup,
         VELKA_TEXT("MainWindow", "Save PDF report"),
         VELKA_TEXT("MainWindow", "PDF")},
        {kExcelButton,
         {28, 660},
         {130, 130, 131, 131, 131},
         true,
         kExportGroup,
         VELKA_TEXT("MainWindow", "Save Excel workbook"),
         VELKA_TEXT("MainWindow", "Excel")},
        {kCloseButton,
         {980, 5},
         {155, 154, 156, 155, 155},
         true,
         0,
         VELKA_TEXT("MainWindow", "Close")},
        {kMinimiseButton,
         {935, 5},
         {175, 176, 175, 175, 175},
         true,
         0,
         VELKA_TEXT("MainWindow", "Minimize")},
    };
    // The seven buttons on the left answer Alt+1 … Alt+7, top to bottom.
    int shortcutDigit = 0;
    for (const ButtonSpec& spec : kButtons) {
        auto* button = new CxSkinButton(this, spec.radioGroup != 0 ? CxSkinButton::Kind::Radio
                                                                   : CxSkinButton::Kind::Push);
        button->SetRadioGroup(spec.radioGroup);
        const auto& b = spec.bitmaps;
        button->ApplySkin(b[0], b[1], b[2], b[3], b[4], spec.pressShift);
        button->setGeometry(
            QRect(spec.position, spec.radioGroup != 0 ? kNavigationButtonSize : kWindowButtonSize));
        // Tab reaches the buttons; a click does not take the focus, so the skin shows no focus
        // picture to whoever uses the mouse.
        button->setFocusPolicy(Qt::TabFocus);
        const QString name = TrQ(spec.name);
        button->setAccessibleName(name);
        if (spec.caption.source != nullptr) {
            // The word the picture leaves room for, under the icon, in the user's language.
            button->setText(TrQ(spec.caption));
            button->SetCaptionColor(skin_art::kTileText);
            button->SetCaptionLook(
                {QRect(0, 55, 86, 18), skin_art::WordFont(12), skin_art::kOnAccent});
        }
        buttons_.emplace_back(spec.controlId, button);
        const int controlId = spec.controlId;
        connect(button, &QAbstractButton::clicked, this,
                [this, controlId] { OnNavigation(controlId); });
        if (spec.radioGroup == 0) {
            button->setToolTip(name);
            continue;
        }
        ++shortcutDigit;
        const QKeySequence keys(Qt::ALT | static_cast<Qt::Key>(Qt::Key_0 + shortcutDigit));
        button->setToolTip(name + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                           QStringLiteral(")"));
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
    }
}

void CVelkaDlg::ConnectSession() {
    connect(pages_.history, &CDlgStatistics::chartPageRequested, this,
            &CVelkaDlg::ShowChartFromHistory);
    connect(pages_.system, &CDlgSysInfo::eraseConfirmed, this, &CVelkaDlg::EraseLogger);
    // The choice is kept at once, so that a velka-cli watching beside the window judges the
    // next logger by it; a file that cannot be written keeps it for this run only, as the other
    // settings.
    connect(&notifier_, &SessionNotifier::analysisChoiceChanged, this, [this] {
        if (!services_.settingsFile.empty())
            SaveAnalysisChoice(services_.settingsFile, controller_.Analysis());
    });
    // The unit too: velka-cli export beside the window makes its reports in it.
    connect(&notifier_, &SessionNotifier::temperatureUnitChanged, this, [this] {
        if (!services_.settingsFile.empty())
            SaveTemperatureUnit(services_.settingsFile, controller_.Unit());
    });
}

CxSkinButton* CVelkaDlg::Button(int controlId) const {
    for (const auto& [id, button] : buttons_) {
        if (id == controlId)
            return button;
    }
    return nullptr;
}

QWidget* CVelkaDlg::PageWidget(Page page) const {
    switch (page) {
    case Page::System:
        return pages_.system;
    case Page::Parameters:
        return pages_.parameters;
    case Page::Chart:
        return pages_.chart;
    case Page::RecordTable:
        return pages_.recordTable;
    case Page::History:
        return pages_.history;
    case Page::Pdf:
        return pages_.pdf;
    case Page::Excel:
        return pages_.excel;
    }
    return nullptr;
}

void CVelkaDlg::ShowPage(Page page) {
    // Hiding the page that holds the focus would hand it to the next control in the chain,
    // often a page button, whose focus look is its checked look: it would seem chosen too. The
    // focus goes on into the page shown instead, where the user is going.
    QWidget* focused = QApplication::focusWidget();
    QWidget* shown = PageWidget(page);
    const bool focusLeavesPage = focused != nullptr && pageFrame_->isAncestorOf(focused) &&
                                 (shown == nullptr || !shown->isAncestorOf(focused));
    if (focusLeavesPage)
        focused->clearFocus();
    for (const Page each : {Page::System, Page::Parameters, Page::Chart, Page::RecordTable,
                            Page::History, Page::Pdf, Page::Excel}) {
        if (QWidget* widget = PageWidget(each))
            widget->setVisible(each == page);
    }
    if (focusLeavesPage && shown != nullptr) {
        for (QWidget* next = shown->nextInFocusChain(); shown->isAncestorOf(next);
             next = next->nextInFocusChain()) {
            if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(shown) &&
                next->isEnabled() && next->focusProxy() == nullptr) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}

std::optional<CVelkaDlg::Page> CVelkaDlg::VisiblePage() const {
    for (const Page page :
         {Page::System, Page::Parameters, Page::Chart, Page::RecordTable, Page::History}) {
        const QWidget* widget = PageWidget(page);
        if (widget != nullptr && !widget->isHidden())
            return page;
    }
    return std::nullopt;
}

void CVelkaDlg::OnNavigation(int controlId) {
    switch (controlId) {
    case kSystemButton:
        ShowPage(Page::System);
        break;
    case kParametersButton:
        ShowPage(Page::Parameters);
        break;
    case kChartButton:
        ShowPage(Page::Chart);
        break;
    case kRecordTableButton:
        ShowPage(Page::RecordTable);
        break;
    case kHistoryButton:
        ShowPage(Page::History);
        RefreshHistory();
        break;
    case kPdfButton:
        if (pages_.savePdfReport)
            pages_.savePdfReport();
        break;
    case kExcelButton:
        if (pages_.saveExcelReport)
            pages_.saveExcelReport();
        break;
    case kCloseButton:
        close();
        break;
    case kMinimiseButton:
        showMinimized();
        break;
    default:
        break;
    }
}

void CVelkaDlg::ShowChartFromHistory() {
    Button(kChartButton)->SetCheck(true);
    Button(kHistoryButton)->SetCheck(false);
    ShowPage(Page::Chart);
}

void CVelkaDlg::RefreshHistory() {
    if (pages_.refreshHistory)
        pages_.refreshHistory();
}

void CVelkaDlg::EraseLogger() {
    loggerTasks_.Run([this] { controller_.HandleEraseRequest(); });
}

void CVelkaDlg::HandleDeviceEvents(const std::vector<DeviceEvent>& events) {
    for (const DeviceEvent& event : events)
        loggerTasks_.Run([this, event] { controller_.HandleDeviceEvent(event); });
}

void CVelkaDlg::ReadHotplugEvents() {
    HandleDeviceEvents(services_.watcher->ReadPendingEvents());
}

void CVelkaDlg::StartUp() {
    // Tables that cannot convert and a data root that cannot keep recordings are named once;
    // then a logger plugged in before the program started is read at once, without the notices.
    loggerTasks_.Run([this] {
        controller_.ReportUnusableReferenceTables();
        controller_.ReportUnusableDataRoot();
        controller_.Acquire(WhenInUse::Wait);
    });
    RefreshHistory();
    if (services_.demoLogger != nullptr)
        PlugDemoLogger(true);
    StartCentralUploads();
    startUpDone_ = true;
    emit startUpFinished();
}

void CVelkaDlg::StartCentralUploads() {
    const CentralSetting& central = services_.central;
    if (central.connection.empty())
        return;
    if (!services_.tables.Usable()) {
        pages_.system->ShowCentralStatus(
            QString::fromStdString(CentralUnusedText(services_.tables.ProblemText())), {});
        return;
    }
    try {
        UploadOrigin origin{central.site, WorkstationId(services_.dataRoot),
                            AuditIdentity::OfThisProcess("").host};
        // The thread's reports reach the page through the window's event loop.
        uploader_ = std::make_unique<CentralUploader>(
            central.connection, services_.dataRoot, services_.tables, std::move(origin),
            services_.clock, [this](const UploadStatus& status) {
                QMetaObject::invokeMethod(
                    this, [this, status] { ShowCentralStatus(status); }, Qt::QueuedConnection);
            });
    } catch (const std::exception& failure) {
        pages_.system->ShowCentralStatus(QString::fromStdString(CentralUnusedText(failure.what())),
                                         {});
        return;
    }
    ShowCentralStatus({});
    // Each archive write: a recording read, the copy before an erase or a settings write.
    for (const auto signal :
         {&SessionNotifier::historyRefreshRequested, &SessionNotifier::recordCleared})
        connect(&notifier_, signal, this, [this] { uploader_->Request(); });
    connect(&notifier_, &SessionNotifier::settingsWritten, this,
            [this](bool) { uploader_->Request(); });
}

void CVelkaDlg::ShowCentralStatus(const UploadStatus& status) {
    pages_.history->ShowWaitingUploads(status.waitingFiles);
    pages_.system->ShowCentralStatus(QString::fromStdString(CentralStatusText(status)),
                                     QString::fromStdString(status.failure));
}

void CVelkaDlg::PlugDemoLogger(bool plugged) {
    DemoLogger& demo = *services_.demoLogger;
    loggerTasks_.Run([this, &demo, plugged] {
        if (plugged == demo.Plugged())
            return;
        if (plugged)
            demo.Plug();
        else
            demo.Unplug();
        controller_.HandleDeviceEvent(
            {plugged ? HotplugDecision::LoggerArrived : HotplugDecision::LoggerRemoved,
             DemoLogger::DevicePath()});
    });
}

void CVelkaDlg::NewDemoRecording() {
    // The logger comes back from a trip: out, a new recording, in again.
    PlugDemoLogger(false);
    loggerTasks_.Run([demo = services_.demoLogger] { demo->StartNewRecording(); });
    PlugDemoLogger(true);
}

QMenu* CVelkaDlg::CreateBackgroundMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    connect(menu->addAction(TrQ("MainWindow", "&About Velka...")), &QAction::triggered, this,
            &CVelkaDlg::ShowAboutBox);
    if (DemoLogger* demo = services_.demoLogger) {
        menu->addSeparator();
        const bool plugged = demo->Plugged();
        connect(menu->addAction(plugged ? TrQ("MainWindow", "Unplug demo logger")
                                        : TrQ("MainWindow", "Plug in demo logger")),
                &QAction::triggered, this, [this, plugged] { PlugDemoLogger(!plugged); });
        connect(menu->addAction(TrQ("MainWindow", "New demo recording")), &QAction::triggered, this,
                &CVelkaDlg::NewDemoRecording);
    }
    return menu;
}

void CVelkaDlg::ShowAboutBox() {
    CAboutDlg about(this);
    about.exec();
}

void CVelkaDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!mask().isEmpty())
        painter.setClipRegion(mask());
    const QPixmap background = SkinBitmap(kBackgroundBitmap);
    if (!background.isNull())
        painter.drawPixmap(rect(), background);
    if (!startUpScheduled_) {
        // The first paint never waits for the logger or the archive: they come right after.
        startUpScheduled_ = true;
        QTimer::singleShot(0, this, &CVelkaDlg::StartUp);
    }
}

void CVelkaDlg::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window that is not painted soon after it is shown (started minimised, or on another
    // workspace) still reads the logger and the archive.
    QTimer::singleShot(kStartUpWithoutPaintMs, this, [this] {
        if (!std::exchange(startUpScheduled_, true))
            StartUp();
    });
}

void CVelkaDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // The compositor moves the window (the only way on Wayland); where it cannot, as on X11
    // without a window manager, the window follows the mouse itself.
    QWindow* window = windowHandle();
    if (window != nullptr && window->startSystemMove()) {
        dragOffset_.reset();
    } else {
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    event->accept();
}

void CVelkaDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragOffset_);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CVelkaDlg::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QWidget::mouseReleaseEvent(event);
}

void CVelkaDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateBackgroundMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

}  // namespace velka
