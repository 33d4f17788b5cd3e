#include "central_options.h"

#include "audit/audit_log.h"
#include "central/workstation_id.h"
#include "config/central_setting.h"

namespace velka::cli {

std::string CentralConnection(const Arguments& arguments, const Context& context,
                              const std::string& command) {
    std::string connection =
        arguments.Value("--db").value_or(LoadCentralSetting(context.settingsFile).connection);
    if (connection.empty())
        throw CommandFailure{"velka-cli " + command +
                             ": no central archive: give --db CONNINFO or set \"Central "
                             "Archive\" in config.ini"};
    return connection;
}

UploadOrigin CentralOrigin(const Arguments& arguments, const Context& context) {
    return {arguments.Value("--site").value_or(LoadCentralSetting(context.settingsFile).site),
            WorkstationId(context.dataRoot), AuditIdentity::OfThisProcess("").host};
}

}  // namespace velka::cli
