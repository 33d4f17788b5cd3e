#include "ui/pages/product_editor.h"

#include "config/field_limits.h"
#include "config/settings_titles.h"
#include "ui/kit/field_values.h"
#include "ui/kit/num_edit.h"
#include "ui/kit/page_controls.h"
#include "ui/kit/ui_text.h"

#include <QDateTimeEdit>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace velka {

ProductEditor::ProductEditor(QWidget& page, MessageService& messages, std::int64_t now,
                             const ShownForms& forms)
    : QObject(&page), messages_(messages), model_(forms) {
    PlaceLabel(page, TrQ("ParameterPage", "Product Information"), {25, 325, 120, 16},
               Qt::AlignLeft);
    PlaceLabel(page, TrQ(title::kProductNumber), {110, 145, 95, 16});
    PlaceLabel(page, RequiredTitle(title::kProductName), {110, 172, 95, 16});
    PlaceLabel(page, TrQ(title::kSpecification), {110, 199, 95, 16});
    PlaceLabel(page, TrQ(title::kBatchNumber), {80, 226, 125, 16});
    PlaceLabel(page, TrQ(title::kShipmentNumber), {110, 253, 95, 16});
    PlaceLabel(page, TrQ(title::kQuantity), {110, 280, 95, 16});
    PlaceLabel(page, TrQ(title::kUnit), {270, 280, 35, 16});
    PlaceLabel(page, TrQ(title::kValidity), {375, 280, 100, 16});

    number_ = PlaceTextField(page, {210, 142, 260, 22}, "numberField", kProductFieldUnits);
    name_ = PlaceTextField(page, {210, 169, 260, 22}, "productNameField", kProductFieldUnits);
    spec_ =
        PlaceTextField(page, {210, 196, 260, 22}, "specificationModelField", kProductFieldUnits);
    batch_ = PlaceTextField(page, {210, 223, 260, 22}, "productBatchNumberField", kBatchFieldUnits);
    shipment_ =
        PlaceTextField(page, {210, 250, 260, 22}, "shipmentNumberField", kProductFieldUnits);
    quantity_ = Place(new CNumEdit(&page), {210, 277, 50, 22}, "quantityField");
    quantity_->SetMaximum(kMaxQuantity);
    unit_ = PlaceTextField(page, {310, 277, 60, 22}, "unitField", kUnitFieldUnits);
    validity_ =
        Place(MakeDatePicker(page, false, now, forms), {480, 277, 100, 22}, "validityPicker");
    // The product table keeps two characters of the unit; the field takes no more, and says so.
    QLabel* unitNote = PlaceLabel(page, "", {590, 280, 200, 16}, Qt::AlignLeft);
    unitNote->setText(
        TrQ("ParameterPage", "Unit: the logger keeps %1 characters").arg(kUnitFieldUnits));
    unitNote->setObjectName("unitNote");
    unitNote->setForegroundRole(QPalette::PlaceholderText);
    unit_->setToolTip(unitNote->text());

    add_ =
        Place(new QPushButton(TrQ("ParameterPage", "Add"), &page), {485, 155, 75, 35}, "addButton");
    delete_ = Place(new QPushButton(TrQ("ParameterPage", "Delete"), &page), {485, 195, 75, 35},
                    "deleteButton");
    update_ = Place(new QPushButton(TrQ("ParameterPage", "Update"), &page), {485, 235, 75, 35},
                    "updateButton");

    view_ = Place(new QTableView(&page), {140, 305, 650, 180}, "productList");
    view_->setAccessibleName(TrQ("ParameterPage", "Products"));
    view_->setModel(&model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move through the rows, Space ticks one; Tab leaves the list.
    view_->setTabKeyNavigation(false);
    view_->setShowGrid(true);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    QHeaderView* header = view_->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    // Each title is read whole; the list scrolls sideways when the columns outgrow it.
    for (int column = 0; column < model_.columnCount(); ++column)
        header->resizeSection(
            column, std::max(kProductColumns[column].widthPixels, header->sectionSizeHint(column)));
    view_->installEventFilter(this);

    connect(add_, &QPushButton::clicked, this, &ProductEditor::Add);
    connect(delete_, &QPushButton::clicked, this, &ProductEditor::Delete);
    connect(update_, &QPushButton::clicked, this, &ProductEditor::Update);
    connect(&model_, &ProductListModel::tickChanged, this, &ProductEditor::TickChanged);
    connect(view_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { model_.SetTicked(index.row(), true); });
}

void ProductEditor::LoadProducts(const std::vector<ProductRecord>& products, int tableUsedBytes) {
    list_.Assign({products, tableUsedBytes});
    Rebuild();
}

void ProductEditor::ClearFields() {
    for (QLineEdit* field : {number_, name_, spec_, batch_, shipment_, unit_})
        field->clear();
    quantity_->clear();
}

std::vector<QWidget*> ProductEditor::EditingControls() const {
    return {number_, name_,     spec_, batch_, shipment_, quantity_,
            unit_,   validity_, view_, add_,   delete_,   update_};
}

bool ProductEditor::eventFilter(QObject* watched, QEvent* event) {
    // The space bar ticks and unticks the current row, whichever of its cells is current.
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && view_->currentIndex().isValid()) {
        const int row = view_->currentIndex().row();
        model_.SetTicked(row, model_.TickedRow() != row);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

ProductRecord ProductEditor::RecordFromFields() const {
    // The picker holds only times that fit the image's 32 bits.
    const auto validity = static_cast<std::uint32_t>(PickerSeconds(*validity_));
    return MakeProductRecord(0, Utf16(*unit_), quantity_->Value(), validity, Utf16(*number_),
                             Utf16(*name_), Utf16(*spec_), Utf16(*shipment_), Utf16(*batch_));
}

void ProductEditor::ShowInFields(const ProductRecord& product) {
    unit_->setText(FromUtf16(product.unit));
    quantity_->setText(QString::number(product.quantity));
    SetPickerSeconds(*validity_, product.validity);
    name_->setText(FromUtf16(product.name));
    spec_->setText(FromUtf16(product.spec));
    number_->setText(FromUtf16(product.number));
    shipment_->setText(FromUtf16(product.shipment));
    batch_->setText(FromUtf16(product.batch));
}

void ProductEditor::Rebuild() {
    model_.Rebuild(list_.Products());
}

void ProductEditor::Add() {
    const UserMessage outcome = list_.Add(RecordFromFields());
    if (outcome.icon == MessageIcon::Information)
        Rebuild();
    messages_.ShowMessage(outcome.text, outcome.icon);
}

void ProductEditor::Delete() {
    if (const std::optional<int> row = model_.TickedRow())
        list_.Remove(model_.IdAt(*row));
    Rebuild();
}

void ProductEditor::Update() {
    const ProductRecord fields = RecordFromFields();
    const std::optional<int> row = model_.TickedRow();
    if (!row) {
        messages_.ShowMessage(Tr("ParameterPage", "Please select Product Information first"),
                              MessageIcon::Warning);
        return;
    }
    if (const std::optional<UserMessage> outcome = list_.Update(model_.IdAt(*row), fields))
        messages_.ShowMessage(outcome->text, outcome->icon);
    Rebuild();
}

void ProductEditor::TickChanged(int row, bool ticked) {
    QItemSelectionModel* selection = view_->selectionModel();
    const QModelIndex first = model_.index(row, 0);
    if (!ticked) {
        selection->select(first, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        return;
    }
    selection->setCurrentIndex(first,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (const ProductRecord* product = list_.Find(model_.IdAt(row)))
        ShowInFields(*product);
}

}  // namespace velka
