#include "commands.h"
#include "config/settings_write.h"
#include "image_files.h"
#include "record/recording.h"
#include "settings_json.h"
#include "storage/file_io.h"
#include "storage/reference_files.h"

namespace velka::cli {

int RunApplySettings(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 2)
        throw UsageError{"apply-settings takes IMAGE and SETTINGS.json"};
    const std::string out = arguments.RequiredValue("--out");
    LoggerImage image = ReadImageArgument(arguments.positional[0]);
    const auto settingsText = ReadWholeFile(arguments.positional[1]);
    if (!settingsText)
        throw CommandFailure{"cannot read " + arguments.positional[1]};

    const ReferenceTables tables = LoadReferenceTables(context.referenceFolder);
    const Recording recording = DecodeRecording(image, tables, context.now);
    const LoggerSettings settings = SettingsFromJson(*settingsText, recording.settings);
    ApplySettingsToImage(settings, image, recording.currentTable, context.now);
    WriteImageArgument(out, image);
    return kExitSuccess;
}

}  // namespace velka::cli
