#include "central/central_status_text.h"

#include "record/local_time.h"
#include "services/translation.h"

namespace velka {

std::string CentralStatusText(const UploadStatus& status) {
    if (status.upToDate)
        return Tr("Central", "Central archive: up to date");
    if (!status.failingSince)
        return Tr("Central", "Central archive: uploading…");
    const std::string since = FormatLocalTime(*status.failingSince, "%H:%M");
    if (status.waiting == 0)
        return WithArguments(Tr("Central", "Central archive: server unreachable since %1"),
                             {since});
    if (status.waiting == 1)
        return WithArguments(
            Tr("Central", "Central archive: 1 recording waiting — server unreachable since %1"),
            {since});
    return WithArguments(
        Tr("Central", "Central archive: %1 recordings waiting — server unreachable since %2"),
        {std::to_string(status.waiting), since});
}

std::string CentralUnusedText(const std::string& reason) {
    return WithArguments(Tr("Central", "Central archive: not in use: %1"), {reason});
}

}  // namespace velka
