#include "app/app_settings.h"

#include "config/analysis_settings.h"
#include "config/unit_setting.h"
#include "record/text_encoding.h"
#include "storage/data_root.h"
#include "storage/file_io.h"
#include "storage/profile_file.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>

namespace velka {
namespace {

// The key names are the ones earlier versions of the file used, spelling included.
constexpr const char* kCheckWpEnableKey = "Check WP Enable";
constexpr const char* kProductInfoKey = "Product Info";
constexpr const char* kCompanyInfoKey = "Company Info";
constexpr const char* kNoticeTimeoutKey = "Show infomation timeout";
constexpr const char* kSigningCertificateKey = "Signing Certificate";
constexpr const char* kSigningDatabaseKey = "Signing Database";
constexpr const char* kLanguageKey = "Language";

std::string CutText(const std::string& value) {
    std::u16string units = Utf16FromUtf8(value);
    if (units.size() <= kMaxSettingTextUnits)
        return value;
    std::size_t keep = kMaxSettingTextUnits;
    if (units[keep - 1] >= 0xD800 && units[keep - 1] <= 0xDBFF)
        --keep;  // the first half of a pair whose second half is cut off
    units.resize(keep);
    return Utf8FromUtf16(units);
}

// An integer as the profile functions read one: leading blanks, a sign and digits, whatever
// follows ignored ("5000 ms" is 5000), beyond the range of int clamped. A value that does not
// start with a number gives the default rather than 0, so a stray letter cannot turn the
// notices into boxes that vanish at once.
int IntegerOf(const std::optional<std::string>& value, int defaultValue) {
    if (!value)
        return defaultValue;
    std::string_view text = *value;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error == std::errc::result_out_of_range)
        return !text.empty() && text.front() == '-' ? INT_MIN : INT_MAX;
    if (error != std::errc() || end == text.data())
        return defaultValue;
    return static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
}

const std::string kOldProductInfo = "XXX温度记录软件";
const std::string kOldCompanyInfo = "版本：1.0.0.0  版权所有 (C) XXX科技有限公司";

}  // namespace

AppSettings LoadAppSettings(const std::filesystem::path& configFile) {
    AppSettings settings;
    const std::optional<std::string> text = ReadWholeFile(configFile);
    if (!text)
        return settings;
    const ProfileFile file = ProfileFile::Parse(*text);
    settings.checkWpEnable =
        IntegerOf(file.Value(kSettingsSection, kCheckWpEnableKey), settings.checkWpEnable);
    // Earlier versions wrote their placeholder texts ("XXX" for a distributor's name) back into
    // the file; those are no one's texts, and give way to the product's own.
    if (auto value = file.Value(kSettingsSection, kProductInfoKey);
        value && *value != kOldProductInfo)
        settings.productInfo = CutText(*value);
    if (auto value = file.Value(kSettingsSection, kCompanyInfoKey);
        value && *value != kOldCompanyInfo)
        settings.companyInfo = CutText(*value);
    settings.noticeTimeoutMs =
        IntegerOf(file.Value(kSettingsSection, kNoticeTimeoutKey), settings.noticeTimeoutMs);
    settings.analysis = ReadAnalysisChoice(file);
    settings.unit = ReadTemperatureUnit(file);
    settings.language = file.Value(kSettingsSection, kLanguageKey).value_or("");
    settings.signing.nickname = file.Value(kSettingsSection, kSigningCertificateKey).value_or("");
    settings.signing.database = file.Value(kSettingsSection, kSigningDatabaseKey).value_or("");
    return settings;
}

std::error_code SaveAppSettings(const std::filesystem::path& configFile,
                                const AppSettings& settings) {
    return UpdateProfileFile(configFile, [&settings](ProfileFile& file) {
        file.SetValue(kSettingsSection, kCheckWpEnableKey, std::to_string(settings.checkWpEnable));
        file.SetValue(kSettingsSection, kProductInfoKey, settings.productInfo);
        file.SetValue(kSettingsSection, kCompanyInfoKey, settings.companyInfo);
        file.SetValue(kSettingsSection, kNoticeTimeoutKey,
                      std::to_string(settings.noticeTimeoutMs));
        PutAnalysisChoice(file, settings.analysis);
        PutTemperatureUnit(file, settings.unit);
        file.SetValue(kSettingsSection, kLanguageKey, settings.language);
        file.SetValue(kSettingsSection, kSigningCertificateKey, settings.signing.nickname);
        file.SetValue(kSettingsSection, kSigningDatabaseKey, settings.signing.database.string());
    });
}

std::string SystemPageInformation(const AppSettings& settings) {
    const std::string product = settings.productInfo == kDefaultProductInfo
                                    ? Tr(kDefaultProductInfoText)
                                    : settings.productInfo;
    const std::string company = settings.companyInfo == kDefaultCompanyInfo
                                    ? WithArguments(Tr(kDefaultCompanyInfoText), {VELKA_VERSION})
                                    : settings.companyInfo;
    return product + "\n" + company;
}

}  // namespace velka
