#include "config/unit_setting.h"

#include "storage/data_root.h"
#include "storage/file_io.h"

namespace velka {
namespace {

constexpr const char* kTemperatureUnitKey = "Temperature Unit";

}  // namespace

TemperatureUnit ReadTemperatureUnit(const ProfileFile& file) {
    const std::optional<std::string> value = file.Value(kSettingsSection, kTemperatureUnitKey);
    return ParseUnitCode(value.value_or("")).value_or(TemperatureUnit::Celsius);
}

void PutTemperatureUnit(ProfileFile& file, TemperatureUnit unit) {
    file.SetValue(kSettingsSection, kTemperatureUnitKey, UnitCode(unit));
}

TemperatureUnit LoadTemperatureUnit(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    return ReadTemperatureUnit(ProfileFile::Parse(text.value_or(std::string())));
}

std::error_code SaveTemperatureUnit(const std::filesystem::path& path, TemperatureUnit unit) {
    return UpdateProfileFile(path, [unit](ProfileFile& file) { PutTemperatureUnit(file, unit); });
}

}  // namespace velka
