#include "commands.h"
#include "logger_session.h"
#include "record_json.h"

namespace velka::cli {

int RunErase(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"erase takes no positional arguments"};
    return RunOnLogger(
        arguments, context, [](AcquisitionController& controller, std::ostream& out) {
            // The record is read and archived first; the session then erases only a logger whose
            // record is safe in the archive, or holds none.
            if (!AcquireForCommand(controller))
                return kExitFailure;
            if (!controller.EraseOffered()) {
                throw CommandFailure{"this logger cannot be emptied (serial number " +
                                     controller.CurrentRecording().settings.serialText + ")"};
            }
            const EraseOutcome outcome = controller.HandleEraseRequest();
            if (!outcome.opened || outcome.refused || outcome.result != kResultSuccess)
                return kExitFailure;  // the controller has shown the message
            Json json;
            PutArchivePath(json, controller);
            json["erased"] = true;
            out << json.dump() << '\n';
            return kExitSuccess;
        });
}

}  // namespace velka::cli
