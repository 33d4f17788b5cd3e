#include "ui/models/history_table_model.h"

#include "archive/archive_manifest.h"
#include "services/translation.h"

#include <QColor>

namespace velka {

HistoryTableModel::HistoryTableModel(HistoryList& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

void HistoryTableModel::FillList() {
    beginResetModel();
    rows_ = history_.PageRows();
    checkedRow_.reset();
    endResetModel();
}

void HistoryTableModel::ClearList() {
    beginResetModel();
    rows_.clear();
    checkedRow_.reset();
    endResetModel();
}

std::optional<std::size_t> HistoryTableModel::CheckedItemData() const {
    if (!checkedRow_)
        return std::nullopt;
    return rows_[static_cast<std::size_t>(*checkedRow_)].itemData;
}

int HistoryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HistoryTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kHistoryColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const HistoryRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdU16String(row.texts[static_cast<std::size_t>(index.column())]);
    // A recording changed after it was archived stays listed, in red, and says why.
    case Qt::ForegroundRole:
        return row.changedSinceArchived ? QVariant(QColor(200, 0, 0)) : QVariant();
    case Qt::ToolTipRole:
        return row.changedSinceArchived
                   ? QVariant(QString::fromStdString(Tr(kChangedRecordingText)))
                   : QVariant();
    case ItemDataRole:
        return QVariant::fromValue(static_cast<qulonglong>(row.itemData));
    case Qt::CheckStateRole:
        if (index.column() != kNumberColumn)
            return {};
        return checkedRow_ == index.row() ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool HistoryTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != kNumberColumn ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    const std::optional<int> previous = checkedRow_;
    if (checked)
        checkedRow_ = index.row();
    else if (checkedRow_ == index.row())
        checkedRow_.reset();
    else
        return true;  // unchecking a row that was not checked changes nothing
    // Checking a row clears the check of the row checked before.
    if (previous && previous != checkedRow_)
        emit dataChanged(this->index(*previous, 0), this->index(*previous, 0),
                         {Qt::CheckStateRole});
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags HistoryTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == kNumberColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kHistoryColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromStdString(Tr(kHistoryColumns[static_cast<std::size_t>(section)].title));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

}  // namespace velka
