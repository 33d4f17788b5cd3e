#pragma once
// Whole-file reads and crash-safe writes.

#include "record/logger_image.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace velka {

// Reads at most the first 16,384 bytes of a stored image into `image`, from its start; bytes
// beyond a short file keep what `image` held. Returns the number of bytes read, or nothing
// when the file cannot be opened or read.
std::optional<std::size_t> ReadImageFile(const std::filesystem::path& path, LoggerImage& image);

// The whole content of a text or data file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Writes a file so that it is either wholly the new content or left as it was: a temporary
// file in the same folder, flushed to disk, renamed over the name. A failure removes the
// temporary file and returns the system's error.
std::error_code WriteFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> content);
std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace velka
