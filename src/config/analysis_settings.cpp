#include "config/analysis_settings.h"

#include "storage/data_root.h"
#include "storage/file_io.h"

#include <array>
#include <charconv>

namespace velka {
namespace {

constexpr const char* kActivationEnergyKey = "MKT Activation Energy";
constexpr const char* kAlarmProfileKey = "Alarm Profile";

}  // namespace

AnalysisChoice ReadAnalysisChoice(const ProfileFile& file) {
    AnalysisChoice choice;
    if (const auto value = file.Value(kSettingsSection, kActivationEnergyKey)) {
        double number = 0.0;
        const char* end = value->data() + value->size();
        const auto [stop, error] = std::from_chars(value->data(), end, number);
        if (error == std::errc() && stop == end)
            choice.activationEnergy = number;
    }
    if (const auto value = file.Value(kSettingsSection, kAlarmProfileKey))
        choice.profile = *value;
    return UsableAnalysisChoice(choice);
}

void PutAnalysisChoice(ProfileFile& file, const AnalysisChoice& choice) {
    // The shortest text that reads back as the same number; 32 characters always hold it.
    std::array<char, 32> number{};
    const char* end =
        std::to_chars(number.data(), number.data() + number.size(), choice.activationEnergy).ptr;
    file.SetValue(kSettingsSection, kActivationEnergyKey,
                  std::string_view(number.data(), static_cast<std::size_t>(end - number.data())));
    file.SetValue(kSettingsSection, kAlarmProfileKey, choice.profile);
}

AnalysisChoice LoadAnalysisChoice(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    return ReadAnalysisChoice(ProfileFile::Parse(text.value_or(std::string())));
}

std::error_code SaveAnalysisChoice(const std::filesystem::path& path,
                                   const AnalysisChoice& choice) {
    return UpdateProfileFile(path,
                             [&choice](ProfileFile& file) { PutAnalysisChoice(file, choice); });
}

}  // namespace velka
