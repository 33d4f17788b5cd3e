// Arbitrary text as a table file: the reader keeps to 1001 rows, the lookup answers the same
// by bisection and by row scan, and the blend and "current.txt" stay well-formed.
#include "record/reference_table.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    std::uint16_t calibrationA = 0;
    std::uint16_t calibrationB = 0;
    std::memcpy(&calibrationA, data, 2);
    std::memcpy(&calibrationB, data + 2, 2);
    const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);

    velka::ReferenceTables tables;
    velka::ParseReferenceTable(text, tables.middle);
    tables.high = tables.middle;
    tables.low = tables.middle;
    for (auto& row : tables.high.rows)
        row.resistance *= 1.01;
    for (auto& row : tables.low.rows)
        row.resistance *= 0.99;

    const velka::ReferenceTable current =
        velka::BuildCurrentTable(tables, calibrationA, calibrationB);
    const bool monotone = velka::IsNonIncreasing(current);
    for (const double r :
         {0.0, 1.0, 5.1, 12.7, 100.0, 1e6, velka::ResistanceFromCalibration(calibrationA)}) {
        const velka::LookupResult a = velka::LookupTemperature(r, current, monotone);
        const velka::LookupResult b = velka::LookupTemperature(r, current, false);
        if (a.row != b.row || a.row < 0 || a.row > 1000)
            std::abort();
    }
    const std::string formatted = velka::FormatReferenceTable(current);
    std::size_t lines = 0;
    for (const char c : formatted)
        lines += c == '\n';
    if (lines != velka::kReferenceRows)
        std::abort();
    return 0;
}
