#include "archive/archive_scan.h"
#include "commands.h"
#include "path_json.h"
#include "record/text_encoding.h"
#include "services/clock.h"
#include "storage/file_io.h"
#include "storage/staged_file.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <system_error>

namespace velka::cli {
namespace {

// The fields in the order of the entry. The name comes from its stored bytes: two names that
// differ only in bytes that are not UTF-8 show alike and are told apart by "fileNameBase64".
nlohmann::ordered_json EntryJson(const ArchiveEntry& entry) {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    PutPath(json, "fileName", entry.storedName);
    json["startTime"] = entry.startTime;
    json["stopTime"] = entry.stopTime;
    json["deliveryCompany"] = Utf8FromUtf16(entry.deliveryCompany);
    json["receivingCompany"] = Utf8FromUtf16(entry.receivingCompany);
    json["transportNumber"] = Utf8FromUtf16(entry.transportNumber);
    json["deliveryDate"] = entry.deliveryDate;
    return json;
}

// A mistyped --data-root would otherwise leave a new empty folder behind and list nothing, as
// if the archive were empty.
void RequireDataRoot(const DataRoot& dataRoot) {
    std::error_code error;
    if (std::filesystem::status(dataRoot.Root(), error).type() ==
        std::filesystem::file_type::not_found)
        throw CommandFailure{"velka-cli scan: the data root " + MessagePath(dataRoot.Root()) +
                             " does not exist"};
}

}  // namespace

int RunScan(const Arguments& arguments, Context& context) {
    if (!arguments.positional.empty())
        throw UsageError{"scan takes no positional arguments"};
    RequireDataRoot(context.dataRoot);
    // Opening the archive clears away what killed programs left being written in it; their age
    // is real time, whatever --now says.
    SweepStaleStagedFiles(context.dataRoot.DataDirectory(), MachineClock().Now());
    ArchiveEntries entries;
    const std::uint64_t generation = entries.BeginScan();
    ScanArchive(context.dataRoot, entries, generation);

    // The window shows an archive it cannot reach as an empty one; a script is told.
    const std::filesystem::path folder = context.dataRoot.DataDirectory();
    std::error_code error;
    std::filesystem::directory_iterator listing(folder, error);
    if (error)
        throw CommandFailure{"cannot list " + MessagePath(folder) + ": " + error.message()};

    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ArchiveEntry& entry : entries.Lock().allEntries)
        list.push_back(EntryJson(entry));
    context.out << list.dump(2) << '\n';
    return kExitSuccess;
}

}  // namespace velka::cli
