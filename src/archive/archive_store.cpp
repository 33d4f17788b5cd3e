#include "archive/archive_store.h"

#include "archive/archive_file_name.h"
#include "archive/archive_manifest.h"
#include "services/translation.h"
#include "storage/file_io.h"
#include "storage/sha256.h"

#include <sys/stat.h>

namespace velka {
namespace {

enum class Stored { Missing, Complete, Other };

// Only a regular file of exactly one image can be a copy of a recording; anything else under
// the name (a cut file, a folder, a link) is kept as it is and never replaced.
Stored ReadStored(const std::filesystem::path& path, LoggerImage& stored) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return errno == ENOENT ? Stored::Missing : Stored::Other;
    if (!S_ISREG(status.st_mode) || status.st_size != static_cast<off_t>(kImageSize))
        return Stored::Other;
    stored = {};
    return ReadImageFile(path, stored) == kImageSize ? Stored::Complete : Stored::Other;
}

constexpr StagedFile::Access kReadOnly = StagedFile::Access::ReadOnly;

// The written file's line, or why the manifest could not take it.
ArchiveStoreResult Recorded(const std::filesystem::path& folder, const std::filesystem::path& path,
                            const LoggerImage& image, const AuditLog* audit) {
    if (const std::error_code error =
            RecordInManifest(folder, path.filename().string(), Sha256Hex(image), audit))
        return {
            ArchiveStoreResult::Status::Failed, path,
            WithArguments(Tr("Archive", "the recording is in %1, but %2"),
                          {MessagePath(path), DescribeFileError(folder / kManifestName, error)})};
    return {ArchiveStoreResult::Status::Written, path, {}};
}

}  // namespace

ExclusiveLock LockArchiveFolder(const std::filesystem::path& folder, const LockWait& wait) {
    return WaitForLock(folder, kArchiveLockPatience, wait);
}

std::string DescribeArchiveLockFailure(const std::filesystem::path& folder,
                                       const ExclusiveLock& lock) {
    if (lock.Busy())
        return WithArguments(Tr("Archive", "the archive folder %1 is in use by another program"),
                             {MessagePath(folder)});
    return WithArguments(Tr("Archive", "the archive folder cannot be locked: %1"),
                         {DescribeFileError(folder, lock.Error())});
}

ArchiveStoreResult StoreInArchive(const std::filesystem::path& folder, const LoggerImage& image,
                                  const LockWait& wait, const AuditLog* audit) {
    const std::filesystem::path firstName = NumberedArchivePath(folder, image, 1);
    const ExclusiveLock lock = LockArchiveFolder(folder, wait);
    if (!lock.Held())
        return {ArchiveStoreResult::Status::Failed, firstName,
                DescribeArchiveLockFailure(folder, lock)};

    std::optional<std::filesystem::path> replaced;
    LoggerImage stored{};
    for (int number = 1; number <= kMostArchiveNames; ++number) {
        const std::filesystem::path path = NumberedArchivePath(folder, image, number);
        if (ReadStored(path, stored) != Stored::Complete)
            continue;
        if (SameTransferredBytes(stored, image)) {
            if (const std::error_code error = AdoptIntoManifest(folder, audit))
                return {ArchiveStoreResult::Status::Failed, path,
                        DescribeFileError(folder / kManifestName, error)};
            return {ArchiveStoreResult::Status::AlreadyArchived, path, {}};
        }
        if (!replaced && SameRecording(stored, image))
            replaced = path;
    }
    if (replaced) {
        if (const std::error_code error = WriteFileAtomically(*replaced, image, kReadOnly))
            return {ArchiveStoreResult::Status::Failed, *replaced,
                    DescribeFileError(*replaced, error)};
        return Recorded(folder, *replaced, image, audit);
    }
    // A new recording: the first free name. Another program that writes into the folder
    // without its lock may take a name first; the next one is tried then.
    for (int number = 1; number <= kMostArchiveNames; ++number) {
        const std::filesystem::path path = NumberedArchivePath(folder, image, number);
        const std::error_code error = WriteNewFileAtomically(path, image, kReadOnly);
        if (!error)
            return Recorded(folder, path, image, audit);
        if (error != std::errc::file_exists)
            return {ArchiveStoreResult::Status::Failed, path, DescribeFileError(path, error)};
    }
    return {ArchiveStoreResult::Status::Failed, firstName,
            WithArguments(Tr("Archive", "every name for this recording in %1 is taken"),
                          {MessagePath(folder)})};
}

std::optional<std::filesystem::path> FindArchivedCopy(const std::filesystem::path& folder,
                                                      const LoggerImage& image) {
    LoggerImage stored{};
    for (int number = 1; number <= kMostArchiveNames; ++number) {
        const std::filesystem::path path = NumberedArchivePath(folder, image, number);
        if (ReadStored(path, stored) == Stored::Complete && SameTransferredBytes(stored, image))
            return path;
    }
    return std::nullopt;
}

}  // namespace velka
