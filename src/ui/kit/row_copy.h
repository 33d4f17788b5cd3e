#pragma once
// The rows of an archive list as tab-separated text, which a spreadsheet takes from the
// clipboard as a table, and the Copy key of the lists that puts their selected rows there.

#include <QString>
#include <span>

class QAbstractItemModel;
class QTableView;

namespace velka {

// The titles of `columns`, then one line for each of `rows`, each cell as the list shows it
// (Qt::DisplayRole). A tab or line break inside a title or cell becomes a blank, so that no
// text can split the table. Every line ends with "\n".
QString RowsAsTabSeparatedText(const QAbstractItemModel& model, std::span<const int> rows,
                               std::span<const int> columns);

// Lets the user select several rows of `list` (Shift and Ctrl with the clicks) and copy them
// with the platform's Copy keys (Ctrl+C): the selected rows in the order the list shows them,
// its shown columns in their order. With no row selected the clipboard keeps what it holds.
void InstallRowCopy(QTableView& list);

}  // namespace velka
