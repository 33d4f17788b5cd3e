#include "ui/models/history_table_model.h"

#include "archive/archive_manifest.h"
#include "services/translation.h"
#include "ui/kit/ui_text.h"

#include <QColor>

namespace velka {

HistoryTableModel::HistoryTableModel(HistoryList& history, QObject* parent)
    : QAbstractTableModel(parent), history_(history) {}

namespace {

constexpr int kCentralColumnCount = kHistoryColumnCount + 2;
constexpr UiText kCentralColumnTitles[] = {VELKA_TEXT("HistoryPage", "Site"),
                                           VELKA_TEXT("HistoryPage", "Workstation")};
constexpr UiText kWaitingUploadText =
    VELKA_TEXT("HistoryPage", "Not in the central archive yet: it is uploaded when the server "
                              "answers");

}  // namespace

void HistoryTableModel::FillList() {
    beginResetModel();
    rows_ = history_.PageRows();
    checkedRow_.reset();
    central_ = false;
    endResetModel();
}

void HistoryTableModel::ClearList() {
    beginResetModel();
    rows_.clear();
    checkedRow_.reset();
    endResetModel();
}

void HistoryTableModel::ShowCentralRows(std::vector<HistoryRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    checkedRow_.reset();
    central_ = true;
    endResetModel();
}

void HistoryTableModel::MarkWaitingUploads(std::set<std::string> storedNames) {
    if (storedNames == waitingUploads_)
        return;
    waitingUploads_ = std::move(storedNames);
    if (!rows_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DecorationRole, Qt::ToolTipRole});
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
    if (parent.isValid())
        return 0;
    return central_ ? kCentralColumnCount : kHistoryColumnCount;
}

QVariant HistoryTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const HistoryRow& row = rows_[static_cast<std::size_t>(index.row())];
    // A local recording the central archive lacks carries an upload arrow and says why.
    const bool waiting = !central_ && waitingUploads_.contains(row.storedName);
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == kHistoryColumnCount)
            return QString::fromStdU16String(row.site);
        if (index.column() == kHistoryColumnCount + 1)
            return QString::fromStdU16String(row.workstation);
        return QString::fromStdU16String(row.texts[static_cast<std::size_t>(index.column())]);
    // A recording changed after it was archived stays listed, in red, and says why.
    case Qt::ForegroundRole:
        return row.changedSinceArchived ? QVariant(QColor(200, 0, 0)) : QVariant();
    case Qt::DecorationRole:
        return waiting && index.column() == kNumberColumn ? QVariant(waitingMark_) : QVariant();
    case Qt::ToolTipRole: {
        QStringList reasons;
        if (row.changedSinceArchived)
            reasons << QString::fromStdString(Tr(kChangedRecordingText));
        if (waiting)
            reasons << TrQ(kWaitingUploadText);
        return reasons.isEmpty() ? QVariant() : QVariant(reasons.join(QLatin1Char('\n')));
    }
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
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return section < kHistoryColumnCount
                   ? TrQ(kHistoryColumns[static_cast<std::size_t>(section)].title)
                   : TrQ(kCentralColumnTitles[section - kHistoryColumnCount]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

}  // namespace velka
