#include "commands.h"
#include "logger_session.h"
#include "record_json.h"

namespace velka::cli {

int RunRead(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"read takes no positional arguments"};
    return RunOnLogger(
        arguments, context, [](AcquisitionController& controller, std::ostream& out) {
            if (!AcquireForCommand(controller))
                return kExitFailure;
            Json json = RecordingJson(controller.Image(), controller.CurrentRecording());
            PutArchivePath(json, controller);
            out << json.dump() << '\n';
            return kExitSuccess;
        });
}

}  // namespace velka::cli
