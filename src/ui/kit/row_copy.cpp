#include "ui/kit/row_copy.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <algorithm>
#include <vector>

namespace velka {
namespace {

QString OneLineCell(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

// The list's own Copy key would copy the current cell alone; this one takes the rows.
class RowCopyFilter final : public QObject {
public:
    explicit RowCopyFilter(QTableView& list) : QObject(&list), list_(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &list_)
            return false;
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        // Claimed before any shortcut of the window can take the keys.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            CopySelectedRows();
        return true;
    }

private:
    void CopySelectedRows() const {
        const QItemSelectionModel* selection = list_.selectionModel();
        if (list_.model() == nullptr || selection == nullptr)
            return;
        const QHeaderView& rowOrder = *list_.verticalHeader();
        std::vector<int> rows;
        for (const QModelIndex& index : selection->selectedRows())
            rows.push_back(index.row());
        if (rows.empty())
            return;
        std::sort(rows.begin(), rows.end(),
                  [&](int a, int b) { return rowOrder.visualIndex(a) < rowOrder.visualIndex(b); });
        const QHeaderView& columnOrder = *list_.horizontalHeader();
        std::vector<int> columns;
        for (int visual = 0; visual < columnOrder.count(); ++visual) {
            const int column = columnOrder.logicalIndex(visual);
            if (!columnOrder.isSectionHidden(column))
                columns.push_back(column);
        }
        QGuiApplication::clipboard()->setText(
            RowsAsTabSeparatedText(*list_.model(), rows, columns));
    }

    QTableView& list_;
};

}  // namespace

QString RowsAsTabSeparatedText(const QAbstractItemModel& model, std::span<const int> rows,
                               std::span<const int> columns) {
    QString text;
    const auto addLine = [&](const auto& cellText) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += u'\t';
            text += OneLineCell(cellText(columns[i]));
        }
        text += u'\n';
    };
    addLine([&](int column) { return model.headerData(column, Qt::Horizontal).toString(); });
    for (const int row : rows)
        addLine([&](int column) { return model.index(row, column).data().toString(); });
    return text;
}

void InstallRowCopy(QTableView& list) {
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    list.installEventFilter(new RowCopyFilter(list));
}

}  // namespace velka
