#include "archive/archive_listing.h"

#include "archive/archive_file_name.h"
#include "record/text_encoding.h"

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace velka {
namespace {

bool HasImageName(std::string_view name) {
    return !name.empty() && name.front() != '.' && HasImageSuffix(name);
}

// The kind of the item, following a symbolic link; most file systems tell it in the listing
// itself, so only links and the rest need a stat.
bool IsRegularFile(int folderFd, const dirent& item) {
    if (item.d_type == DT_REG)
        return true;
    if (item.d_type != DT_LNK && item.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstatat(folderFd, item.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

struct FolderCloser {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

}  // namespace

std::vector<std::string> ListArchiveFiles(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, FolderCloser> listing(::opendir(folder.c_str()));
    if (!listing)
        return names;
    const int folderFd = ::dirfd(listing.get());
    // A read error ends the listing with what it found so far.
    while (const dirent* item = ::readdir(listing.get())) {
        const std::string_view name(item->d_name);
        if (HasImageName(name) && IsRegularFile(folderFd, *item))
            names.emplace_back(name);
    }
    return names;
}

std::u16string DisplayFileName(std::string_view storedName) {
    return Utf16FromUtf8(storedName);
}

}  // namespace velka
