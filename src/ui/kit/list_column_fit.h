#pragma once
// Column widths of an archive list from what its columns hold, so that every title and every
// column's widest text is read whole in the list's own type and style.

#include <QString>
#include <vector>

namespace velka {

class CLineColorList;

struct ListColumnContent {
    QString widestText;     // empty for free text, which takes the room left over
    bool checkBox = false;  // a check box stands before the text
};

// Sets the widths of the list's columns, one for each entry of `columns`: the wider of the
// column's title (with room for the sort mark when the list shows one) and its widest text.
// When they do not fit in the list's width, its type is made smaller a pixel at a time, down
// to 9 pixels. The room left goes to the free text columns, or to every column when none is.
// The titles are the model's: set it first.
void FitColumnsToContent(CLineColorList& list, const std::vector<ListColumnContent>& columns);

}  // namespace velka
