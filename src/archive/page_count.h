#pragma once
// How many pages a list fills: the rule both archive pages show after their page number.

#include <cstddef>
#include <cstdint>

namespace velka {

// Pages of `rowsPerPage` rows that `rowCount` rows fill, the last one perhaps in part; no rows
// fill no page.
constexpr std::int32_t PageCountOf(std::size_t rowCount, std::int32_t rowsPerPage) {
    const auto perPage = static_cast<std::size_t>(rowsPerPage);
    return static_cast<std::int32_t>((rowCount + perPage - 1) / perPage);
}

}  // namespace velka
