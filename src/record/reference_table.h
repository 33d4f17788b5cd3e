#pragma once
// Thermistor reference tables: resistance against temperature, 1001 rows 0.1 °C apart from
// -30.0 °C (row 0) to +70.0 °C (row 1000). The resistance falls with the row number (NTC).

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velka {

constexpr std::size_t kReferenceRows = 1001;
constexpr int kLastReferenceRow = 1000;
// The span of the tables in whole °C, row 0 to the last row: the scale of every temperature the
// logger measures, and the range of its alarm limits.
constexpr int kScaleColdEnd = -30;
constexpr int kScaleWarmEnd = 70;
// The divider's fixed resistor, in the unit of the table files (kΩ).
constexpr double kDividerResistance = 5.1;

struct ReferenceRow {
    double temperature = 0.0;  // as read from the file; only row 0's is ever shown
    double resistance = 0.0;
};

struct ReferenceTable {
    std::array<ReferenceRow, kReferenceRows> rows{};
};

// The three delivered tables: the nominal curve and the two edges of the tolerance band.
struct ReferenceTables {
    ReferenceTable high;
    ReferenceTable middle;
    ReferenceTable low;
};

struct LookupResult {
    double temperature = 0.0;
    double resistance = 0.0;
    int row = 0;
};

// The temperature a row stands for: row x 0.1 - 30.0, computed rather than read.
double RowTemperature(int row);

// Nearest-row lookup: the first row whose resistance is not above R, then the nearer of that
// row and the one before it (ties go to the colder row). A resistance above row 0's gives row 0
// as stored; one below every row (hotter than +70.0 °C, or NaN) gives row 1000.
LookupResult LookupTemperature(double resistance, const ReferenceTable& table);
// The same lookup with the table's order checked once by the caller (IsNonIncreasing): a
// non-increasing table is searched by bisection, any other row by row; both give one answer.
LookupResult LookupTemperature(double resistance, const ReferenceTable& table,
                               bool tableIsNonIncreasing);
bool IsNonIncreasing(const ReferenceTable& table);

// The calibration word grows with the resistance, a sample falls with it.
double ResistanceFromCalibration(std::uint16_t word);
double ResistanceFromSample(std::uint16_t sample);

// Blends the calibrated table from the three delivered tables and the image's two
// calibration words (calibrationA is the 20 °C standard sample value).
ReferenceTable BuildCurrentTable(const ReferenceTables& tables, std::uint16_t calibrationA,
                                 std::uint16_t calibrationB);

// Reads a table file's text ("%f    %f" per line, temperature then resistance) into the rows
// from row 0 on. Reading stops after the 1001st line or at the end of the text; rows after the
// last line keep their content, and so does the row of a line that does not hold two numbers.
// Returns the number of lines taken (1001 for a complete file).
std::size_t ParseReferenceTable(std::string_view text, ReferenceTable& table);

// Whether a table can convert anything: every row holds a finite temperature and a finite
// resistance above zero (a thermistor's never reaches zero). A row that a short file or a
// line without two numbers left empty fails too. The problem in words ("row 12 holds no
// resistance"), or nothing for a usable table.
std::optional<std::string> ReferenceTableProblem(const ReferenceTable& table);

// The text of "current.txt": 1001 lines "%.1f    %.3f\n".
std::string FormatReferenceTable(const ReferenceTable& table);

}  // namespace velka
