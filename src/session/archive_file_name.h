#pragma once
// The name of an archived recording: serial number and local start time, so that reading the
// same recording twice gives the same file; and where a recording goes when that name is taken
// by another one.

#include "record/logger_image.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace velka {

// serialText + "_%Y-%m-%d_%H-%M-%S" of the start in local time + ".bin",
// e.g. "0A1B2C3D_2018-05-04_09-07-05.bin".
std::string ArchiveFileName(const std::string& serialText, std::int64_t startTime);

// Whether `stored` holds the recording `image` continues: the same serial number and start
// (in UTC), and the stored samples are where the newer record begins (a logger only adds).
bool SameRecording(const LoggerImage& stored, const LoggerImage& image);

// Where `image` is archived in `folder`: the file of its name when that is free or holds the
// same recording (which the newer read replaces); otherwise, as for two recordings whose local
// start times read alike in the hour that repeats when summer time ends, the name with "_2",
// "_3", … before ".bin". Empty when no name up to "_99" is free.
std::filesystem::path ArchivePathFor(const std::filesystem::path& folder, const LoggerImage& image);

// The archived file, under the image's name or one of its suffixed forms, that holds image
// bytes 3776…16383 (everything a logger transfers) exactly as `image` does.
std::optional<std::filesystem::path> FindArchivedCopy(const std::filesystem::path& folder,
                                                      const LoggerImage& image);

}  // namespace velka
