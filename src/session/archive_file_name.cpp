#include "session/archive_file_name.h"

#include "record/local_time.h"

namespace velka {

std::string ArchiveFileName(const std::string& serialText, std::int64_t startTime) {
    return serialText + FormatLocalTime(startTime, "_%Y-%m-%d_%H-%M-%S") + ".bin";
}

}  // namespace velka
