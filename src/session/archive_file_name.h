#pragma once
// The name of an archived recording: serial number and local start time, so that reading the
// same recording twice gives the same file.

#include <cstdint>
#include <string>

namespace velka {

// serialText + "_%Y-%m-%d_%H-%M-%S" of the start in local time + ".bin",
// e.g. "0A1B2C3D_2018-05-04_09-07-05.bin".
std::string ArchiveFileName(const std::string& serialText, std::int64_t startTime);

}  // namespace velka
