#pragma once
// The JSON form of a decoded recording, as `velka-cli decode` prints it.

#include "record/logger_image.h"
#include "record/recording.h"

#include <nlohmann/json.hpp>

namespace velka::cli {

using Json = nlohmann::ordered_json;

Json RecordingJson(const LoggerImage& image, const Recording& recording);

}  // namespace velka::cli
