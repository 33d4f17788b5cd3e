#include "commands.h"
#include "config/settings_write.h"
#include "image_files.h"
#include "record/recording.h"
#include "settings_json.h"

namespace velka::cli {

int RunApplySettings(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 2)
        throw UsageError{"apply-settings takes IMAGE and SETTINGS.json"};
    const std::string out = arguments.RequiredValue("--out");
    LoggerImage image = ReadImageArgument(arguments.positional[0]);
    const std::string settingsText = ReadSettingsArgument(arguments.positional[1]);

    const Recording recording = DecodeRecording(image, context.tables, context.now);
    const LoggerSettings settings = SettingsFromJson(settingsText, recording.settings);
    ApplySettingsToImage(settings, image, recording.currentTable, context.now);
    WriteImageArgument(out, image);
    return kExitSuccess;
}

}  // namespace velka::cli
