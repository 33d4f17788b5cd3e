#pragma once
// The files an export is to write, checked before any of them is written: a check that fails
// halfway through would leave some outputs replaced and others not.

#include "reports/report_target.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velka::cli {

struct ExportTarget {
    std::string option;  // "--pdf", "--xlsx", "--csv" or "--chart"
    std::filesystem::path path;
};

// Throws CommandFailure naming the first output that is the input image, is the same file as
// another output, is a file no report may replace (`kept`), exists as a regular file without
// `force`, is a folder, or cannot be written (its folder is missing or refuses new files).
void CheckExportTargets(const std::filesystem::path& input,
                        const std::vector<ExportTarget>& targets, const KeptFiles& kept,
                        bool force);

}  // namespace velka::cli
