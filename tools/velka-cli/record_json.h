#pragma once
// The JSON form of a decoded recording, as `velka-cli decode` prints it.

#include <nlohmann/json.hpp>

#include "record/logger_image.h"
#include "record/recording.h"

namespace velka::cli {

using Json = nlohmann::ordered_json;

Json RecordingJson(const LoggerImage& image, const Recording& recording);

}  // namespace velka::cli
