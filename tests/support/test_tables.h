#pragma once
// The delivered reference tables as the build placed them beside the programs.

#include "storage/reference_files.h"

#include <filesystem>

namespace velka::testing {

std::filesystem::path ReferenceFolder();
const LoadedReferenceTables& DeliveredTables();

}  // namespace velka::testing
