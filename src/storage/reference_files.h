#pragma once
// The delivered reference tables and the calibrated "current.txt" on disk.

#include "record/reference_table.h"
#include "storage/data_root.h"

#include <filesystem>

namespace velka {

// Reads high.txt, middle.txt and low.txt from `folder` (by default reftable/ beside the
// executable). A missing or short file leaves its table zero-filled from that row on, silently.
ReferenceTables LoadReferenceTables(const std::filesystem::path& folder);
std::filesystem::path DefaultReferenceFolder();

// Writes the calibrated table as DATA-ROOT/reftable/current.txt. Failure is silent to the user;
// the result tells the caller.
bool WriteCurrentTable(const DataRoot& dataRoot, const ReferenceTable& currentTable);

}  // namespace velka
