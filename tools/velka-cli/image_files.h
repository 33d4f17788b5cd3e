#pragma once
// Reading and writing the image files named on the command line.

#include "record/logger_image.h"

#include <filesystem>

namespace velka::cli {

// A zero image filled from the file's first 16,384 bytes (a shorter file fills it from the
// start). Throws CommandFailure when the file cannot be read.
LoggerImage ReadImageArgument(const std::filesystem::path& path);

// Writes the 16,384 bytes atomically; throws CommandFailure, leaving no partial file.
void WriteImageArgument(const std::filesystem::path& path, const LoggerImage& image);

}  // namespace velka::cli
