#include "archive/archive_manifest.h"

#include "archive/archive_listing.h"
#include "storage/file_io.h"
#include "storage/sha256.h"

#include <algorithm>

namespace velka {
namespace {

// sha256sum writes names holding a newline or a backslash escaped; the program's own names
// never do, and such a file is left out of an adoption rather than listed in another form.
bool PlainName(const std::string& name) {
    return name.find_first_of("\n\\") == std::string::npos;
}

}  // namespace

ManifestRead ReadManifest(const std::filesystem::path& folder) {
    ManifestRead read;
    const std::filesystem::path path = folder / kManifestName;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return read;
    read.exists = true;
    // A line a recording: a folder of 100,000 recordings gives a manifest of 8 MB.
    const std::optional<std::string> text = ReadWholeFile(path, std::size_t{256} << 20, &error);
    if (!text) {
        read.error = error;
        return read;
    }
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text->size()) {
        std::size_t end = text->find('\n', start);
        if (end == std::string::npos)
            end = text->size();
        const std::string_view line = std::string_view(*text).substr(start, end - start);
        start = end + 1;
        ++number;
        // "DIGEST  NAME", or "DIGEST *NAME" as sha256sum -b writes it.
        if (line.size() > kSha256HexLength + 2 && IsSha256Hex(line.substr(0, kSha256HexLength)) &&
            line[kSha256HexLength] == ' ' &&
            (line[kSha256HexLength + 1] == ' ' || line[kSha256HexLength + 1] == '*'))
            read.entries[std::string(line.substr(kSha256HexLength + 2))] =
                std::string(line.substr(0, kSha256HexLength));
        else
            read.badLines.push_back(number);
    }
    return read;
}

bool ChangedSinceArchived(const Manifest& manifest, const std::string& name,
                          std::span<const std::uint8_t> bytes) {
    const auto listed = manifest.find(name);
    return listed != manifest.end() && listed->second != Sha256Hex(bytes);
}

std::string ManifestText(const Manifest& manifest) {
    std::string text;
    for (const auto& [name, digest] : manifest)
        text.append(digest).append("  ").append(name).append("\n");
    return text;
}

namespace {

// The manifest with `name` set to `sha256` (none: nothing set), after an adoption when there
// was none.
std::error_code UpdateManifest(const std::filesystem::path& folder, const std::string* name,
                               const std::string& sha256, const AuditLog* audit) {
    ManifestRead read = ReadManifest(folder);
    if (read.error)
        return read.error;
    if (read.exists && name == nullptr)
        return {};
    if (!read.exists) {
        // In the manifest's order, so that the log lists them as the manifest does.
        std::vector<std::string> names = ListArchiveFiles(folder);
        std::sort(names.begin(), names.end());
        for (const std::string& stored : names) {
            if ((name != nullptr && stored == *name) || !PlainName(stored))
                continue;
            const std::optional<std::string> digest = Sha256HexOfFile(folder / stored);
            if (!digest)
                continue;  // unreadable: verify names it as not listed
            read.entries[stored] = *digest;
            if (audit != nullptr)
                audit->Append("adopt", {{"file", stored}, {"sha256", *digest}});
        }
    }
    if (name != nullptr)
        read.entries[*name] = sha256;
    return WriteFileAtomically(folder / kManifestName, ManifestText(read.entries));
}

}  // namespace

std::error_code RecordInManifest(const std::filesystem::path& folder, const std::string& name,
                                 const std::string& sha256, const AuditLog* audit) {
    return UpdateManifest(folder, &name, sha256, audit);
}

std::error_code AdoptIntoManifest(const std::filesystem::path& folder, const AuditLog* audit) {
    return UpdateManifest(folder, nullptr, {}, audit);
}

}  // namespace velka
