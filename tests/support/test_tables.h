#pragma once
// The delivered reference tables as the build placed them beside the programs.

#include <filesystem>

#include "record/reference_table.h"

namespace velka::testing {

std::filesystem::path ReferenceFolder();
const ReferenceTables& DeliveredTables();

}  // namespace velka::testing
