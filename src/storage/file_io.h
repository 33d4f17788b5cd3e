#pragma once
// Whole-file reads and crash-safe writes. Reads take regular files only (a symbolic link to one
// too): a pipe or a device would block the program or never end, so they "cannot be read"
// like a missing file. Every read is bounded.

#include "record/logger_image.h"
#include "storage/staged_file.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace velka {

// The largest settings or table file read: far above any real one.
constexpr std::size_t kLargestTextFileBytes = std::size_t{1024} * 1024;

// Why a file was not read when the system had no objection.
enum class FileReadError {
    NotRegularFile = 1,  // a pipe, a device, a socket
    TooLarge,
    IncompleteImage,  // a stored image that is not exactly 16,384 bytes
};
std::error_code make_error_code(FileReadError error);

// Reads a stored image into `image`: a file of exactly 16,384 bytes. A shorter or longer one is
// "not a complete logger image" (a cut copy, or something else altogether) and, like a file
// that cannot be read, leaves `image` as it was. Returns the number of bytes read, or nothing
// when the file is refused (then `error`, when given, says why).
std::optional<std::size_t> ReadImageFile(const std::filesystem::path& path, LoggerImage& image,
                                         std::error_code* error = nullptr);

// The whole content of a text or data file of at most `maxBytes`, or nothing when it cannot
// be read or is larger (then `error`, when given, says why).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path,
                                         std::size_t maxBytes = kLargestTextFileBytes,
                                         std::error_code* error = nullptr);

// A path as every message shows it: control characters escaped (EscapeControlCharacters), so
// that a name holding a newline or a terminal escape keeps the message on one harmless line.
std::string MessagePath(const std::filesystem::path& path);

// "PATH: REASON", e.g. "missing.json: No such file or directory", the path as MessagePath.
std::string DescribeFileError(const std::filesystem::path& path, std::error_code error);

// Writes a file so that it is either wholly the new content or left as it was: a temporary
// file in the same folder, flushed to disk, renamed over the name (see staged_file.h for
// special files and links). A failure removes the temporary file and returns the system's
// error.
// `access` ReadOnly takes the write bits off the complete file (an archived recording).
std::error_code WriteFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> content,
                                    StagedFile::Access access = StagedFile::Access::AsUsual);
std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view content);
// The same for a file that must not replace anything: it takes `path` only when nothing has
// that name, std::errc::file_exists otherwise (see StagedFile::CommitAsNew).
std::error_code WriteNewFileAtomically(const std::filesystem::path& path,
                                       std::span<const std::uint8_t> content,
                                       StagedFile::Access access = StagedFile::Access::AsUsual);

}  // namespace velka

template <> struct std::is_error_code_enum<velka::FileReadError> : std::true_type {};
