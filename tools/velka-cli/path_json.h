#pragma once
// File names and paths in velka-cli's JSON output. JSON holds Unicode text only, while a name
// on Linux is any bytes: a name that is not UTF-8 must neither make the output fail after the
// command has done its work nor lose the bytes that tell it from another name.

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace velka::cli {

// `json[field]` holds the name as text, each byte that is not UTF-8 shown as U+FFFD; for such a
// name only, `json[field + "Base64"]` holds its exact bytes in base64.
void PutPath(nlohmann::ordered_json& json, const std::string& field,
             const std::filesystem::path& path);

// A message for a JSON field: bytes that are not UTF-8 (a file name quoted in it) shown as
// U+FFFD.
std::string JsonText(std::string_view text);

}  // namespace velka::cli
