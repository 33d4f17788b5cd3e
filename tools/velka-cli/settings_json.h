#pragma once
// The settings file of `apply-settings` and `write-settings`: every key optional, a missing key
// keeps the decoded value.

#include "record/logger_settings.h"

#include <string>

namespace velka::cli {

// Applies the JSON text's keys to the decoded settings and checks the result as the Write
// does. Throws CommandFailure with the system's own message when the settings are refused.
LoggerSettings SettingsFromJson(const std::string& jsonText, LoggerSettings settings);

}  // namespace velka::cli
