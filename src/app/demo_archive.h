#pragma once
// Something for the history to show in demo mode: an empty demo archive is filled with a
// dozen synthetic recordings of several loggers over the last few months, some of them with
// temperature excursions.

#include "record/reference_table.h"
#include "storage/data_root.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace velka {

// Writes the recordings into DATA-ROOT/Data when it holds no .bin file; returns the files
// written (none when the archive already had recordings or could not be written).
std::vector<std::filesystem::path>
FillEmptyDemoArchive(const DataRoot& dataRoot, const ReferenceTables& tables, std::int64_t now);

}  // namespace velka
