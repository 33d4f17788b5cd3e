#pragma once
// The samples as CSV for other tools: a head row "Number,Record time,Temperature℃,Alarm" (with
// °F: "Temperature°F") and one row per sample, UTF-8, RFC 4180 (CRLF line ends, fields quoted
// where they need it), local times as "%Y-%m-%d %H:%M:%S", temperatures in the unit with one
// decimal and the alarm flag -1, 0 or 1. The recording is in °C.

#include "record/recording.h"
#include "reports/report_inputs.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace velka {

std::string CsvField(std::string_view text);
std::string SamplesCsv(const Recording& recording, TemperatureUnit unit);

// Writes SamplesCsv to path, atomically.
ExportResult WriteSamplesCsv(const Recording& recording, TemperatureUnit unit,
                             const std::filesystem::path& path);

}  // namespace velka
