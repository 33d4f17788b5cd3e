#pragma once
// One stored image read into its archive entry.

#include "archive/archive_entry.h"
#include "archive/archive_manifest.h"

#include <filesystem>

namespace velka {

// Fills the times and texts of `entry` from the stored file `folder` / entry.storedName.
// A file that cannot be opened, is not a regular file, is not exactly 16,384 bytes long or
// cannot be read whole leaves zero times and empty texts (the entry keeps its name) and gives
// false. Never waits on a pipe or device put in the file's place. With the folder's manifest,
// the bytes read are also checked against the file's line (changedSinceArchived).
bool ReadArchiveEntry(const std::filesystem::path& folder, ArchiveEntry& entry,
                      const Manifest* manifest = nullptr);
// The same, with the folder already open (`folderFd`): a scan opens its folder once, and each
// file is then found by its name alone.
bool ReadArchiveEntryAt(int folderFd, ArchiveEntry& entry, const Manifest* manifest = nullptr);

// The path that loads the stored image of an entry, built from its raw name bytes.
std::filesystem::path StoredImagePath(const std::filesystem::path& folder,
                                      const ArchiveEntry& entry);

}  // namespace velka
