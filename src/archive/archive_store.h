#pragma once
// Putting a recording into the archive folder while other Velka programs may do the same at the
// same moment (the window, `velka-cli watch --read` at a dock, a script). Every change of the
// folder is made under its lock; a new name is created without replacing anything; an existing
// file is replaced only by the same recording grown longer (SameRecording); a recording that is
// already there byte for byte is not written again.

#include "audit/audit_log.h"
#include "record/logger_image.h"
#include "storage/exclusive_lock.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace velka {

// How long a change of the archive waits for another program's: an erase holds the folder
// from its archive check to its end.
constexpr std::chrono::milliseconds kArchiveLockPatience{30000};

// The archive folder's lock, waited for up to kArchiveLockPatience.
ExclusiveLock LockArchiveFolder(const std::filesystem::path& folder, const LockWait& wait);
// Why the lock was not had: "the archive folder … is in use by another program", or the
// system's reason.
std::string DescribeArchiveLockFailure(const std::filesystem::path& folder,
                                       const ExclusiveLock& lock);

struct ArchiveStoreResult {
    enum class Status {
        Written,
        AlreadyArchived,  // a file holds these very bytes; nothing was written
        Failed,
    };
    Status status = Status::Failed;
    std::filesystem::path path;  // the file that holds the recording; for Failed its first name
    std::string failure;         // why, for Failed
};

// Stores `image` in `folder` (which must exist) under the folder's lock, read-only, and sets
// its line in the folder's manifest in the same locked step (a folder without a manifest adopts
// its recordings then, recorded in `audit` when given). A manifest that cannot be written fails
// the step: the recording is in its file, but the archive no longer vouches for it.
ArchiveStoreResult StoreInArchive(const std::filesystem::path& folder, const LoggerImage& image,
                                  const LockWait& wait, const AuditLog* audit = nullptr);

// The archived file, under the image's name or one of its numbered forms, that holds image
// bytes 3776…16383 (everything a logger transfers) exactly as `image` does.
std::optional<std::filesystem::path> FindArchivedCopy(const std::filesystem::path& folder,
                                                      const LoggerImage& image);

}  // namespace velka
