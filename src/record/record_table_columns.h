#pragma once
// The columns of the record table's list, defined here only: the page and its item model show
// them, and the workbook and the CSV export take their titles for the sample table's head.

#include "record/logger_image.h"
#include "record/temperature_unit.h"
#include "services/translation.h"

#include <array>
#include <string>
#include <string_view>

namespace velka {

struct RecordTableColumn {
    UiText title;
    // The widest text the column holds, which the list makes room for.
    std::string_view widestText;
    // The temperature's column: its title ends in the sign of the unit shown ("Temperature℃").
    bool takesUnitSign = false;
};

static_assert(kMaxSamples <= 9999, "a sample's number has at most four digits");

constexpr std::array<RecordTableColumn, 3> kRecordTableColumns{{
    {VELKA_TEXT("RecordTable", "Number"), "9999"},
    {VELKA_TEXT("RecordTable", "Record time"), "2000-12-31 23:59:59"},
    // A reference table may reach below -100 °C or above 100 °C.
    {VELKA_TEXT("RecordTable", "Temperature"), "-888.8", true},
}};

inline std::string RecordTableColumnTitle(const RecordTableColumn& column, TemperatureUnit unit) {
    return Tr(column.title) + std::string(column.takesUnitSign ? UnitSign(unit) : "");
}

}  // namespace velka
