#include "commands.h"
#include "image_files.h"
#include "logger_session.h"
#include "record_json.h"
#include "settings_json.h"

namespace velka::cli {

int RunWriteSettings(const Arguments& arguments, Context& context) {
    if (arguments.positional.size() != 1)
        throw UsageError{"write-settings takes SETTINGS.json"};
    const std::string settingsText = ReadSettingsArgument(arguments.positional[0]);

    return RunOnLogger(
        arguments, context, [&](AcquisitionController& controller, std::ostream& out) {
            // The settings are applied to what the logger holds (its calibration gives the limit
            // codes), and its recording is archived before the logger is changed.
            if (!AcquireForCommand(controller))
                return kExitFailure;
            const LoggerSettings settings =
                SettingsFromJson(settingsText, controller.CurrentRecording().settings);
            const ResultCode result = controller.WriteSettings(settings);
            if (result == kResultLoggerInUse)
                return kExitFailure;  // the controller has shown the message
            if (result != kResultSuccess)
                throw CommandFailure{"Write FAILED: " + controller.LastWriteFailure()};
            Json json;
            PutArchivePath(json, controller);
            json["written"] = true;
            out << json.dump() << '\n';
            return kExitSuccess;
        });
}

}  // namespace velka::cli
