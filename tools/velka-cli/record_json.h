#pragma once
// The JSON form of a decoded recording, as `velka-cli decode` prints it.

#include "record/logger_image.h"
#include "record/recording.h"
#include "record/temperature_unit.h"

#include <nlohmann/json.hpp>

namespace velka::cli {

using Json = nlohmann::ordered_json;

// The recording (in °C) with its temperatures in `unit`, which "unit" names ("C" or "F"); the
// limit codes and raw values as stored.
Json RecordingJson(const LoggerImage& image, const Recording& recording,
                   TemperatureUnit unit = TemperatureUnit::Celsius);

}  // namespace velka::cli
