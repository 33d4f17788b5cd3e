#include "storage/staged_file.h"

#include "storage/interrupt_cleanup.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace velka {
namespace {

constexpr std::size_t kRandomLetters = 6;
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Links followed before giving up, as the kernel does (ELOOP).
constexpr int kMostLinks = 40;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : ".";
}

// Where a dangling link (a chain of links ending at a name that does not exist) points.
std::filesystem::path EndOfLinks(std::filesystem::path path, std::error_code& error) {
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error)
            return {};
        path = next.is_absolute() ? next : FolderOf(path) / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

std::string RandomLetters() {
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < kRandomLetters; ++i)
        letters += kLetters[pick(device)];
    return letters;
}

bool IsStagedName(std::string_view name) {
    // "." + at least one character + "." + six letters + suffix.
    const std::size_t shortest = 1 + 1 + 1 + kRandomLetters + kStagedFileSuffix.size();
    if (name.size() < shortest || name.front() != '.' || !name.ends_with(kStagedFileSuffix))
        return false;
    const std::string_view letters =
        name.substr(name.size() - kStagedFileSuffix.size() - kRandomLetters, kRandomLetters);
    return name[name.size() - kStagedFileSuffix.size() - kRandomLetters - 1] == '.' &&
           letters.find_first_not_of(kLetters) == std::string_view::npos;
}

// Owner first: a change of owner clears the set-user-ID bits that the mode then restores. Both
// are kept where the system allows: only root may give a file away (the group alone may still
// be kept), and a file system that cannot represent them (FAT) keeps its own defaults.
void KeepOwnerAndMode(int fd, const struct stat& replaced) {
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) != 0) {
        // Another user's group: the new file keeps ours.
    }
    if (::fchmod(fd, replaced.st_mode & 07777) != 0) {
        // A file system without modes.
    }
}

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

}  // namespace

StagedFile::StagedFile(std::filesystem::path target) {
    struct stat status {};
    bool replacing = false;
    if (::stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            // Devices, pipes and terminals are written as they are; renaming a file over
            // them would replace /dev/null or a pipe by a plain file.
            writesDirectly_ = true;
            destination_ = temporary_ = std::move(target);
            return;
        }
        replacing = true;
        // The file a link leads to is replaced, so the link keeps pointing at the new file.
        destination_ = std::filesystem::canonical(target, error_);
    } else if (errno == ENOENT) {
        destination_ = EndOfLinks(target, error_);
    } else {
        error_ = LastError();
    }
    if (error_)
        return;

    // The name is shortened so that a target whose name is as long as the file system allows
    // still gets a temporary file beside it.
    constexpr std::size_t kLongestName = 255;
    const std::size_t added = 2 + kRandomLetters + kStagedFileSuffix.size();
    const std::string name = destination_.filename().string().substr(0, kLongestName - added);
    const std::filesystem::path folder = FolderOf(destination_);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary_ = folder / ("." + name + "." + RandomLetters() + std::string(kStagedFileSuffix));
        // 0666: the kernel takes the umask (and a folder's default ACL) off it, as for any
        // file the user creates.
        fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error_ = LastError();
        temporary_.clear();
        return;
    }
    interruptTicket_ = RemoveOnInterrupt(temporary_.c_str());
    if (replacing)
        KeepOwnerAndMode(fd, status);
    ::close(fd);
}

StagedFile::~StagedFile() {
    if (!writesDirectly_ && !committed_ && !temporary_.empty())
        ::unlink(temporary_.c_str());
    ForgetOnInterrupt(interruptTicket_);
}

std::error_code StagedFile::Commit() {
    if (error_)
        return error_;
    if (writesDirectly_) {
        committed_ = true;
        return {};
    }
    const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return LastError();
    std::error_code error;
    if (::fsync(fd) != 0)
        error = LastError();
    ::close(fd);
    if (!error && std::rename(temporary_.c_str(), destination_.c_str()) != 0)
        error = LastError();
    if (error)
        return error;
    committed_ = true;
    ForgetOnInterrupt(interruptTicket_);
    interruptTicket_ = -1;
    if (const int dir = ::open(FolderOf(destination_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

std::size_t SweepStaleStagedFiles(const std::filesystem::path& folder, std::int64_t now,
                                  std::int64_t maxAgeSeconds) {
    const std::unique_ptr<DIR, FolderCloser> listing(::opendir(folder.c_str()));
    if (!listing)
        return 0;
    const int folderFd = ::dirfd(listing.get());
    std::size_t removed = 0;
    while (const dirent* item = ::readdir(listing.get())) {
        if (!IsStagedName(item->d_name))
            continue;
        struct stat status {};
        if (::fstatat(folderFd, item->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            continue;
        // A staged file still being written is younger; one an hour old was left behind.
        if (static_cast<std::int64_t>(status.st_mtime) + maxAgeSeconds < now &&
            ::unlinkat(folderFd, item->d_name, 0) == 0)
            ++removed;
    }
    return removed;
}

}  // namespace velka
