#pragma once
// A recording of the central archive as a row of the history list: the local columns' texts,
// then the site and the workstation it was uploaded from.

#include "archive/history_list.h"
#include "central/central_query.h"

namespace velka {

// `position` is the row's 0-based place in the whole result, for the "Number" column.
HistoryRow CentralHistoryRow(const CentralRow& row, std::size_t position, const ShownForms& forms);

}  // namespace velka
