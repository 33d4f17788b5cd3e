#pragma once
// A file is written under a temporary name beside its target and renamed over the target only
// when it is complete: a failed write never leaves a partial file, and an earlier file at the
// same path survives it. Libraries that write to a path of their own (the PDF and workbook
// writers) are handed TemporaryPath().

#include <filesystem>
#include <system_error>

namespace velka {

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

    // Flushes the temporary file to disk and renames it over the target.
    std::error_code Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::error_code error_;
    bool committed_ = false;
};

}  // namespace velka
