#include "ui/kit/line_color_list.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>

namespace velka {

CLineColorList::CLineColorList(QWidget* parent) : QTableView(parent) {
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move through the rows; Tab leaves the list for the next control.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);

    // The selected row stays marked when the focus moves to a button of the page.
    QPalette colors = palette();
    colors.setColor(QPalette::Inactive, QPalette::Highlight,
                    colors.color(QPalette::Active, QPalette::Highlight));
    colors.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    colors.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colors);
    UpdateRowHeight();
}

void CLineColorList::SetColumnWidths(std::span<const int> widthsPixels) {
    columnWidthsPixels_.assign(widthsPixels.begin(), widthsPixels.end());
    ApplyColumnWidths();
}

void CLineColorList::SetRowsPerPage(int rowsPerPage) {
    rowsPerPage_ = rowsPerPage;
    UpdateRowHeight();
}

void CLineColorList::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    ApplyColumnWidths();
    // A reset brings the columns back with their default widths.
    if (model != nullptr)
        connect(model, &QAbstractItemModel::modelReset, this, &CLineColorList::ApplyColumnWidths,
                Qt::UniqueConnection);
}

void CLineColorList::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        UpdateRowHeight();
}

void CLineColorList::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    UpdateRowHeight();
}

void CLineColorList::ApplyColumnWidths() {
    for (std::size_t column = 0; column < columnWidthsPixels_.size(); ++column)
        setColumnWidth(static_cast<int>(column), columnWidthsPixels_[column]);
}

void CLineColorList::UpdateRowHeight() {
    const int fontRowHeight = fontMetrics().height() + 2;
    int rowHeight = fontRowHeight;
    if (rowsPerPage_ > 0) {
        const int rowsArea = height() - 2 * frameWidth() - horizontalHeader()->sizeHint().height();
        rowHeight = std::max(rowsArea / rowsPerPage_, fontRowHeight);
    }
    verticalHeader()->setMinimumSectionSize(std::min(rowHeight, fontRowHeight));
    verticalHeader()->setDefaultSectionSize(rowHeight);
}

}  // namespace velka
