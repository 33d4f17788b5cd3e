#include "archive/archive_verify.h"

#include "archive/archive_listing.h"
#include "archive/archive_manifest.h"
#include "archive/archive_store.h"
#include "storage/file_io.h"
#include "storage/sha256.h"

#include <algorithm>
#include <map>
#include <set>

namespace velka {

ArchiveCheck CheckArchive(const DataRoot& root, const LockWait& wait) {
    ArchiveCheck check;
    const std::filesystem::path folder = root.DataDirectory();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return check;
    const ExclusiveLock lock = LockArchiveFolder(folder, wait);
    if (!lock.Held()) {
        check.problems.push_back("Data: " + DescribeArchiveLockFailure(folder, lock));
        return check;
    }
    // Problems by the name they concern, so that they come out in the manifest's order.
    std::multimap<std::string, std::string> found;
    const auto problem = [&found](const std::string& name, const std::string& text) {
        found.emplace(name, "Data/" + MessagePath(name) + ": " + text);
    };
    const std::vector<std::string> stored = ListArchiveFiles(folder);
    check.recordings = stored.size();
    const ManifestRead manifest = ReadManifest(folder);
    if (!manifest.exists && !stored.empty())
        problem(kManifestName, "missing: no recording is vouched for");
    else if (manifest.error)
        problem(kManifestName, "cannot be read: " + manifest.error.message());
    for (const std::size_t line : manifest.badLines)
        problem(kManifestName, "line " + std::to_string(line) + " is not a sha256sum line");

    const std::set<std::string> present(stored.begin(), stored.end());
    for (const auto& [name, digest] : manifest.entries) {
        if (!present.contains(name)) {
            problem(name, "listed in " + std::string(kManifestName) + " but missing");
            continue;
        }
        const std::optional<std::string> actual = Sha256HexOfFile(folder / name, &error);
        if (!actual)
            problem(name, "cannot be read: " + error.message());
        else if (*actual != digest)
            problem(name, "changed after it was archived");
    }
    if (manifest.exists && !manifest.error) {
        for (const std::string& name : stored) {
            if (!manifest.entries.contains(name))
                problem(name, "not listed in " + std::string(kManifestName));
        }
    }
    for (auto& [name, text] : found)
        check.problems.push_back(std::move(text));
    return check;
}

}  // namespace velka
