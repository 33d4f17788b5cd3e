#include "ui/pages/history_page.h"

#include "archive/queued_delivery.h"
#include "central/central_history_row.h"
#include "chart/chart_texts.h"
#include "config/settings_titles.h"
#include "session/acquisition_controller.h"
#include "session/session_notifier.h"
#include "ui/kit/field_values.h"
#include "ui/kit/line_color_list.h"
#include "ui/kit/list_column_fit.h"
#include "ui/kit/page_background.h"
#include "ui/kit/page_controls.h"
#include "ui/kit/page_geometry.h"
#include "ui/kit/row_copy.h"
#include "ui/kit/ui_text.h"

#include <QButtonGroup>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace velka {
namespace {

struct QueryRadio {
    HistoryQueryMode mode;
    UiText text;
    QRect geometry;
    const char* name;
};

constexpr QueryRadio kQueryRadios[] = {
    {HistoryQueryMode::StartTime, kStartTimeTitle, {35, 565, 100, 22}, "startTimeQuery"},
    {HistoryQueryMode::StopTime, kStopTimeTitle, {35, 595, 100, 22}, "stopTimeQuery"},
    {HistoryQueryMode::DeliveryDate, title::kDeliveryDate, {35, 625, 100, 22}, "deliveryDateQuery"},
    {HistoryQueryMode::DeviceSerial,
     title::kDeviceSerial,
     {330, 555, 120, 22},
     "deviceSerialQuery"},
    {HistoryQueryMode::DeliveryCompany,
     title::kDeliveryCompany,
     {330, 580, 120, 22},
     "deliveryCompanyQuery"},
    {HistoryQueryMode::ReceivingCompany,
     title::kReceivingCompany,
     {330, 605, 120, 22},
     "receivingCompanyQuery"},
    {HistoryQueryMode::TransportNumber,
     title::kTransportNumber,
     {330, 630, 120, 22},
     "transportNumberQuery"},
};

bool IsTextMode(int mode) {
    return mode >= static_cast<int>(HistoryQueryMode::DeviceSerial);
}

// The field of the central archive each query mode tests, in the modes' order.
constexpr CentralField kQueryFields[] = {
    CentralField::StartTime,       CentralField::StopTime,        CentralField::DeliveryDate,
    CentralField::Serial,          CentralField::DeliveryCompany, CentralField::ReceivingCompany,
    CentralField::TransportNumber,
};

// The field each column of the central rows sorts by; none for the "Number" column.
std::optional<CentralField> SortFieldOf(int column) {
    switch (column) {
    case kDeviceSerialColumn:
        return CentralField::Serial;
    case kStartTimeColumn:
        return CentralField::StartTime;
    case kStopTimeColumn:
        return CentralField::StopTime;
    case kDeliveryCompanyColumn:
        return CentralField::DeliveryCompany;
    case kDeliveryDateColumn:
        return CentralField::DeliveryDate;
    case kReceivingCompanyColumn:
        return CentralField::ReceivingCompany;
    case kTransportNumberColumn:
        return CentralField::TransportNumber;
    case kHistoryColumnCount:
        return CentralField::Site;
    case kHistoryColumnCount + 1:
        return CentralField::Workstation;
    default:
        return std::nullopt;
    }
}

// How the reports name a recording the central archive gave.
std::string CentralOriginText(const CentralRow& row) {
    const std::string where = row.site.empty() ? row.host : row.site + ", " + row.host;
    return WithArguments(Tr("HistoryPage", "central archive (%1)"), {where});
}

}  // namespace

CDlgStatistics::CDlgStatistics(AcquisitionController& controller, SessionNotifier& notifier,
                               MessageService& messages, const Clock& clock, DataRoot dataRoot,
                               const ShownForms& forms, std::string centralConnection,
                               QWidget* parent)
    : QWidget(parent), controller_(controller), messages_(messages), forms_(forms), clock_(clock),
      dataRoot_(std::move(dataRoot)),
      scanner_(
          dataRoot_, entries_,
          DeliverOnThreadOf(this, [this](std::uint64_t generation) { ShowScanResult(generation); }),
          DeliverOnThreadOf(this, [this](const ArchiveScanner::Progress& progress) {
              ShowScanProgress(progress);
          })) {
    setObjectName(QStringLiteral("historyPage"));
    setFixedSize(kPageSize);
    CreateControls();
    ConnectControls();
    connect(&notifier, &SessionNotifier::historyRefreshRequested, this,
            &CDlgStatistics::RefreshHistory);

    SetPickerSeconds(*fromPicker_, clock_.Now());
    SetPickerSeconds(*toPicker_, clock_.Now());
    for (QWidget* control : scanGatedControls_)
        control->setEnabled(false);
    scanner_.RequestScan();

    if (!centralConnection.empty()) {
        // The answers come on the browser's thread; the page takes them on its own.
        centralBrowser_ = std::make_unique<CentralBrowser>(
            std::move(centralConnection), [this](CentralBrowser::Answer answer) {
                QMetaObject::invokeMethod(
                    this, [this, answer = std::move(answer)] { ShowCentralAnswer(answer); },
                    Qt::QueuedConnection);
            });
        localArchiveButton_ = PlaceRadio(*this, TrQ("HistoryPage", "Local archive"),
                                         {520, 14, 150, 20}, "localArchive");
        centralArchiveButton_ = PlaceRadio(*this, TrQ("HistoryPage", "Central archive"),
                                           {680, 14, 160, 20}, "centralArchive");
        auto* archiveGroup = new QButtonGroup(this);
        archiveGroup->addButton(localArchiveButton_);
        archiveGroup->addButton(centralArchiveButton_);
        localArchiveButton_->setChecked(true);
        connect(centralArchiveButton_, &QRadioButton::toggled, this,
                &CDlgStatistics::SetCentralMode);
    }
}

CDlgStatistics::~CDlgStatistics() = default;

void CDlgStatistics::CreateControls() {
    QWidget& page = *this;
    PlaceGroupBox(page, TrQ("HistoryPage", "Query"), {20, 540, 680, 120});

    list_ = new CLineColorList(this);
    list_->setObjectName(QStringLiteral("historyList"));
    list_->setAccessibleName(TrQ("HistoryPage", "Recordings"));
    list_->setGeometry(20, 40, 820, 460);
    list_->setModel(&model_);
    model_.SetWaitingMark(style()->standardIcon(QStyle::SP_ArrowUp));
    list_->horizontalHeader()->setSectionsClickable(true);
    list_->horizontalHeader()->setSortIndicatorShown(true);
    list_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    FitColumns();
    list_->SetRowsPerPage(HistoryList::pageSize);
    list_->viewport()->installEventFilter(this);
    InstallRowCopy(*list_);

    scanProgressLabel_ = PlaceWhiteLabel(page, QString(), {20, 14, 400, 20});
    scanProgressLabel_->setObjectName(QStringLiteral("scanProgress"));

    loadButton_ = PlaceButton(page, TrQ("HistoryPage", "Load"), {30, 508, 70, 26}, "load");
    homeButton_ = PlaceButton(page, TrQ("HistoryPage", "<< Home page"), {160, 508, 70, 26}, "home");
    previousButton_ =
        PlaceButton(page, TrQ("HistoryPage", "< Previous page"), {240, 508, 70, 26}, "previous");
    nextButton_ = PlaceButton(page, TrQ("HistoryPage", "Next page >"), {320, 508, 70, 26}, "next");
    lastButton_ = PlaceButton(page, TrQ("HistoryPage", "Last page >>"), {400, 508, 70, 26}, "last");
    pageNumberEdit_ = PlaceEdit(page, {500, 510, 40, 22}, "pageNumber", true);
    pageNumberEdit_->setAccessibleName(TrQ("HistoryPage", "Page number"));
    pageCountEdit_ = PlacePageCount(page, {550, 510, 40, 22});
    goButton_ = PlaceButton(page, TrQ("HistoryPage", "Go"), {600, 510, 30, 22}, "go");
    UseOneFontSize({homeButton_, previousButton_, nextButton_, lastButton_});

    queryModeGroup_ = new QButtonGroup(this);
    std::vector<QWidget*> radios;
    for (const QueryRadio& radio : kQueryRadios) {
        QRadioButton* button = PlaceRadio(page, TrQ(radio.text), radio.geometry, radio.name);
        queryModeGroup_->addButton(button, static_cast<int>(radio.mode));
        radios.push_back(button);
    }
    queryModeGroup_->button(static_cast<int>(HistoryQueryMode::StartTime))->setChecked(true);
    UseOneFontSize(radios);
    scanGatedControls_ = radios;

    PlaceWhiteLabel(page, TrQ("HistoryPage", "Start Query Time："), {135, 554, 100, 16});
    fromPicker_ = PlacePicker(page, {140, 570, 160, 25}, "queryFrom", forms_);
    PlaceWhiteLabel(page, TrQ("HistoryPage", "End Query Time："), {135, 600, 100, 16});
    toPicker_ = PlacePicker(page, {140, 616, 160, 25}, "queryTo", forms_);
    filterEdit_ = PlaceEdit(page, {450, 590, 150, 25}, "filter");
    filterEdit_->setAccessibleName(TrQ("HistoryPage", "Query text"));
    for (QWidget* field : std::initializer_list<QWidget*>{fromPicker_, toPicker_, filterEdit_})
        field->installEventFilter(this);
    queryButton_ = PlaceButton(page, TrQ("HistoryPage", "Query"), {600, 560, 80, 40}, "query");
    cancelButton_ = PlaceButton(page, TrQ("HistoryPage", "Cancel"), {600, 605, 80, 40}, "cancel");

    for (QWidget* control : std::initializer_list<QWidget*>{
             list_, loadButton_, queryButton_, cancelButton_, filterEdit_, fromPicker_, toPicker_,
             homeButton_, previousButton_, nextButton_, lastButton_, goButton_, pageNumberEdit_,
             pageCountEdit_})
        scanGatedControls_.push_back(control);
}

void CDlgStatistics::ConnectControls() {
    // Paging that changes nothing leaves the list and the fields as they are.
    // In the central mode each asks the server for the page it names (from the page shown).
    const auto onPaging = [this](QPushButton* button, bool (HistoryList::*paging)(),
                                 std::int64_t (*centralPage)(const CentralPage&)) {
        connect(button, &QPushButton::clicked, this, [this, paging, centralPage] {
            if (CentralMode()) {
                if (centralPage(centralPage_) != centralPage_.page)
                    BrowseCentral(centralPage(centralPage_));
            } else if ((history_.*paging)()) {
                FillList();
                RefreshBoundFields();
            }
        });
    };
    onPaging(homeButton_, &HistoryList::Home, [](const CentralPage&) -> std::int64_t { return 1; });
    onPaging(previousButton_, &HistoryList::Previous,
             [](const CentralPage& shown) { return std::max<std::int64_t>(shown.page - 1, 1); });
    onPaging(nextButton_, &HistoryList::Next,
             [](const CentralPage& shown) { return std::min(shown.page + 1, shown.pageCount); });
    onPaging(lastButton_, &HistoryList::Last,
             [](const CentralPage& shown) { return shown.pageCount; });
    connect(goButton_, &QPushButton::clicked, this, [this] {
        if (CentralMode()) {
            BrowseCentral(ReadBoundFields());
            return;
        }
        history_.Go(ReadBoundFields());
        FillList();
        RefreshBoundFields();
    });
    connect(queryButton_, &QPushButton::clicked, this, [this] {
        if (CentralMode()) {
            ReadBoundFields();
            centralBrowse_.filter = CentralQuery();
            BrowseCentral(1);
            return;
        }
        ReadBoundFields();
        history_.Query(PickerSeconds(*fromPicker_), PickerSeconds(*toPicker_));
        shownOrder_.reset();
        RefreshBoundFields();
        FillList();
    });
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        queryModeGroup_->button(static_cast<int>(HistoryQueryMode::StartTime))->setChecked(true);
        if (CentralMode()) {
            history_.SetQueryMode(HistoryQueryMode::StartTime);
            centralBrowse_ = {};
            centralSortColumn_ = -1;
            BrowseCentral(1);
            return;
        }
        history_.Cancel();
        shownOrder_.reset();
        RefreshBoundFields();
        FillList();
    });
    connect(queryModeGroup_, &QButtonGroup::idClicked, this, [this](int mode) {
        history_.SetQueryMode(static_cast<HistoryQueryMode>(mode));
        if (IsTextMode(mode))
            RefreshBoundFields();
    });
    connect(loadButton_, &QPushButton::clicked, this, &CDlgStatistics::Load);
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CDlgStatistics::SortByColumn);
    connect(&model_, &QAbstractItemModel::dataChanged, this, &CDlgStatistics::SelectCheckedRows);
}

void CDlgStatistics::RefreshHistory() {
    SetPickerSeconds(*fromPicker_, clock_.Now());
    SetPickerSeconds(*toPicker_, clock_.Now());
    // The rows go first: the new scan may fill the shown entries before it reports. The central
    // archive's page stays as it is.
    shownOrder_.reset();
    if (!CentralMode()) {
        model_.ClearList();
        list_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    }
    scanner_.RequestScan();
}

void CDlgStatistics::ShowWaitingUploads(const std::vector<std::string>& storedNames) {
    model_.MarkWaitingUploads({storedNames.begin(), storedNames.end()});
}

void CDlgStatistics::ShowScanProgress(const ArchiveScanner::Progress& progress) {
    if (!entries_.IsCurrent(progress.generation) || CentralMode())
        return;
    scanProgressLabel_->setText(TrQ("HistoryPage", "Scanning … %1 of %2")
                                    .arg(progress.filesRead)
                                    .arg(progress.filesListed));
}

void CDlgStatistics::ShowScanResult(std::uint64_t generation) {
    // A scan that a newer one superseded on its way here shows nothing.
    if (!history_.ShowScanResult(generation))
        return;
    shownOrder_.reset();
    for (QWidget* control : scanGatedControls_)
        control->setEnabled(true);
    if (CentralMode())
        return;
    scanProgressLabel_->clear();
    FillList();
    RefreshBoundFields();
}

std::int32_t CDlgStatistics::ReadBoundFields() {
    history_.SetFilterText(filterEdit_->text().toStdU16String());
    std::int32_t page =
        CentralMode() ? static_cast<std::int32_t>(centralPage_.page) : history_.CurrentPage();
    ReadIntegerField(*pageNumberEdit_, page, messages_);
    return page;
}

void CDlgStatistics::RefreshBoundFields() {
    pageNumberEdit_->setText(
        QString::number(CentralMode() ? centralPage_.page : history_.CurrentPage()));
    pageCountEdit_->setText(
        QString::number(CentralMode() ? centralPage_.pageCount : history_.PageCount()));
    filterEdit_->setText(QString::fromStdU16String(history_.FilterText()));
}

void CDlgStatistics::FillList() {
    if (!CentralMode())
        model_.FillList();
    FillSortMark();
}

void CDlgStatistics::FillSortMark() {
    QHeaderView& header = *list_->horizontalHeader();
    if (shownOrder_)
        header.setSortIndicator(shownOrder_->sortColumn, shownOrder_->sortDescending
                                                             ? Qt::DescendingOrder
                                                             : Qt::AscendingOrder);
    else
        header.setSortIndicator(-1, Qt::AscendingOrder);
}

void CDlgStatistics::SortByColumn(int column) {
    if (CentralMode()) {
        SortCentral(column);
        return;
    }
    if (history_.Sort(column)) {
        shownOrder_ = sortState_;
        FillList();
        RefreshBoundFields();
    } else {
        // The title's own click handling moved the mark; the order shown has not changed.
        FillList();
    }
}

void CDlgStatistics::SelectCheckedRows(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                       const QList<int>& roles) {
    if (!roles.contains(Qt::CheckStateRole))
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const QModelIndex index = model_.index(row, kNumberColumn);
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        list_->selectionModel()->select(
            index, (checked ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                       QItemSelectionModel::Rows);
    }
}

void CDlgStatistics::Load() {
    if (CentralMode()) {
        // The chart page follows once the image has come.
        const std::optional<std::size_t> itemData = model_.CheckedItemData();
        const auto first = static_cast<std::size_t>(
            std::max<std::int64_t>(centralPage_.page - 1, 0) * centralPage_.pageSize);
        if (!itemData || *itemData < first || *itemData - first >= centralPage_.rows.size()) {
            emit chartPageRequested();
            return;
        }
        scanProgressLabel_->setText(TrQ("HistoryPage", "Fetching the recording …"));
        awaitedFetch_ = centralBrowser_->Fetch(centralPage_.rows[*itemData - first]);
        return;
    }
    if (const std::optional<std::size_t> itemData = model_.CheckedItemData()) {
        if (const auto path = history_.StoredImageOf(dataRoot_.DataDirectory(), *itemData)) {
            EnsureDirectory(dataRoot_.Root());
            EnsureDirectory(dataRoot_.DataDirectory());
            // A file that has gone since the scan loads nothing, silently.
            controller_.LoadStoredImage(*path);
        }
    }
    emit chartPageRequested();
}

bool CDlgStatistics::eventFilter(QObject* watched, QEvent* event) {
    // Enter in a query field runs the query, with what the field holds.
    if ((watched == fromPicker_ || watched == toPicker_ || watched == filterEdit_) &&
        event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // A date typed in part is taken as the picker would take it on leaving.
            if (auto* picker = qobject_cast<QDateTimeEdit*>(watched))
                picker->interpretText();
            queryButton_->click();
            return true;
        }
    }
    // A double click checks the row under the pointer (unchecking any other) and loads it;
    // outside the rows it loads whatever row is checked.
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        list_->isEnabled()) {
        const auto* click = static_cast<QMouseEvent*>(event);
        const QModelIndex index = list_->indexAt(click->position().toPoint());
        if (index.isValid())
            model_.setData(model_.index(index.row(), kNumberColumn), Qt::Checked,
                           Qt::CheckStateRole);
        Load();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CDlgStatistics::SetCentralMode(bool central) {
    if (central == centralMode_)
        return;
    centralMode_ = central;
    shownOrder_.reset();
    if (central) {
        // Each visit asks anew: other docks may have uploaded since.
        model_.ShowCentralRows({});
        BrowseCentral(std::max<std::int64_t>(centralPage_.page, 1));
    } else {
        awaitedBrowse_ = awaitedFetch_ = 0;
        scanProgressLabel_->clear();
        FillList();
        RefreshBoundFields();
    }
    FitColumns();
}

void CDlgStatistics::FitColumns() {
    std::vector<ListColumnContent> columns;
    columns.reserve(static_cast<std::size_t>(model_.columnCount()));
    for (const HistoryColumnLayout& column : kHistoryColumns)
        columns.push_back({QString::fromUtf16(column.widestText)});
    columns[kNumberColumn].checkBox = true;
    // The site and the workstation's host: room for a name of a dozen letters, like a company's
    // share of the room left.
    if (model_.ShowsCentralRows()) {
        columns.push_back({QStringLiteral("Oslo harbour")});
        columns.push_back({QStringLiteral("workstation")});
    }
    FitColumnsToContent(*list_, columns);
}

std::optional<CentralFilter> CDlgStatistics::CentralQuery() const {
    const int mode = queryModeGroup_->checkedId();
    CentralFilter filter;
    filter.field = kQueryFields[mode];
    if (IsTextMode(mode)) {
        filter.text = filterEdit_->text().toStdString();
    } else {
        filter.from = PickerSeconds(*fromPicker_);
        filter.to = PickerSeconds(*toPicker_);
    }
    return filter;
}

void CDlgStatistics::SortCentral(int column) {
    const std::optional<CentralField> field = SortFieldOf(column);
    if (!field) {
        FillList();  // the title's own click moved the mark; the order has not changed
        return;
    }
    centralBrowse_.descending = column == centralSortColumn_ && !centralBrowse_.descending;
    centralSortColumn_ = column;
    centralBrowse_.sortBy = field;
    BrowseCentral(1);
}

void CDlgStatistics::BrowseCentral(std::int64_t page) {
    centralBrowse_.page = page;
    centralBrowse_.pageSize = HistoryList::pageSize;
    scanProgressLabel_->setText(TrQ("HistoryPage", "Asking the central archive …"));
    awaitedBrowse_ = centralBrowser_->Browse(centralBrowse_);
}

void CDlgStatistics::ShowCentralAnswer(const CentralBrowser::Answer& answer) {
    if (!CentralMode())
        return;
    if (const auto* page = std::get_if<CentralBrowseAnswer>(&answer))
        ShowCentralPage(*page);
    else
        LoadCentralRecording(std::get<CentralFetchAnswer>(answer));
}

void CDlgStatistics::ShowCentralPage(const CentralBrowseAnswer& answer) {
    // An answer a newer question has overtaken shows nothing.
    if (answer.question != awaitedBrowse_)
        return;
    if (!answer.page) {
        // The list keeps what it showed; the line says why nothing newer came.
        scanProgressLabel_->setText(TrQ("HistoryPage", "The central archive did not answer: %1")
                                        .arg(QString::fromStdString(answer.failure)));
        scanProgressLabel_->setToolTip(QString::fromStdString(answer.failure));
        return;
    }
    centralPage_ = *answer.page;
    scanProgressLabel_->setToolTip({});
    scanProgressLabel_->setText(
        TrQ("HistoryPage", "Central archive: %1 recordings found").arg(centralPage_.total));
    std::vector<HistoryRow> rows;
    const auto first = static_cast<std::size_t>(std::max<std::int64_t>(centralPage_.page - 1, 0) *
                                                centralPage_.pageSize);
    for (std::size_t i = 0; i < centralPage_.rows.size(); ++i)
        rows.push_back(CentralHistoryRow(centralPage_.rows[i], first + i, forms_));
    model_.ShowCentralRows(std::move(rows));
    if (centralSortColumn_ >= 0 && centralBrowse_.sortBy)
        shownOrder_ = HistorySortState{centralSortColumn_, centralBrowse_.descending};
    else
        shownOrder_.reset();
    FillSortMark();
    RefreshBoundFields();
}

void CDlgStatistics::LoadCentralRecording(const CentralFetchAnswer& answer) {
    if (answer.question != awaitedFetch_)
        return;
    awaitedFetch_ = 0;
    scanProgressLabel_->setText(
        TrQ("HistoryPage", "Central archive: %1 recordings found").arg(centralPage_.total));
    if (!answer.failure.empty()) {
        messages_.ShowMessage(
            WithArguments(Tr("HistoryPage", "The central archive could not give the recording: %1"),
                          {answer.failure}),
            MessageIcon::Error);
        return;
    }
    if (!answer.image || !answer.row)
        return;  // as a stored file that has gone since the scan: nothing loads
    controller_.LoadFetchedImage(*answer.image, CentralOriginText(*answer.row));
    emit chartPageRequested();
}

void CDlgStatistics::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPageBackground(painter, rect());
}

}  // namespace velka
