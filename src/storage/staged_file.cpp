#include "storage/staged_file.h"

#include "services/translation.h"
#include "storage/file_io.h"
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

// The first link of the chain from `path` that the protected_symlinks rule would not follow.
std::optional<std::filesystem::path> ForeignLink(std::filesystem::path path) {
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return std::nullopt;
        struct stat folder {};
        if (::stat(FolderOf(path).c_str(), &folder) == 0 && (folder.st_mode & S_ISVTX) != 0 &&
            (folder.st_mode & S_IWOTH) != 0 && link.st_uid != ::geteuid() &&
            link.st_uid != folder.st_uid)
            return path;
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = next.is_absolute() ? next : FolderOf(path) / next;
    }
    return std::nullopt;
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

// "." + name + "." + six letters + suffix in `folder`; the name is shortened so that a target
// whose name is as long as the file system allows still gets a staged file beside it.
std::filesystem::path StagedNameBeside(const std::filesystem::path& folder,
                                       const std::string& name) {
    constexpr std::size_t kLongestName = 255;
    const std::size_t added = 2 + kRandomLetters + kStagedFileSuffix.size();
    return folder / ("." + name.substr(0, kLongestName - added) + "." + RandomLetters() +
                     std::string(kStagedFileSuffix));
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
void KeepOwnerAndMode(int fd, uid_t uid, gid_t gid, mode_t mode) {
    if (::fchown(fd, uid, gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), gid) != 0) {
        // Another user's group: the new file keeps ours.
    }
    if (::fchmod(fd, mode & 07777) != 0) {
        // A file system without modes.
    }
}

void TakeWriteBitsOff(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) == 0 && ::fchmod(fd, status.st_mode & 07555) != 0) {
        // A file system without modes.
    }
}

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

}  // namespace

StagedFile::StagedFile(std::filesystem::path target, Staging staging, Access access)
    : target_(target), readOnly_(access == Access::ReadOnly) {
    if (ForeignLink(target)) {
        error_ = std::make_error_code(std::errc::permission_denied);
        return;
    }
    struct stat status {};
    if (::stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode)) {
            // Devices, pipes and terminals are written as they are; renaming a file over
            // them would replace /dev/null or a pipe by a plain file.
            writesDirectly_ = true;
            destination_ = temporary_ = std::move(target);
            return;
        }
        replacing_ = true;
        replacedUid_ = status.st_uid;
        replacedGid_ = status.st_gid;
        replacedMode_ = status.st_mode;
        // The file a link leads to is replaced, so the link keeps pointing at the new file.
        destination_ = std::filesystem::canonical(target, error_);
    } else if (errno == ENOENT) {
        destination_ = EndOfLinks(target, error_);
    } else {
        error_ = LastError();
    }
    if (error_)
        return;

    const std::filesystem::path folder = FolderOf(destination_);
    const bool anonymous = staging == Staging::Anonymous && OpenAnonymous(folder);
    if (!anonymous)
        OpenNamed(folder, destination_.filename().string());
}

bool StagedFile::OpenAnonymous(const std::filesystem::path& folder) {
    // 0666: the kernel takes the umask (and a folder's default ACL) off it, as for any file the
    // user creates.
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;  // a file system without O_TMPFILE: a named file instead
    // The file can only be given a name through /proc; where that is not mounted, a named file.
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (::access(path.c_str(), F_OK) != 0) {
        ::close(fd);
        return false;
    }
    anonymousFd_ = fd;
    temporary_ = path;
    return true;
}

bool StagedFile::OpenNamed(const std::filesystem::path& folder, const std::string& name) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary_ = StagedNameBeside(folder, name);
        fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error_ = LastError();
        temporary_.clear();
        return false;
    }
    interruptTicket_ = RemoveOnInterrupt(temporary_.c_str());
    ::close(fd);
    return true;
}

StagedFile::~StagedFile() {
    if (!writesDirectly_ && !committed_ && anonymousFd_ < 0 && !temporary_.empty())
        ::unlink(temporary_.c_str());
    if (anonymousFd_ >= 0)
        ::close(anonymousFd_);
    ForgetOnInterrupt(interruptTicket_);
}

std::error_code StagedFile::Flush() const {
    const int fd =
        anonymousFd_ >= 0 ? anonymousFd_ : ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return LastError();
    if (replacing_)
        KeepOwnerAndMode(fd, replacedUid_, replacedGid_, replacedMode_);
    if (readOnly_)
        TakeWriteBitsOff(fd);
    std::error_code error;
    if (::fsync(fd) != 0)
        error = LastError();
    if (fd != anonymousFd_)
        ::close(fd);
    return error;
}

namespace {
thread_local StagedBatch* openBatch = nullptr;
}  // namespace

std::optional<std::string> ForeignLinkOnTheWay(const std::filesystem::path& path) {
    const std::optional<std::filesystem::path> link = ForeignLink(path);
    if (!link)
        return std::nullopt;
    return WithArguments(
        Tr("Files", "%1 is a link that another user made in the shared folder %2, which is not "
                    "followed"),
        {MessagePath(*link), MessagePath(FolderOf(*link))});
}

StagedBatch::StagedBatch() : outer_(openBatch) {
    openBatch = this;
}

StagedBatch::~StagedBatch() {
    openBatch = outer_;
}

std::error_code StagedBatch::Commit() {
    openBatch = outer_;
    std::error_code first;
    for (const std::unique_ptr<StagedFile>& file : waiting_) {
        if (const std::error_code error = file->CommitNow(); error && !first)
            first = error;
    }
    waiting_.clear();
    openBatch = this;
    return first;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)), destination_(std::move(other.destination_)),
      temporary_(std::move(other.temporary_)), anonymousFd_(other.anonymousFd_),
      error_(other.error_), writesDirectly_(other.writesDirectly_), committed_(other.committed_),
      readOnly_(other.readOnly_), replacing_(other.replacing_), replacedUid_(other.replacedUid_),
      replacedGid_(other.replacedGid_), replacedMode_(other.replacedMode_),
      interruptTicket_(other.interruptTicket_) {
    other.temporary_.clear();
    other.anonymousFd_ = -1;
    other.interruptTicket_ = -1;
    other.committed_ = true;
}

std::error_code StagedFile::Commit() {
    if (openBatch != nullptr && !error_ && !writesDirectly_) {
        if (const std::error_code error = Flush())
            return error;
        openBatch->waiting_.push_back(
            std::unique_ptr<StagedFile>(new StagedFile(std::move(*this))));
        return {};
    }
    return CommitNow();
}

std::error_code StagedFile::CommitNow() {
    if (error_)
        return error_;
    if (writesDirectly_) {
        committed_ = true;
        return {};
    }
    if (const std::error_code error = Flush())
        return error;
    std::filesystem::path staged = temporary_;
    if (anonymousFd_ >= 0) {
        // rename() needs a name to move: the complete file gets a staged one first, which the
        // sweep recognises should the program be killed in between.
        const std::filesystem::path folder = FolderOf(destination_);
        const std::string name = destination_.filename().string();
        int linked = -1;
        for (int attempt = 0; attempt < 100 && linked != 0; ++attempt) {
            staged = StagedNameBeside(folder, name);
            linked =
                ::linkat(AT_FDCWD, temporary_.c_str(), AT_FDCWD, staged.c_str(), AT_SYMLINK_FOLLOW);
            if (linked != 0 && errno != EEXIST)
                return LastError();
        }
        if (linked != 0)
            return LastError();
        interruptTicket_ = RemoveOnInterrupt(staged.c_str());
    }
    if (std::rename(staged.c_str(), destination_.c_str()) != 0) {
        const std::error_code error = LastError();
        if (anonymousFd_ >= 0) {
            ::unlink(staged.c_str());
            ForgetOnInterrupt(interruptTicket_);
            interruptTicket_ = -1;
        }
        return error;
    }
    Committed(destination_);
    return {};
}

std::error_code StagedFile::CommitAsNew() {
    if (error_)
        return error_;
    if (writesDirectly_)
        return std::make_error_code(std::errc::file_exists);
    if (const std::error_code error = Flush())
        return error;
    if (anonymousFd_ >= 0) {
        if (::linkat(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) !=
            0)
            return LastError();
    } else if (::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, target_.c_str(),
                           RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return LastError();
        // A file system that cannot rename without replacing: a second name never replaces
        // either.
        if (::link(temporary_.c_str(), target_.c_str()) != 0)
            return LastError();
        ::unlink(temporary_.c_str());
    }
    Committed(target_);
    return {};
}

void StagedFile::Committed(const std::filesystem::path& named) {
    committed_ = true;
    ForgetOnInterrupt(interruptTicket_);
    interruptTicket_ = -1;
    // The new name itself must reach the disk too.
    if (const int dir = ::open(FolderOf(named).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
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
