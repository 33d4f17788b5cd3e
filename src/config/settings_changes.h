#pragma once
// What a settings write changed on a logger, field by field, for the audit log: each field named
// as velka-cli's JSON names it ("upperLimit", "products[2].name"), its values as text.

#include "record/logger_image.h"
#include "record/reference_table.h"

#include <string>
#include <vector>

namespace velka {

struct SettingChange {
    std::string field;
    std::string before;  // empty for a product that was added
    std::string after;   // empty for a product that was removed

    bool operator==(const SettingChange&) const = default;
};

// Every field that differs between the logger's image before the write and the image written,
// both read as the program reads a logger (limits through `table`).
std::vector<SettingChange> SettingsChanges(const LoggerImage& before, const LoggerImage& after,
                                           const ReferenceTable& table);

}  // namespace velka
