#pragma once
// A cold-chain analysis as velka-cli prints it (analyse, and decode under "analysis").

#include "analysis/series_analysis.h"
#include "record/recording.h"
#include "record/temperature_unit.h"

#include <cstdint>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>

namespace velka::cli {

// The time of sample k, when the series has times (a logger's recording); none for a text
// series.
using SampleTimes = std::function<std::int64_t(std::size_t)>;

// Temperatures in `unit`, under the key "celsius" or "fahrenheit"; the analysis is of °C.
nlohmann::json AnalysisJson(const SeriesAnalysis& analysis, const SampleTimes& times,
                            TemperatureUnit unit);

// The analysis of a decoded recording by its own limits (the logger profile, the default ΔH),
// as decode, read and erase print it under "analysis"; null for a record without samples.
nlohmann::json LoggerAnalysisJson(const Recording& recording, TemperatureUnit unit);

}  // namespace velka::cli
