#pragma once
// The user settings of the program, kept in section [Velka] of its config.ini: read once at
// start-up (a missing file or key gives the default, silently) and written back, all of them,
// when the program ends, so the first run leaves a complete file. The analysis choice and the
// temperature unit are also written whenever the user changes them.

#include "analysis/recording_analysis.h"
#include "record/temperature_unit.h"
#include "services/translation.h"
#include "session/acquisition_controller.h"
#include "signing/report_signing.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace velka {

inline constexpr UiText kDefaultProductInfoText =
    VELKA_TEXT("SystemPage", "Velka temperature data logger software");
inline constexpr UiText kDefaultCompanyInfoText =
    VELKA_TEXT("SystemPage", "Version %1  Copyright (C) 2026 the Velka developers");
inline const std::string kDefaultProductInfo = kDefaultProductInfoText.source;
inline const std::string kDefaultCompanyInfo =
    WithArguments(kDefaultCompanyInfoText.source, {VELKA_VERSION});

struct AppSettings {
    // Non-zero: the parameter page refuses editing and writing while no logger is connected or
    // the logger is write-protected.
    int checkWpEnable = 0;
    // The two lines under the system page (UTF-8): this product's own, unless whoever
    // distributes the program writes theirs into config.ini.
    std::string productInfo = kDefaultProductInfo;
    std::string companyInfo = kDefaultCompanyInfo;
    // How long each of the two plug-in notices stays up.
    int noticeTimeoutMs = kDefaultNoticeTimeoutMs;
    // "MKT Activation Energy" and "Alarm Profile".
    AnalysisChoice analysis;
    // "Temperature Unit": C or F.
    TemperatureUnit unit = TemperatureUnit::Celsius;
    // "Language": "de", "zh_CN" or "en"; empty follows the system's locale.
    std::string language;
    // "Signing Certificate" and "Signing Database": the PDF page offers signing when a
    // certificate is named.
    SigningSetup signing;

    bool operator==(const AppSettings&) const = default;
};

// The two lines under the system page: the product's own in the user's language, or the texts
// whoever distributes the program wrote into config.ini.
std::string SystemPageInformation(const AppSettings& settings);

// The texts are read into 260-character buffers: longer values are cut to their first 259
// UTF-16 units (never in the middle of a surrogate pair).
constexpr std::size_t kMaxSettingTextUnits = 259;

AppSettings LoadAppSettings(const std::filesystem::path& configFile);
// Writes the keys in their fixed order, keeping whatever else the file holds. The program
// ignores a failure (the settings are simply not kept); the result is for tests.
std::error_code SaveAppSettings(const std::filesystem::path& configFile,
                                const AppSettings& settings);

}  // namespace velka
