#pragma once
// The history page: every recording stored in the archive, 25 rows a page, with queries by a
// time range or a text fragment (the query button or Enter in a query field), sorting by a
// click on a column title, paging, the selected rows copied with Ctrl+C, and the loading of
// one recording into the session. The page owns the archive scanner and its thread, and
// shows how far a scan has come. With a central archive named it has a second mode, in which
// the same controls ask the server (on the central browser's thread) and Load shows the
// recording it gives without writing it anywhere.

#include "archive/archive_entries.h"
#include "archive/archive_scanner.h"
#include "archive/history_list.h"
#include "central/central_browser.h"
#include "services/clock.h"
#include "services/message_service.h"
#include "storage/data_root.h"
#include "ui/models/history_table_model.h"

#include <QWidget>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class QButtonGroup;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velka {

class AcquisitionController;
class CLineColorList;
class SessionNotifier;

class CDlgStatistics final : public QWidget {
    Q_OBJECT

public:
    // A panel of 860 x 700. Starts its scanner thread and the first scan of the archive folder
    // of `dataRoot`; its controls stay disabled until that scan has finished. Load reads the
    // checked recording through `controller`, then asks for the chart page. A
    // `centralConnection` (libpq's connection string) adds the central archive's mode.
    CDlgStatistics(AcquisitionController& controller, SessionNotifier& notifier,
                   MessageService& messages, const Clock& clock, DataRoot dataRoot,
                   const ShownForms& forms = kFixedForms, std::string centralConnection = {},
                   QWidget* parent = nullptr);
    // Stops a running scan and waits for the scanner thread to end.
    ~CDlgStatistics() override;

    // Both pickers to the present time, the list emptied and the archive scanned anew; an
    // earlier query or sort is gone once the scan has finished. The query mode stays.
    void RefreshHistory();
    // The local recordings the central archive lacks, by their names: marked in the list.
    void ShowWaitingUploads(const std::vector<std::string>& storedNames);

signals:
    // After Load: the window shows the chart page (with what was loaded, if anything).
    void chartPageRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectControls();
    // "Scanning … N of M" while a scan goes on; gone when its result is shown.
    void ShowScanProgress(const ArchiveScanner::Progress& progress);
    void ShowScanResult(std::uint64_t generation);
    // Reads the filter text and the typed page number back from their fields; a refused page
    // number keeps its value. Returns the page number.
    std::int32_t ReadBoundFields();
    void RefreshBoundFields();
    // After every change of the page or of the entries shown.
    void FillList();
    // The title's sort mark for the order shown.
    void FillSortMark();
    void SortByColumn(int column);
    void SelectCheckedRows(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles);
    void Load();

    // The central archive's mode: each change of query, sort or page asks the server for the
    // page, which the answer then shows.
    bool CentralMode() const { return centralMode_; }
    void SetCentralMode(bool central);
    void BrowseCentral(std::int64_t page);
    void ShowCentralAnswer(const CentralBrowser::Answer& answer);
    void ShowCentralPage(const CentralBrowseAnswer& answer);
    void LoadCentralRecording(const CentralFetchAnswer& answer);
    std::optional<CentralFilter> CentralQuery() const;
    void SortCentral(int column);
    void FitColumns();

    AcquisitionController& controller_;
    MessageService& messages_;
    const ShownForms forms_;
    const Clock& clock_;
    const DataRoot dataRoot_;

    // The column and direction of the last sort, kept for the life of the program's one
    // history page: a second click on the same title sorts the other way.
    HistorySortState sortState_;
    ArchiveEntries entries_;
    HistoryList history_{entries_, sortState_, forms_};
    HistoryTableModel model_{history_};
    // The order the list shows, for the title's sort mark: none after a scan, query or cancel.
    std::optional<HistorySortState> shownOrder_;

    CLineColorList* list_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* homeButton_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* lastButton_ = nullptr;
    QPushButton* goButton_ = nullptr;
    QLineEdit* pageNumberEdit_ = nullptr;
    QLineEdit* pageCountEdit_ = nullptr;
    QButtonGroup* queryModeGroup_ = nullptr;
    QDateTimeEdit* fromPicker_ = nullptr;
    QDateTimeEdit* toPicker_ = nullptr;
    QLineEdit* filterEdit_ = nullptr;
    QPushButton* queryButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* scanProgressLabel_ = nullptr;
    // Disabled until the first scan has finished.
    std::vector<QWidget*> scanGatedControls_;

    // The central archive's mode: what the server is asked, and the page it gave last.
    QRadioButton* localArchiveButton_ = nullptr;
    QRadioButton* centralArchiveButton_ = nullptr;
    bool centralMode_ = false;
    CentralBrowse centralBrowse_;
    int centralSortColumn_ = -1;
    CentralPage centralPage_;
    std::uint64_t awaitedBrowse_ = 0;  // the question whose answer the list is to show
    std::uint64_t awaitedFetch_ = 0;
    std::unique_ptr<CentralBrowser> centralBrowser_;

    // Last: its thread starts once everything it reports to exists, and it is stopped and
    // joined before anything else of the page goes.
    ArchiveScanner scanner_;
};

}  // namespace velka
