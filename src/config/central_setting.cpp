#include "config/central_setting.h"

#include "storage/data_root.h"
#include "storage/file_io.h"

namespace velka {

CentralSetting ReadCentralSetting(const ProfileFile& file) {
    return {file.Value(kSettingsSection, "Central Archive").value_or(""),
            file.Value(kSettingsSection, "Site").value_or("")};
}

CentralSetting LoadCentralSetting(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadWholeFile(path);
    return ReadCentralSetting(ProfileFile::Parse(text.value_or(std::string())));
}

}  // namespace velka
