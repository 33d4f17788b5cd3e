#pragma once
// The delivered reference tables as the build placed them beside the programs.

#include "record/reference_table.h"

#include <filesystem>

namespace velka::testing {

std::filesystem::path ReferenceFolder();
const ReferenceTables& DeliveredTables();

}  // namespace velka::testing
