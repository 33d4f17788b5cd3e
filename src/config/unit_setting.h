#pragma once
// The user's "Temperature Unit" in config.ini: "C" (the default) or "F", in the program's
// section. The window keeps it there; velka-cli export reads it, so that a report made on the
// command line shows what the window's would.

#include "record/temperature_unit.h"
#include "storage/profile_file.h"

#include <filesystem>
#include <system_error>

namespace velka {

// A missing key or a value other than C or F gives °C.
TemperatureUnit ReadTemperatureUnit(const ProfileFile& file);
void PutTemperatureUnit(ProfileFile& file, TemperatureUnit unit);

// The unit in the file at `path`; °C when there is none or it cannot be read.
TemperatureUnit LoadTemperatureUnit(const std::filesystem::path& path);
// Writes the key, keeping everything else in the file (UpdateProfileFile).
std::error_code SaveTemperatureUnit(const std::filesystem::path& path, TemperatureUnit unit);

}  // namespace velka
