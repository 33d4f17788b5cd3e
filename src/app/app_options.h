#pragma once
// The command line of the window program:
//   velka [--demo] [--data-root DIR] [--config FILE] [--reftable DIR] [--now UNIX]
//   velka --help | --version

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velka {

// The version is the project's (CMakeLists.txt), as the package and the reports give it.
inline constexpr const char* kVersionText = "Velka, Version " VELKA_VERSION;

struct AppOptions {
    bool help = false;
    bool version = false;
    bool demo = false;
    std::optional<std::filesystem::path> dataRoot;
    std::optional<std::filesystem::path> configFile;
    std::optional<std::filesystem::path> referenceFolder;
    std::optional<std::int64_t> now;
};

struct OptionsError {
    std::string message;
};

// The arguments after the program's name.
std::variant<AppOptions, OptionsError> ParseAppOptions(const std::vector<std::string>& arguments);

std::string AppUsage();

}  // namespace velka
