#include "storage/staged_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velka {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

}  // namespace

StagedFile::StagedFile(std::filesystem::path target) : target_(std::move(target)) {
    const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
    // "." + name + "." + a unique suffix: mkostemp turns the pattern's last six characters
    // into it. The name is shortened so that a target whose name is as long as the file
    // system allows still gets a temporary file beside it.
    constexpr std::size_t kLongestName = 255;
    constexpr std::size_t kAddedBytes = 8;
    const std::string name = target_.filename().string().substr(0, kLongestName - kAddedBytes);
    std::string pattern = (folder / ("." + name + "." + std::string(6, 'X'))).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        error_ = LastError();
        return;
    }
    if (::fchmod(fd, 0644) != 0)
        error_ = LastError();
    ::close(fd);
    temporary_ = pattern;
}

StagedFile::~StagedFile() {
    if (!committed_ && !temporary_.empty())
        ::unlink(temporary_.c_str());
}

std::error_code StagedFile::Commit() {
    if (error_)
        return error_;
    const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return LastError();
    std::error_code error;
    if (::fsync(fd) != 0)
        error = LastError();
    ::close(fd);
    if (!error && std::rename(temporary_.c_str(), target_.c_str()) != 0)
        error = LastError();
    if (error)
        return error;
    committed_ = true;
    const std::filesystem::path folder = target_.has_parent_path() ? target_.parent_path() : ".";
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace velka
