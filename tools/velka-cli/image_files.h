#pragma once
// Reading and writing the files named on the command line: images and settings files.

#include "record/logger_image.h"

#include <filesystem>
#include <string>

namespace velka::cli {

// A zero image filled from the file's first 16,384 bytes (a shorter file fills it from the
// start). Throws CommandFailure with the reason when the file cannot be read.
LoggerImage ReadImageArgument(const std::filesystem::path& path);

// Writes the 16,384 bytes atomically; throws CommandFailure, leaving no partial file.
void WriteImageArgument(const std::filesystem::path& path, const LoggerImage& image);

// The text of a settings file of at most 1 MB; throws CommandFailure with the reason
// ("missing.json: No such file or directory").
std::string ReadSettingsArgument(const std::filesystem::path& path);

}  // namespace velka::cli
