#include "commands.h"
#include "logger_session.h"
#include "record_json.h"

namespace velka::cli {

int RunErase(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"erase takes no positional arguments"};
    return RunOnLogger(arguments, context, [&context](AcquisitionController& controller) {
        // The record is read and archived first: an erase never destroys a recording that is
        // not safe on disk.
        if (!AcquireForCommand(controller))
            return kExitFailure;
        if (!controller.EraseOffered()) {
            throw CommandFailure{"this logger cannot be emptied (serial number " +
                                 controller.CurrentRecording().settings.serialText + ")"};
        }
        const EraseOutcome outcome = controller.HandleEraseRequest();
        if (!outcome.opened || outcome.result != kResultSuccess)
            return kExitFailure;  // the controller has shown the message
        Json json;
        json["archivePath"] = ArchivePathJson(controller);
        json["erased"] = true;
        context.out << json.dump() << '\n';
        return kExitSuccess;
    });
}

}  // namespace velka::cli
