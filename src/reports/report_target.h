#pragma once
// Where a report may be written. It never replaces what Velka keeps: a stored logger image
// (".bin"), anything in the archive folder, the settings file or the reference tables. Any
// other regular file that exists is replaced only when the user says so (the window asks, the
// command line wants --force); a pipe, /dev/stdout or a device is written through.

#include "storage/data_root.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velka {

// The files a report must never replace.
struct KeptFiles {
    DataRoot dataRoot;                      // its archive folder and its calibrated table
    std::filesystem::path referenceFolder;  // the delivered reference tables
    std::filesystem::path settingsFile;     // config.ini
};

// Why a report must not be written to `path` ("… is a stored logger image, which a report
// never replaces"), or nothing. Links are followed to the file they lead to.
std::optional<std::string> RefuseReportTarget(const std::filesystem::path& path,
                                              const KeptFiles& kept);

// Whether writing `path` would replace a regular file that exists (a link's target included).
bool ReplacesExistingFile(const std::filesystem::path& path);

// "… already exists. Replace it?"
std::string ReplaceQuestion(const std::filesystem::path& path);

}  // namespace velka
