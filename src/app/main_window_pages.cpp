#include "app/main_window_pages.h"

#include "app/app_settings.h"
#include "app/logger_task_queue.h"
#include "ui/kit/accessible_names.h"
#include "ui/pages/chart_page.h"
#include "ui/pages/history_page.h"
#include "ui/pages/parameter_page.h"
#include "ui/pages/record_table_page.h"
#include "ui/pages/report_buttons.h"
#include "ui/pages/report_pages.h"
#include "ui/pages/system_page.h"

namespace velka {

MainWindowPages CreatePages(const PageServices& services, QWidget* frame) {
    MainWindowPages pages;
    pages.system = new CDlgSysInfo(services.controller, services.notifier, services.messages,
                                   QString::fromStdString(SystemPageInformation(services.settings)),
                                   services.helpIndex, frame);

    auto* parameters = new CDlgParameters(services.controller, services.notifier, services.messages,
                                          services.clock, services.settings.checkWpEnable,
                                          services.dataRoot.DataDirectory(), services.forms, frame);
    LoggerTaskQueue& loggerTasks = services.loggerTasks;
    parameters->SetLoggerTaskRunner(
        [&loggerTasks](std::function<void()> task) { loggerTasks.Run(std::move(task)); });
    pages.parameters = parameters;

    pages.chart = new CDlgGraph(services.controller, services.notifier, services.forms, frame);

    auto* recordTable = new CDlgTable(services.controller, services.notifier, services.messages,
                                      services.clock, services.forms, frame);
    pages.recordTable = recordTable;

    auto* history = new CDlgStatistics(services.controller, services.notifier, services.messages,
                                       services.clock, services.dataRoot, services.forms,
                                       services.centralConnection, frame);
    pages.history = history;
    pages.refreshHistory = [history] { history->RefreshHistory(); };

    auto* pdf = new CDlgPdf(services.controller, services.notifier, services.messages,
                            services.clock, services.dataRoot, frame);
    auto* excel = new CDlgExcel(services.controller, services.notifier, services.messages,
                                services.clock, services.dataRoot, frame);
    excel->SetSampleTableHeader(recordTable->SampleListHeader());
    pdf->ProtectFiles(services.keptFiles);
    excel->ProtectFiles(services.keptFiles);
    pages.pdf = pdf;
    pages.excel = excel;
    // The save popup is a child of the window, as the page frame is.
    const AskSavePath askSavePath = SavePopup(frame->window());
    const AskSignature askSignature = SignPopup(frame->window());
    pdf->SetSigning(services.settings.signing);
    pages.savePdfReport = [pdf, askSavePath, askSignature] {
        SavePdfReport(*pdf, askSavePath, askSignature);
    };
    pages.saveExcelReport = [excel, askSavePath] { SaveExcelReport(*excel, askSavePath); };
    // Every field a screen reader reaches is named by the label the page shows beside it.
    NameControlsByTheirLabels(*frame);
    return pages;
}

}  // namespace velka
