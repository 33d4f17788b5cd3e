#pragma once
// DATA-ROOT/Data/SHA256SUMS: the digest of every recording the programs archived, in the format
// of sha256sum (64 lower-case hex digits, two blanks, the file name; one line a file, sorted by
// name), so that `cd Data && sha256sum -c SHA256SUMS` checks the archive without Velka. It is
// rewritten, through the staged writer, in the same locked step as each archive write.

#include "audit/audit_log.h"
#include "services/translation.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace velka {

inline constexpr const char* kManifestName = "SHA256SUMS";
// What the window says of a recording whose file no longer matches its line.
inline constexpr UiText kChangedRecordingText =
    VELKA_TEXT("Archive", "This recording was changed after it was archived");

// File name → digest.
using Manifest = std::map<std::string, std::string>;

struct ManifestRead {
    bool exists = false;
    Manifest entries;
    std::vector<std::size_t> badLines;  // lines that are not "DIGEST  NAME"
    std::error_code error;              // it exists but cannot be read
};

ManifestRead ReadManifest(const std::filesystem::path& folder);
// Whether `manifest` lists `name` with a digest other than that of `bytes` (an unlisted file is
// not said to have changed: an archive from before the manifest has none).
bool ChangedSinceArchived(const Manifest& manifest, const std::string& name,
                          std::span<const std::uint8_t> bytes);
std::string ManifestText(const Manifest& manifest);

// Sets the line of `name` to `sha256`. The caller holds the archive folder's lock. A folder
// without a manifest (an archive from before it was kept) first adopts its .bin files, each
// recorded in `audit` (when given) as adopted rather than downloaded; a manifest that exists is
// never extended with files nobody archived.
std::error_code RecordInManifest(const std::filesystem::path& folder, const std::string& name,
                                 const std::string& sha256, const AuditLog* audit);
// The adoption alone, for a step that archived nothing new: nothing to do when the manifest
// exists.
std::error_code AdoptIntoManifest(const std::filesystem::path& folder, const AuditLog* audit);

}  // namespace velka
