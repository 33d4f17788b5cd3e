#include "ui/kit/list_column_fit.h"

#include "ui/kit/line_color_list.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <numeric>

namespace velka {
namespace {

constexpr int kSmallestPixelSize = 9;

// The title's width plus what the style keeps of the section for margins and the sort mark.
int TitleWidth(const QHeaderView& header, int column) {
    QStyleOptionHeader option;
    option.initFrom(&header);
    option.state |= QStyle::State_Horizontal;
    option.orientation = Qt::Horizontal;
    option.section = column;
    option.text = header.model()->headerData(column, Qt::Horizontal).toString();
    constexpr int kAnyWidthPixels = 1000;
    option.rect = QRect(0, 0, kAnyWidthPixels, header.sizeHint().height());
    if (header.isSortIndicatorShown())
        option.sortIndicator = QStyleOptionHeader::SortDown;
    const QRect label = header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header);
    return header.fontMetrics().horizontalAdvance(option.text) + kAnyWidthPixels - label.width();
}

// The size the style gives an item with this text, check box and margins included, and the
// grid line beside it.
int ContentWidth(const CLineColorList& list, const ListColumnContent& column) {
    if (column.widestText.isEmpty() && !column.checkBox)
        return 0;
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.widget = &list;
    option.font = list.font();
    option.text = column.widestText;
    option.features = QStyleOptionViewItem::HasDisplay;
    if (column.checkBox)
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = list.textElideMode();
    const int gridPixels = list.showGrid() ? 1 : 0;
    return list.style()
               ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &list)
               .width() +
           gridPixels;
}

std::vector<int> NeededWidths(const CLineColorList& list,
                              const std::vector<ListColumnContent>& columns) {
    std::vector<int> widths;
    for (std::size_t column = 0; column < columns.size(); ++column)
        widths.push_back(std::max(TitleWidth(*list.horizontalHeader(), static_cast<int>(column)),
                                  ContentWidth(list, columns[column])));
    return widths;
}

int Sum(const std::vector<int>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0);
}

}  // namespace

void FitColumnsToContent(CLineColorList& list, const std::vector<ListColumnContent>& columns) {
    const int roomPixels = list.width() - 2 * list.frameWidth();
    std::vector<int> widths = NeededWidths(list, columns);
    while (Sum(widths) > roomPixels && list.font().pixelSize() > kSmallestPixelSize) {
        QFont font = list.font();
        font.setPixelSize(font.pixelSize() - 1);
        list.setFont(font);
        widths = NeededWidths(list, columns);
    }

    std::vector<std::size_t> takers;
    for (std::size_t column = 0; column < columns.size(); ++column)
        if (columns[column].widestText.isEmpty())
            takers.push_back(column);
    if (takers.empty()) {
        takers.resize(columns.size());
        std::iota(takers.begin(), takers.end(), std::size_t{0});
    }
    const int spare = roomPixels - Sum(widths);
    if (spare > 0 && !takers.empty()) {
        const int share = spare / static_cast<int>(takers.size());
        for (const std::size_t column : takers)
            widths[column] += share;
        widths[takers.back()] += spare - share * static_cast<int>(takers.size());
    }
    list.SetColumnWidths(widths);
}

}  // namespace velka
