#pragma once
// The record table as a Qt item model: the rows of the current page with their colours.

#include "ui/models/record_table.h"

#include <QAbstractTableModel>
#include <vector>

namespace velka {

class RecordTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RecordTableModel(const RecordTable& table, QObject* parent = nullptr);

    // Rebuilds the rows from the table's current page, after every change of it.
    void FillList();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const RecordTable& table_;
    std::vector<RecordRow> rows_;
};

}  // namespace velka
