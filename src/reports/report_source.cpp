#include "reports/report_source.h"

#include "services/translation.h"
#include "storage/sha256.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace velka {
namespace {

// The zone's name: TZ when set (":Europe/Oslo" read as the file it names), else the zoneinfo
// file /etc/localtime links to; empty when neither names one.
std::string ZoneName() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
        std::string_view name = tz;
        if (name.front() == ':')
            name.remove_prefix(1);
        return std::string(name);
    }
    std::error_code error;
    const std::string target = std::filesystem::read_symlink("/etc/localtime", error).string();
    constexpr std::string_view kZoneInfo = "zoneinfo/";
    if (const std::size_t at = target.find(kZoneInfo); !error && at != std::string::npos)
        return target.substr(at + kZoneInfo.size());
    return {};
}

}  // namespace

ReportSource SourceOfImage(const std::filesystem::path& file, const LoggerImage& image) {
    return {file.empty() ? std::string(kNotArchivedText.source) : file.filename().string(),
            Sha256Hex(image)};
}

std::string LocalZoneText(std::int64_t seconds) {
    const auto value = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&value, &local);
    const long offset = local.tm_gmtoff;
    // Offsets stay within a day: two digits each.
    constexpr long kMinutesADay = 24L * 60;
    const int minutes = static_cast<int>((offset < 0 ? -offset : offset) / 60 % kMinutesADay);
    char text[16] = {};
    std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offset < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    std::string name = ZoneName();
    if (name.empty() && local.tm_zone != nullptr)
        name = local.tm_zone;
    return name.empty() ? std::string(text) : name + ", " + text;
}

std::string SourceText(const ReportSource& source, std::int64_t seconds) {
    // The name stays as kept (the workbook's properties and the audit log read it); the words
    // around it are the user's.
    const std::string file =
        source.fileName == kNotArchivedText.source ? Tr(kNotArchivedText) : source.fileName;
    std::string text = WithArguments(Tr("Report", "Source: %1"), {file});
    if (!source.sha256.empty())
        text += " · SHA-256 " + source.sha256;
    return text + " · " + WithArguments(Tr("Report", "times in %1"), {LocalZoneText(seconds)});
}

}  // namespace velka
