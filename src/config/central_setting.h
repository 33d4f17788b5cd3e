#pragma once
// Where the central archive is, in config.ini: "Central Archive" (a libpq connection string or
// "service=NAME") and "Site" (the name this workstation's uploads carry), in the program's
// section. Only this key or velka-cli's --db switch the central archive on: libpq's own PG*
// variables and service files work inside the string, never by themselves.

#include "storage/profile_file.h"

#include <filesystem>
#include <string>

namespace velka {

struct CentralSetting {
    std::string connection;  // empty: no central archive
    std::string site;

    bool operator==(const CentralSetting&) const = default;
};

CentralSetting ReadCentralSetting(const ProfileFile& file);
// The setting in the file at `path`; none when there is no file or it cannot be read.
CentralSetting LoadCentralSetting(const std::filesystem::path& path);

}  // namespace velka
