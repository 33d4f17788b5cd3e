#pragma once
// What the parameter page's Write does to the image, and the checks before it.

#include "record/logger_image.h"
#include "record/logger_settings.h"
#include "record/reference_table.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velka {

// The checks the Write makes before anything is encoded, in the order the user meets them: no
// text holds a NUL character, then the product list, the Delivery Company, the Receiving
// Company, and the lower alarm limit below the upper one. Returns the message.
std::optional<std::string> CheckRequiredFields(const LoggerSettings& settings);

// Whether the settings fit the image without losing anything: at most 10 products of at most
// 1,374 bytes, texts no longer than their slots (20 code units for companies and product
// texts, 16 for the batch number, 10 for the transport number, 2 for the unit), quantities
// 0…65535. Returns the message for the first that does not.
std::optional<std::string> CheckFitsImage(const LoggerSettings& settings);

// EncodeSettings into the status and settings blocks (clockSetTime = now), then the product
// table and its tail.
void ApplySettingsToImage(const LoggerSettings& settings, LoggerImage& image,
                          const ReferenceTable& currentTable, std::int64_t now);

}  // namespace velka
