#pragma once
// The name of an archived recording: serial number and local start time, so that reading the
// same recording twice gives the same file; and which recordings may share a file.

#include "record/logger_image.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace velka {

// The suffix of a stored image: written in lower case, recognised in any case (".BIN" files
// copied from other systems are recordings too).
inline constexpr std::string_view kImageSuffix = ".bin";
// Whether `name` ends in the suffix after at least one character.
bool HasImageSuffix(std::string_view name);

// serialText + "_%Y-%m-%d_%H-%M-%S" of the start in local time + ".bin",
// e.g. "0A1B2C3D_2018-05-04_09-07-05.bin".
std::string ArchiveFileName(const std::string& serialText, std::int64_t startTime);

// How many names one recording start can have: "NAME.bin", "NAME_2.bin", … "NAME_99.bin".
constexpr int kMostArchiveNames = 99;

// The name with number 1, 2, … of the recording in `image`: "NAME.bin", "NAME_2.bin", …; the
// further names serve recordings whose names read alike, as two recordings whose local start
// times fall in the hour that repeats when summer time ends.
std::filesystem::path NumberedArchivePath(const std::filesystem::path& folder,
                                          const LoggerImage& image, int number);

// Whether `image` continues the recording `stored` holds, so that it may replace it: the same
// serial number and start (in UTC), the same settings area (bytes 14848…16383), and the stored
// samples are where the newer record begins (a logger only adds).
bool SameRecording(const LoggerImage& stored, const LoggerImage& image);

// Whether the two images hold everything a logger transfers (bytes 3776…16383) alike.
bool SameTransferredBytes(const LoggerImage& a, const LoggerImage& b);

}  // namespace velka
