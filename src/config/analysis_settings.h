#pragma once
// The user's analysis choice in config.ini: "MKT Activation Energy" (kJ/mol, default 83.144) and
// "Alarm Profile" (default logger), in the program's section. The window keeps it there; the
// command line reads it, so that a watching dock judges recordings as the window does.

#include "analysis/recording_analysis.h"
#include "storage/profile_file.h"

#include <filesystem>
#include <system_error>

namespace velka {

// A missing key, a value that is not a number in range or not a profile's name gives the default.
// Numbers are read and written with a point whatever the locale.
AnalysisChoice ReadAnalysisChoice(const ProfileFile& file);
void PutAnalysisChoice(ProfileFile& file, const AnalysisChoice& choice);

// The choice in the file at `path`; the defaults when there is none or it cannot be read.
AnalysisChoice LoadAnalysisChoice(const std::filesystem::path& path);
// Writes the two keys, keeping everything else in the file (UpdateProfileFile).
std::error_code SaveAnalysisChoice(const std::filesystem::path& path, const AnalysisChoice& choice);

}  // namespace velka
