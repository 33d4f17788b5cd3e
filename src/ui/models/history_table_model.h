#pragma once
// The history list as a Qt item model: the rows of the current page, a check box in front of
// each row (at most one checked), the entry's index in the shown entries as item data. It shows
// the local archive's rows, or a page of the central archive's with their site and workstation.

#include "archive/history_list.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velka {

class HistoryTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // The role that carries a row's item data: its entry's index in the shown entries.
    static constexpr int ItemDataRole = Qt::UserRole;

    explicit HistoryTableModel(HistoryList& history, QObject* parent = nullptr);

    // Rebuilds the rows from the history's current page, all unchecked: after every scan
    // result, query, cancel, sort or change of page.
    void FillList();
    // Deletes every row, before a rescan empties the entries.
    void ClearList();
    // A page of the central archive: these rows, with the two columns of where they came from.
    void ShowCentralRows(std::vector<HistoryRow> rows);
    bool ShowsCentralRows() const { return central_; }
    // The local recordings the central archive does not hold yet (their stored names): marked.
    void MarkWaitingUploads(std::set<std::string> storedNames);
    // The picture in front of such a row (the window's style gives it).
    void SetWaitingMark(QIcon mark) { waitingMark_ = std::move(mark); }
    // The item data of the checked row, when one is checked.
    std::optional<std::size_t> CheckedItemData() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    HistoryList& history_;
    std::vector<HistoryRow> rows_;
    std::optional<int> checkedRow_;
    bool central_ = false;
    std::set<std::string> waitingUploads_;
    QIcon waitingMark_;
};

}  // namespace velka
