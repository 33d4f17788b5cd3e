#include "ui/pages/record_table_page.h"

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
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <tuple>

namespace velka {

CDlgTable::CDlgTable(const AcquisitionController& controller, SessionNotifier& notifier,
                     MessageService& messages, const Clock& clock, const ShownForms& forms,
                     QWidget* parent)
    : QWidget(parent), controller_(controller), messages_(messages), forms_(forms) {
    setObjectName(QStringLiteral("recordTablePage"));
    setFixedSize(kPageSize);
    CreateControls();
    SetPickerSeconds(*fromPicker_, clock.Now());
    SetPickerSeconds(*toPicker_, clock.Now());
    ConnectControls();
    connect(&notifier, &SessionNotifier::recordDecoded, this, &CDlgTable::ShowSamples);
    connect(&notifier, &SessionNotifier::temperatureUnitChanged, this, &CDlgTable::ShowSamples);
    ShowSamples();
}

void CDlgTable::CreateControls() {
    QWidget& page = *this;
    // Group boxes first, so that the controls placed over them stay on top.
    PlaceGroupBox(page, TrQ("RecordTablePage", "Query Time"), {550, 70, 250, 115});
    PlaceGroupBox(page, TrQ("RecordTablePage", "Temperature Query"), {550, 190, 250, 115});

    list_ = new CLineColorList(this);
    list_->setObjectName(QStringLiteral("sampleList"));
    list_->setAccessibleName(TrQ("RecordTablePage", "Samples"));
    list_->setGeometry(20, 20, 500, 624);
    list_->setModel(&model_);
    std::vector<ListColumnContent> columns;
    columns.reserve(kRecordTableColumns.size());
    for (const RecordTableColumn& column : kRecordTableColumns)
        columns.push_back({QString::fromUtf8(column.widestText.data(),
                                             static_cast<qsizetype>(column.widestText.size()))});
    FitColumnsToContent(*list_, columns);
    list_->SetRowsPerPage(RecordTable::pageSize);
    InstallRowCopy(*list_);

    homeButton_ =
        PlaceButton(page, TrQ("RecordTablePage", "<< Home Page"), {20, 650, 90, 30}, "home");
    previousButton_ = PlaceButton(page, TrQ("RecordTablePage", "< previous Page"),
                                  {118, 650, 90, 30}, "previous");
    nextButton_ =
        PlaceButton(page, TrQ("RecordTablePage", "Next Page >"), {216, 650, 90, 30}, "next");
    lastButton_ =
        PlaceButton(page, TrQ("RecordTablePage", "Last Page >>"), {314, 650, 90, 30}, "last");
    pageNumberEdit_ = PlaceEdit(page, {412, 652, 40, 26}, "pageNumber", true);
    pageNumberEdit_->setAccessibleName(TrQ("RecordTablePage", "Page number"));
    pageCountEdit_ = PlacePageCount(page, {467, 652, 40, 26});
    goButton_ = PlaceButton(page, TrQ("RecordTablePage", "Go"), {512, 650, 30, 30}, "go");
    UseOneFontSize({homeButton_, previousButton_, nextButton_, lastButton_});

    // The radios' titles are the labels of the fields beside them; a screen reader hears what
    // each chooses.
    QRadioButton* timeRadio = PlaceRadio(page, QString(), {560, 108, 24, 24}, "timeQuery");
    timeRadio->setAccessibleName(TrQ("RecordTablePage", "Query by time"));
    PlaceWhiteLabel(page, TrQ("RecordTablePage", "Query Start Time："), {590, 90, 90, 16});
    fromPicker_ = PlacePicker(page, {590, 108, 150, 24}, "queryFrom", forms_);
    PlaceWhiteLabel(page, TrQ("RecordTablePage", "Query End time："), {590, 135, 90, 16});
    toPicker_ = PlacePicker(page, {590, 153, 150, 24}, "queryTo", forms_);

    QRadioButton* temperatureRadio =
        PlaceRadio(page, QString(), {560, 228, 24, 24}, "temperatureQuery");
    temperatureRadio->setAccessibleName(TrQ("RecordTablePage", "Query by temperature"));
    maxTemperatureLabel_ = PlaceWhiteLabel(page, QString(), {590, 210, 130, 16});
    maxTemperatureEdit_ = PlaceEdit(page, {590, 228, 150, 24}, "maxTemperature");
    minTemperatureLabel_ = PlaceWhiteLabel(page, QString(), {590, 255, 130, 16});
    minTemperatureEdit_ = PlaceEdit(page, {590, 273, 150, 24}, "minTemperature");

    queryButton_ = PlaceButton(page, TrQ("RecordTablePage", "Query"), {590, 310, 70, 38}, "query");
    cancelButton_ =
        PlaceButton(page, TrQ("RecordTablePage", "Cancel"), {690, 310, 70, 38}, "cancel");

    queryModeGroup_ = new QButtonGroup(this);
    queryModeGroup_->addButton(timeRadio, static_cast<int>(TableQueryMode::Time));
    queryModeGroup_->addButton(temperatureRadio, static_cast<int>(TableQueryMode::Temperature));
    timeRadio->setChecked(true);
}

void CDlgTable::ConnectControls() {
    const auto onClick = [this](QPushButton* button, auto action) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            action();
            FillList();
        });
    };
    onClick(homeButton_, [this] { table_.Home(); });
    onClick(previousButton_, [this] { table_.Previous(); });
    onClick(nextButton_, [this] { table_.Next(); });
    onClick(lastButton_, [this] { table_.Last(); });
    onClick(goButton_, [this] { table_.Go(ReadBoundFields()); });
    onClick(queryButton_, [this] {
        ReadBoundFields();
        table_.Query(PickerSeconds(*fromPicker_), PickerSeconds(*toPicker_));
    });
    onClick(cancelButton_, [this] { table_.Cancel(); });
    connect(queryModeGroup_, &QButtonGroup::idClicked, this,
            [this](int id) { table_.SetQueryMode(static_cast<TableQueryMode>(id)); });
}

void CDlgTable::ShowSamples() {
    const Recording& recording = controller_.CurrentRecording();
    const TemperatureUnit unit = controller_.Unit();
    samples_ = ShownIn(recording, unit).record.samples;
    settings_ = recording.settings;
    // The bounds typed in follow the unit; the header and the labels name it.
    table_.SetUnit(unit);
    const std::string_view sign = UnitSign(unit);
    for (auto [label, field, title] : {std::tuple{maxTemperatureLabel_, maxTemperatureEdit_,
                                                  TrQ("RecordTablePage", "Temperature Max")},
                                       std::tuple{minTemperatureLabel_, minTemperatureEdit_,
                                                  TrQ("RecordTablePage", "Temperature Min")}}) {
        const QString name =
            title + "(" + QString::fromUtf8(sign.data(), static_cast<qsizetype>(sign.size())) + ")";
        label->setText(name + TrQ("RecordTablePage", "："));
        field->setAccessibleName(name);
    }
    table_.ShowSamples();
    FillList();
}

const QHeaderView* CDlgTable::SampleListHeader() const {
    return list_->horizontalHeader();
}

std::int32_t CDlgTable::ReadBoundFields() {
    std::int32_t page = table_.CurrentPage();
    double maxTemperature = table_.MaxTemperature();
    double minTemperature = table_.MinTemperature();
    if (ReadIntegerField(*pageNumberEdit_, page, messages_) &&
        ReadNumberField(*maxTemperatureEdit_, maxTemperature, messages_, forms_))
        ReadNumberField(*minTemperatureEdit_, minTemperature, messages_, forms_);
    table_.SetTemperatureBounds(minTemperature, maxTemperature);
    return page;
}

void CDlgTable::RefreshBoundFields() {
    pageNumberEdit_->setText(QString::number(table_.CurrentPage()));
    pageCountEdit_->setText(QString::number(table_.PageCount()));
    maxTemperatureEdit_->setText(NumberText(table_.MaxTemperature(), forms_));
    minTemperatureEdit_->setText(NumberText(table_.MinTemperature(), forms_));
}

void CDlgTable::FillList() {
    model_.FillList();
    RefreshBoundFields();
}

void CDlgTable::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPageBackground(painter, rect());
}

}  // namespace velka
