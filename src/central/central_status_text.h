#pragma once
// What the window says of the central archive's uploads, in the user's language: "Central
// archive: up to date", or what waits and since when the server has not been reached.

#include "central/central_uploader.h"

#include <string>

namespace velka {

// The failure itself goes beside it (a tooltip): this is the line a user at the dock reads.
std::string CentralStatusText(const UploadStatus& status);
// When no upload runs: "Central archive: not in use: <reason>".
std::string CentralUnusedText(const std::string& reason);

}  // namespace velka
