#include "app/app_settings.h"

#include "app/profile_file.h"
#include "record/text_encoding.h"
#include "storage/data_root.h"
#include "storage/file_io.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <optional>

namespace velka {
namespace {

constexpr const char* kSection = "Velka";
// The key names are the ones earlier versions of the file used, spelling included.
constexpr const char* kCheckWpEnableKey = "Check WP Enable";
constexpr const char* kProductInfoKey = "Product Info";
constexpr const char* kCompanyInfoKey = "Company Info";
constexpr const char* kNoticeTimeoutKey = "Show infomation timeout";

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
        IntegerOf(file.Value(kSection, kCheckWpEnableKey), settings.checkWpEnable);
    // Earlier versions wrote their placeholder texts ("XXX" for a distributor's name) back into
    // the file; those are no one's texts, and give way to the product's own.
    if (auto value = file.Value(kSection, kProductInfoKey); value && *value != kOldProductInfo)
        settings.productInfo = CutText(*value);
    if (auto value = file.Value(kSection, kCompanyInfoKey); value && *value != kOldCompanyInfo)
        settings.companyInfo = CutText(*value);
    settings.noticeTimeoutMs =
        IntegerOf(file.Value(kSection, kNoticeTimeoutKey), settings.noticeTimeoutMs);
    return settings;
}

std::error_code SaveAppSettings(const std::filesystem::path& configFile,
                                const AppSettings& settings) {
    // A config.ini that is a link (kept in a dotfiles folder) is written where it points.
    std::error_code error;
    std::filesystem::path target = configFile;
    if (std::filesystem::symlink_status(configFile, error).type() ==
        std::filesystem::file_type::symlink) {
        target = std::filesystem::weakly_canonical(configFile, error);
        if (error)
            return error;
    }
    if (!EnsureDirectory(target.parent_path()))
        return std::make_error_code(std::errc::not_a_directory);

    // A file that exists but cannot be read is left alone rather than replaced by one that has
    // lost whatever else it held.
    const std::optional<std::string> text = ReadWholeFile(target);
    if (!text && std::filesystem::exists(target, error))
        return std::make_error_code(std::errc::permission_denied);
    ProfileFile file = ProfileFile::Parse(text.value_or(std::string()));
    file.SetValue(kSection, kCheckWpEnableKey, std::to_string(settings.checkWpEnable));
    file.SetValue(kSection, kProductInfoKey, settings.productInfo);
    file.SetValue(kSection, kCompanyInfoKey, settings.companyInfo);
    file.SetValue(kSection, kNoticeTimeoutKey, std::to_string(settings.noticeTimeoutMs));
    return WriteFileAtomically(target, file.Text());
}

}  // namespace velka
