#pragma once
// The central archive as the command line names it: --db, else config.ini's "Central Archive";
// --site, else config.ini's "Site".

#include "central/central_recording.h"
#include "command_line.h"

#include <string>

namespace velka::cli {

// Throws CommandFailure (prefixed with `command`) when neither names a central archive.
std::string CentralConnection(const Arguments& arguments, const Context& context,
                              const std::string& command);
// The site, the data root's workstation id (made when it has none) and this machine's name.
UploadOrigin CentralOrigin(const Arguments& arguments, const Context& context);

}  // namespace velka::cli
