#pragma once
// A file is written as a temporary file beside its target and takes the target's name only
// when it is complete: a failed write never leaves a partial file, and an earlier file at the
// same path survives it. Libraries that write to a path of their own (the PDF and workbook
// writers) are handed TemporaryPath().
//
// The temporary file has no name at all where the file system allows it (O_TMPFILE): a program
// killed outright then leaves nothing behind. It is linked in only when complete, through
// /proc/self/fd, under a temporary name that is at once renamed over the target (or, for a file
// that must not replace anything, under the target's own name). Elsewhere it is named
// "." + target name + "." + six letters or digits + kStagedFileSuffix from the start.
//
// Only a regular file is ever replaced:
// - a target that exists and is not a regular file (/dev/null, a pipe, /dev/stdout, a
//   terminal) is written directly and stays what it is: TemporaryPath() is then the target;
// - a target that is a symbolic link is followed: the file it points to is written (created
//   where a dangling link points), and the link stays a link.
// A new file gets 0666 less the umask; a replaced file keeps its mode and, where the system
// allows, its owner. A file staged read-only loses its write bits once its content is complete
// (a new one 0444 less the umask), so that no later program writes into it by mistake. A named
// temporary file is removed when SIGINT, SIGTERM or SIGHUP end the program (see
// interrupt_cleanup.h); SweepStaleStagedFiles clears those that a program killed outright left
// behind.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velka {

inline constexpr std::string_view kStagedFileSuffix = ".velka-staged";

class StagedFile {
public:
    enum class Staging {
        Anonymous,  // without a name where the file system allows it, named elsewhere
        Named,      // always named (what a file system without O_TMPFILE gets)
    };
    enum class Access {
        AsUsual,   // writable as the umask allows, or as the replaced file was
        ReadOnly,  // the write bits taken off
    };

    // Creates the empty temporary file; Error() tells whether that worked.
    explicit StagedFile(std::filesystem::path target, Staging staging = Staging::Anonymous,
                        Access access = Access::AsUsual);
    // Removes the temporary file unless it was committed.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    std::error_code Error() const { return error_; }
    const std::filesystem::path& TemporaryPath() const { return temporary_; }
    // The target exists and is not a regular file: it is written directly.
    bool WritesDirectly() const { return writesDirectly_; }

    // Flushes the temporary file to disk and renames it over the target (nothing to do for a
    // target written directly). While a StagedBatch is open on this thread, the file waits in
    // the batch instead and takes its name with the others.
    std::error_code Commit();
    // Flushes the temporary file to disk and gives it the target's name only when nothing has
    // that name (a link, even a dangling one, counts): std::errc::file_exists otherwise, and
    // nothing is replaced. Two programs creating one name at once cannot both succeed.
    std::error_code CommitAsNew();

private:
    friend class StagedBatch;
    StagedFile(StagedFile&& other) noexcept;
    std::error_code CommitNow();
    bool OpenAnonymous(const std::filesystem::path& folder);
    bool OpenNamed(const std::filesystem::path& folder, const std::string& name);
    // Gives the complete file its owner and mode, and flushes it to disk.
    std::error_code Flush() const;
    // Gives the anonymous file a staged name in the destination's folder.
    std::error_code LinkUnderStagedName();
    void Committed(const std::filesystem::path& named);

    std::filesystem::path target_;       // as given
    std::filesystem::path destination_;  // the target, or the file its links lead to
    std::filesystem::path temporary_;    // the staged name, or /proc/self/fd/N
    int anonymousFd_ = -1;               // the file without a name
    std::error_code error_;
    bool writesDirectly_ = false;
    bool committed_ = false;
    bool readOnly_ = false;
    // The owner and mode of the file replaced, taken over when the content is complete: a
    // read-only mode given at once would keep the content itself from being written.
    bool replacing_ = false;
    unsigned replacedUid_ = 0;
    unsigned replacedGid_ = 0;
    unsigned replacedMode_ = 0;
    int interruptTicket_ = -1;
};

// Why a link on the way to `path` must not be followed, or nothing: as the kernel's
// protected_symlinks rule, a link in a sticky, world-writable folder (/tmp) whose owner is
// neither this user nor the folder's owner may have been planted by another user to make us
// replace a file of ours. StagedFile refuses such a target with EACCES.
std::optional<std::string> ForeignLinkOnTheWay(const std::filesystem::path& path);

// Several files that take their names together, all or none: a command with several outputs
// must not leave the first ones written when a later one fails (a full disk under the PDF after
// the CSV). Every StagedFile committed while the batch is open on this thread waits in it;
// Commit() then gives them all their names, and a batch that ends uncommitted leaves none of
// them. Outputs written directly (a pipe, /dev/stdout) are written as they go.
class StagedBatch {
public:
    StagedBatch();
    ~StagedBatch();
    StagedBatch(const StagedBatch&) = delete;
    StagedBatch& operator=(const StagedBatch&) = delete;

    // Renames every waiting file over its target, in the order they were written; the first
    // failure is returned (the renames before it have happened: they fail only when the folder
    // changed meanwhile).
    std::error_code Commit();

private:
    friend class StagedFile;
    std::vector<std::unique_ptr<StagedFile>> waiting_;
    StagedBatch* outer_;
};

// Removes the staged files that programs killed outright left in `folder`: regular files named
// as above whose last change lies more than `maxAgeSeconds` before `now`. Returns how many.
std::size_t SweepStaleStagedFiles(const std::filesystem::path& folder, std::int64_t now,
                                  std::int64_t maxAgeSeconds = 3600);

}  // namespace velka
