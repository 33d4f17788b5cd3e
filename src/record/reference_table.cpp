#include "record/reference_table.h"

#include "record/decimal_text.h"
#include "services/translation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace velka {

// A table whose resistances never rise (and hold no NaN) can be searched by bisection: the
// predicate "resistance <= R" is then false for a prefix of the rows and true for the rest.
bool IsNonIncreasing(const ReferenceTable& table) {
    for (std::size_t i = 0; i + 1 < kReferenceRows; ++i) {
        if (!(table.rows[i + 1].resistance <= table.rows[i].resistance))
            return false;
    }
    return true;
}

namespace {

// A line "%f    %f": two numbers, blanks between them, anything after the second. The text
// ends at a NUL as it would for scanf.
std::optional<std::pair<float, float>> ReadNumberPair(std::string_view line) {
    line = line.substr(0, line.find('\0'));
    const auto first = ParseLeadingFloat(line);
    if (!first)
        return std::nullopt;
    const auto second = ParseLeadingFloat(first->rest);
    if (!second)
        return std::nullopt;
    return std::pair(first->value, second->value);
}

std::size_t FirstRowNotAbove(double resistance, const ReferenceTable& table, bool nonIncreasing) {
    if (nonIncreasing) {
        const auto it = std::partition_point(
            table.rows.begin(), table.rows.end(),
            [resistance](const ReferenceRow& row) { return !(row.resistance <= resistance); });
        return static_cast<std::size_t>(it - table.rows.begin());
    }
    for (std::size_t i = 0; i < kReferenceRows; ++i) {
        if (table.rows[i].resistance <= resistance)
            return i;
    }
    return kReferenceRows;
}

}  // namespace

double RowTemperature(int row) {
    return row * 0.1 + kScaleColdEnd;
}

LookupResult LookupTemperature(double resistance, const ReferenceTable& table) {
    return LookupTemperature(resistance, table, IsNonIncreasing(table));
}

LookupResult LookupTemperature(double resistance, const ReferenceTable& table,
                               bool tableIsNonIncreasing) {
    const std::size_t i = FirstRowNotAbove(resistance, table, tableIsNonIncreasing);
    if (i == 0)
        return {table.rows[0].temperature, table.rows[0].resistance, 0};

    int resultRow;
    if (i == kReferenceRows) {
        // Hotter than the warm end: clamp to +70.0 °C.
        resultRow = kLastReferenceRow;
    } else {
        const double distanceCold = table.rows[i - 1].resistance - resistance;
        const double distanceWarm = resistance - table.rows[i].resistance;
        resultRow = distanceCold > distanceWarm ? static_cast<int>(i) : static_cast<int>(i - 1);
    }
    return {RowTemperature(resultRow), table.rows[resultRow].resistance, resultRow};
}

double ResistanceFromCalibration(std::uint16_t word) {
    return word * kDividerResistance / (65536 - word);
}

double ResistanceFromSample(std::uint16_t sample) {
    const int a = sample * 4;
    return (4096 - a) * kDividerResistance / a;
}

ReferenceTable BuildCurrentTable(const ReferenceTables& tables, std::uint16_t calibrationA,
                                 std::uint16_t calibrationB) {
    const double ra = ResistanceFromCalibration(calibrationA);
    const double rb = ResistanceFromCalibration(calibrationB);
    const int k = LookupTemperature(ra, tables.middle).row;
    const double resA = tables.middle.rows[k].resistance;

    ReferenceTable current;
    if (ra <= rb) {
        const double high = tables.high.rows[k].resistance;
        const double denominator = high - resA;
        // Equal middle and high rows leave the factor undefined: stay on the middle table.
        const double f = denominator == 0.0 ? 0.0 : (std::min(high, rb) - resA) / denominator;
        for (std::size_t j = 0; j < kReferenceRows; ++j) {
            const double middle = tables.middle.rows[j].resistance;
            current.rows[j].temperature = tables.middle.rows[j].temperature;
            current.rows[j].resistance = middle + (tables.high.rows[j].resistance - middle) * f;
        }
    } else {
        const double low = tables.low.rows[k].resistance;
        const double denominator = resA - low;
        const double f = denominator == 0.0 ? 0.0 : (resA - std::max(low, rb)) / denominator;
        for (std::size_t j = 0; j < kReferenceRows; ++j) {
            const double middle = tables.middle.rows[j].resistance;
            current.rows[j].temperature = tables.middle.rows[j].temperature;
            current.rows[j].resistance = middle - (middle - tables.low.rows[j].resistance) * f;
        }
    }
    return current;
}

std::size_t ParseReferenceTable(std::string_view text, ReferenceTable& table) {
    std::size_t row = 0;
    std::size_t position = 0;
    while (row < kReferenceRows && position < text.size()) {
        const std::size_t end = std::min(text.find('\n', position), text.size());
        if (const auto pair = ReadNumberPair(text.substr(position, end - position))) {
            table.rows[row].temperature = pair->first;
            table.rows[row].resistance = pair->second;
        }
        position = end + 1;
        ++row;
    }
    return row;
}

std::optional<std::string> ReferenceTableProblem(const ReferenceTable& table) {
    for (std::size_t i = 0; i < kReferenceRows; ++i) {
        const ReferenceRow& row = table.rows[i];
        const std::string number = std::to_string(i + 1);
        if (!std::isfinite(row.temperature))
            return WithArguments(
                Tr("ReferenceTables", "row %1 holds a temperature that is not a number"), {number});
        if (!std::isfinite(row.resistance))
            return WithArguments(
                Tr("ReferenceTables", "row %1 holds a resistance that is not a number"), {number});
        if (!(row.resistance > 0.0))
            return WithArguments(Tr("ReferenceTables", "row %1 holds no resistance"), {number});
    }
    return std::nullopt;
}

std::string FormatReferenceTable(const ReferenceTable& table) {
    std::string text;
    text.reserve(kReferenceRows * 24);
    for (const ReferenceRow& row : table.rows) {
        text += FixedDecimal(row.temperature, 1);
        text += "    ";
        text += FixedDecimal(row.resistance, 3);
        text += '\n';
    }
    return text;
}

}  // namespace velka
