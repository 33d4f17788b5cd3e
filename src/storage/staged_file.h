#pragma once
// A file is written under a temporary name beside its target and renamed over the target only
// when it is complete: a failed write never leaves a partial file, and an earlier file at the
// same path survives it. Libraries that write to a path of their own (the PDF and workbook
// writers) are handed TemporaryPath().
//
// Only a regular file is ever replaced:
// - a target that exists and is not a regular file (/dev/null, a pipe, /dev/stdout, a
//   terminal) is written directly and stays what it is: TemporaryPath() is then the target;
// - a target that is a symbolic link is followed: the file it points to is written (created
//   where a dangling link points), and the link stays a link.
// A new file gets 0666 less the umask; a replaced file keeps its mode and, where the system
// allows, its owner. The temporary file is removed when SIGINT, SIGTERM or SIGHUP end the
// program (see interrupt_cleanup.h); one left by a program that was killed outright is named
// "." + target name + "." + six letters or digits + kStagedFileSuffix, which
// SweepStaleStagedFiles recognises.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace velka {

inline constexpr std::string_view kStagedFileSuffix = ".velka-staged";

class StagedFile {
public:
    // Creates the empty temporary file; Error() tells whether that worked.
    explicit StagedFile(std::filesystem::path target);
    // Removes the temporary file unless it was committed.
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    std::error_code Error() const { return error_; }
    const std::filesystem::path& TemporaryPath() const { return temporary_; }
    // The target exists and is not a regular file: it is written directly.
    bool WritesDirectly() const { return writesDirectly_; }

    // Flushes the temporary file to disk and renames it over the target (nothing to do for a
    // target written directly).
    std::error_code Commit();

private:
    std::filesystem::path destination_;  // the target, or the file its links lead to
    std::filesystem::path temporary_;
    std::error_code error_;
    bool writesDirectly_ = false;
    bool committed_ = false;
    int interruptTicket_ = -1;
};

// Removes the staged files that programs killed outright left in `folder`: regular files named
// as above whose last change lies more than `maxAgeSeconds` before `now`. Returns how many.
std::size_t SweepStaleStagedFiles(const std::filesystem::path& folder, std::int64_t now,
                                  std::int64_t maxAgeSeconds = 3600);

}  // namespace velka
