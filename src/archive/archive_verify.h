#pragma once
// The archive against its manifest: every recording listed in SHA256SUMS must be there with the
// digest it was archived with, and every recording there must be listed.

#include "storage/data_root.h"
#include "storage/exclusive_lock.h"

#include <string>
#include <vector>

namespace velka {

struct ArchiveCheck {
    std::size_t recordings = 0;         // the .bin files in the folder
    std::vector<std::string> problems;  // "Data/NAME: changed after it was archived", by name
};

// Reads each recording once, under the archive folder's lock so that no other program's write
// is seen half done. A data root without an archive folder has nothing to check.
ArchiveCheck CheckArchive(const DataRoot& root, const LockWait& wait);

}  // namespace velka
