#pragma once
// The four user settings of the program, kept in section [Velka] of its config.ini: read once at
// start-up (a missing file or key gives the default, silently) and written back, all four, when
// the program ends, so the first run leaves a complete file.

#include <filesystem>
#include <string>
#include <system_error>

namespace velka {

struct AppSettings {
    // Non-zero: the parameter page refuses editing and writing while no logger is connected or
    // the logger is write-protected.
    int checkWpEnable = 0;
    // The two lines under the system page (UTF-8). The defaults are the delivered texts, with
    // "XXX" where whoever distributes the program writes its name into config.ini.
    std::string productInfo = "XXX温度记录软件";
    std::string companyInfo = "版本：1.0.0.0  版权所有 (C) XXX科技有限公司";
    // How long each of the two plug-in notices stays up.
    int noticeTimeoutMs = 2000;

    bool operator==(const AppSettings&) const = default;
};

// The texts are read into 260-character buffers: longer values are cut to their first 259
// UTF-16 units (never in the middle of a surrogate pair).
constexpr std::size_t kMaxSettingTextUnits = 259;

AppSettings LoadAppSettings(const std::filesystem::path& configFile);
// Writes the four keys in their fixed order, keeping whatever else the file holds. The program
// ignores a failure (the settings are simply not kept); the result is for tests.
std::error_code SaveAppSettings(const std::filesystem::path& configFile,
                                const AppSettings& settings);

}  // namespace velka
