#include "ui/models/record_table_model.h"

#include "record/record_table_columns.h"

#include <QBrush>
#include <QColor>

namespace velka {
namespace {

constexpr int kRecordColumnCount = static_cast<int>(kRecordTableColumns.size());

QBrush Brush(const RgbColor& color) {
    return QBrush(QColor(color.red, color.green, color.blue));
}

}  // namespace

RecordTableModel::RecordTableModel(const RecordTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void RecordTableModel::FillList() {
    beginResetModel();
    rows_ = table_.PageRows();
    endResetModel();
}

int RecordTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecordTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRecordColumnCount;
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RecordRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdU16String(row.texts[static_cast<std::size_t>(index.column())]);
    case Qt::ForegroundRole:
        return Brush(row.colors.text);
    case Qt::BackgroundRole:
        return Brush(row.colors.background);
    default:
        return {};
    }
}

Qt::ItemFlags RecordTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kRecordColumnCount)
        return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(RecordTableColumnTitle(
            kRecordTableColumns[static_cast<std::size_t>(section)], table_.Unit()));
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

}  // namespace velka
