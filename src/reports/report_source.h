#pragma once
// What ties a report to its recording: the archive file it came from, the SHA-256 of the image
// it was made from, and the time zone its times are given in, since a report travels to readers
// in other zones. Both reports print it; the audit log records the export by the same values.

#include "record/logger_image.h"
#include "services/translation.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace velka {

inline constexpr UiText kNotArchivedText = VELKA_TEXT("Report", "not archived");

struct ReportSource {
    std::string fileName = kNotArchivedText.source;  // the archived file's name
    std::string sha256;                              // of the image; empty when unknown
};

// The source of a report made from `image`, stored as `file` (empty: not archived).
ReportSource SourceOfImage(const std::filesystem::path& file, const LoggerImage& image);

// The local zone at `seconds`, named and with its offset: "Europe/Oslo, UTC+01:00" (the name
// from TZ, else from /etc/localtime; the zone's abbreviation when neither names it).
std::string LocalZoneText(std::int64_t seconds);

// "Source: 0A1B2C3D_2026-12-04_10-21-00.bin · SHA-256 9f86…08 · times in Europe/Oslo,
// UTC+01:00", the zone as at `seconds`.
std::string SourceText(const ReportSource& source, std::int64_t seconds);

}  // namespace velka
