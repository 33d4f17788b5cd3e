#include "app/velka_program.h"

#include "app/app_settings.h"
#include "app/demo_archive.h"
#include "app/demo_logger.h"
#include "app/instance_lock.h"
#include "app/main_window.h"
#include "app/termination_signals.h"
#include "config/central_setting.h"
#include "device/hidapi_transport.h"
#include "storage/data_root.h"
#include "storage/reference_files.h"
#include "translation/language_catalogues.h"

#include <QApplication>
#include <memory>

namespace velka {

int RunVelka(const AppOptions& options, const AppEnvironment& environment, MessageService& messages,
             const std::function<void(CVelkaDlg&)>& windowCreated) {
    // The settings are only read here, for the language of every text from the first box on.
    const std::filesystem::path configFile =
        options.configFile.value_or(DefaultConfigFile(environment));
    AppSettings settings = LoadAppSettings(configFile);
    const LanguageCatalogues catalogues(settings.language, DefaultCatalogueFolder());

    // Before any window, device or scan: a second copy must not read the logger the first one
    // may be talking to, nor write the settings file at its end.
    const std::filesystem::path lockFile = InstanceLockFile(environment);
    EnsurePrivateDirectory(lockFile.parent_path());  // the cache folder may not be there yet
    auto lock = std::make_unique<InstanceLock>(lockFile);
    if (lock->Result() == InstanceLock::Outcome::HeldByAnotherCopy) {
        messages.ShowMessage(Tr(kAlreadyRunningText), MessageIcon::Warning, MessageButtons::Ok);
        return 0;
    }
    // From here on a SIGTERM closes the window as its close button does, also one that comes
    // while the window is still being built (it is acted on once the event loop runs).
    CVelkaDlg* shownWindow = nullptr;
    TerminationSignals termination([&shownWindow] {
        if (shownWindow != nullptr)
            shownWindow->close();
    });

    std::unique_ptr<Clock> clock;
    if (options.now)
        clock = std::make_unique<FixedClock>(*options.now);
    else
        clock = std::make_unique<SystemClock>();
    const std::filesystem::path referenceFolder =
        options.referenceFolder.value_or(DefaultReferenceFolder());
    const LoadedReferenceTables tables = LoadReferenceTables(referenceFolder);

    DataRoot dataRoot = DataRoot::Default(environment.home);
    if (options.dataRoot)
        dataRoot = DataRoot(*options.dataRoot);
    else if (options.demo)
        dataRoot = DefaultDemoDataRoot(environment);

    std::unique_ptr<DemoLogger> demoLogger;
    std::unique_ptr<HidapiProvider> hidapi;
    std::unique_ptr<DeviceWatcher> watcher;
    HidDeviceProvider* provider = nullptr;
    if (options.demo) {
        // Recordings made up through tables that cannot convert would be nonsense.
        if (tables.Usable())
            FillEmptyDemoArchive(dataRoot, tables, clock->Now());
        demoLogger = std::make_unique<DemoLogger>(dataRoot, tables, *clock);
        provider = demoLogger.get();
    } else {
        hidapi = std::make_unique<HidapiProvider>();
        provider = hidapi.get();
        watcher = std::make_unique<DeviceWatcher>();
    }

    auto window = std::make_unique<CVelkaDlg>(MainWindowServices{
        *provider, messages, *clock, dataRoot, tables, settings, HelpIndexFile(ProgramFile("Help")),
        watcher.get(), demoLogger.get(), configFile, referenceFolder, catalogues.Forms(),
        LoadCentralSetting(configFile)});
    if (windowCreated)
        windowCreated(*window);
    shownWindow = window.get();
    window->show();
    QApplication::exec();
    shownWindow = nullptr;
    settings.analysis = window->Controller().Analysis();
    settings.unit = window->Controller().Unit();

    // The shutdown order: the window with the session and the device link, the hot-plug
    // registration, the single-instance lock, and the settings last.
    window.reset();
    demoLogger.reset();
    hidapi.reset();
    watcher.reset();
    lock.reset();
    SaveAppSettings(configFile, settings);
    return 0;
}

}  // namespace velka
