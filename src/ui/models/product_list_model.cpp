#include "ui/models/product_list_model.h"

#include <iterator>

namespace velka {
namespace {

constexpr int kColumnCount = static_cast<int>(std::size(kProductColumns));

}  // namespace

void ProductListModel::Rebuild(const std::vector<ProductRecord>& products) {
    beginResetModel();
    products_ = products;
    tickedRow_.reset();
    endResetModel();
}

std::uint8_t ProductListModel::IdAt(int row) const {
    return products_.at(static_cast<std::size_t>(row)).id;
}

void ProductListModel::SetTicked(int row, bool ticked) {
    if (row < 0 || row >= rowCount())
        return;
    if (!ticked) {
        if (tickedRow_ == row) {
            tickedRow_.reset();
            EmitTickChanged(row, false);
        }
        return;
    }
    if (tickedRow_ == row)
        return;
    if (const std::optional<int> previous = tickedRow_) {
        tickedRow_.reset();
        EmitTickChanged(*previous, false);
    }
    tickedRow_ = row;
    EmitTickChanged(row, true);
}

void ProductListModel::EmitTickChanged(int row, bool ticked) {
    const QModelIndex box = index(row, 0);
    emit dataChanged(box, box, {Qt::CheckStateRole});
    emit tickChanged(row, ticked);
}

bool ProductListModel::IsRow(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < rowCount() &&
           index.column() < columnCount();
}

int ProductListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(products_.size());
}

int ProductListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString ProductListModel::Text(const ProductRecord& product, int column) const {
    switch (column) {
    case 0:
        return QString::fromStdU16String(product.number);
    case 1:
        return QString::fromStdU16String(product.name);
    case 2:
        return QString::fromStdU16String(product.spec);
    case 3:
        return QString::fromStdU16String(product.batch);
    case 4:
        return QString::fromStdString(ShownDate(product.validity, forms_));
    case 5:
        return QString::fromStdU16String(product.unit);
    case 6:
        return QString::number(product.quantity);
    case 7:
        return QString::fromStdU16String(product.shipment);
    default:
        return {};
    }
}

QVariant ProductListModel::data(const QModelIndex& index, int role) const {
    if (!IsRow(index))
        return {};
    const ProductRecord& product = products_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(product, index.column());
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return tickedRow_ == index.row() ? Qt::Checked : Qt::Unchecked;
        return {};
    case kIdRole:
        return product.id;
    default:
        return {};
    }
}

QVariant ProductListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return (section == 0 ? QStringLiteral("     ") : QString()) +
               QString::fromStdString(Tr(kProductColumns[section].heading));
    return {};
}

Qt::ItemFlags ProductListModel::flags(const QModelIndex& index) const {
    if (!IsRow(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ProductListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != 0 || !IsRow(index))
        return false;
    // Views send the check state as an integer.
    SetTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

}  // namespace velka
