#include "app/main_window_pages.h"

#include "app/empty_page.h"
#include "app/system_page.h"
#include "widgets/page_background.h"

namespace velka {

MainWindowPages CreatePages(const PageServices& services, QWidget* frame) {
    MainWindowPages pages;
    pages.system = new CDlgSysInfo(services.controller, services.notifier, services.messages,
                                   services.settings, services.helpIndex, frame);
    // The pages still to come, with their backgrounds.
    pages.parameters = new EmptyPage(kParameterPageBitmap, frame);  // CDlgParameters
    pages.chart = new EmptyPage(kContentPageBitmap, frame);         // CDlgGraph
    pages.recordTable = new EmptyPage(kContentPageBitmap, frame);   // CDlgTable
    pages.history = new EmptyPage(kContentPageBitmap, frame);       // CDlgStatistics
    pages.pdf = new EmptyPage(kContentPageBitmap, frame);           // CDlgPdf
    pages.excel = new EmptyPage(kContentPageBitmap, frame);         // CDlgExcel
    // pages.refreshHistory, pages.savePdfReport, pages.saveExcelReport: with their pages.
    return pages;
}

}  // namespace velka
