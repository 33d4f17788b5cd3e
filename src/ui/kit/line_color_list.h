#pragma once
// A report-view list: one line per row, columns of fixed widths under left-aligned titles,
// grid lines, whole rows selected (one at a time unless the owner allows more) and still shown
// selected when the list loses focus. Each row is drawn in the text and background colours its
// model gives for it (Qt::ForegroundRole, Qt::BackgroundRole); a row without colours gets the
// list's own. The owner decides the colours; the list only draws them.

#include <QTableView>
#include <span>

namespace velka {

class CLineColorList : public QTableView {
    Q_OBJECT

public:
    explicit CLineColorList(QWidget* parent = nullptr);

    // Column widths in pixels, from the first column on; applied again whenever the model
    // changes.
    void SetColumnWidths(std::span<const int> widthsPixels);
    // Rows are made just tall enough for this many to fit without scrolling, but never
    // shorter than the font needs.
    void SetRowsPerPage(int rowsPerPage);

    void setModel(QAbstractItemModel* model) override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyColumnWidths();
    void UpdateRowHeight();

    std::vector<int> columnWidthsPixels_;
    int rowsPerPage_ = 0;
};

}  // namespace velka
