#pragma once
// What the commands that talk to a logger share: the real logger through hidapi, or an
// emulated one holding an image (--emulate IMAGE, --scenario NAME), the report trace
// (--trace), the emulated memory written out afterwards (--dump OUT), and the acquisition that
// reads and archives the logger before anything is changed on it.

#include "command_line.h"
#include "session/acquisition_controller.h"

#include <functional>
#include <nlohmann/json.hpp>

namespace velka::cli {

// The options of read, erase and write-settings.
OptionSpec LoggerOptions(std::set<std::string> withValue = {});

// Runs `body` on a controller connected to the chosen logger; --dump is written afterwards,
// also when the body fails. The body prints to `out`: with --dump that output is held back
// until the dump is written, so that a run has one outcome (a failed dump prints nothing and
// fails). When `devicePath` is given and holds a path, the logger found is the one at that
// path rather than the first one present: watch reads the very logger that arrived, also
// while another one is plugged in.
int RunOnLogger(const Arguments& arguments, Context& context,
                const std::function<int(AcquisitionController&, std::ostream& out)>& body,
                const std::string* devicePath = nullptr);

// Acquire() with the outcome as the command line reports it: throws CommandFailure with the
// session's text when no logger answers, it cannot be opened (another program holds it: the
// commands the user starts are refused, the watch's reads on a plug-in wait) or the read
// fails; returns false when the archive could not be saved (the message has been shown).
bool AcquireForCommand(AcquisitionController& controller, WhenInUse whenInUse = WhenInUse::Refuse);

// "archivePath": the file that holds the recording just read (see PutPath), or null.
void PutArchivePath(nlohmann::ordered_json& json, const AcquisitionController& controller);

}  // namespace velka::cli
