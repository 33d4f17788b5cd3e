#pragma once
// The columns of the record table's list, defined here only: the page and its item model show
// them, and the workbook and the CSV export take their titles for the sample table's head.

#include <array>
#include <string_view>

namespace velka {

struct RecordTableColumn {
    std::string_view title;
    int widthPixels;
};

constexpr std::array<RecordTableColumn, 3> kRecordTableColumns{{
    {"Number", 100},
    {"Record time", 250},
    {"Temperature℃", 100},
}};

}  // namespace velka
