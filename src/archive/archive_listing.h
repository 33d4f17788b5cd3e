#pragma once
// The stored images of the archive folder as the directory listing gives them.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velka {

// The names, as raw bytes and in listing order, of the regular files in `folder` whose names
// end in ".bin" (compared with the file system's own case rules, so exactly) and do not begin
// with ".". Folders, symbolic links to folders, devices and pipes are left out; a symbolic
// link to a regular file counts as that file. Empty when the folder cannot be listed.
std::vector<std::string> ListArchiveFiles(const std::filesystem::path& folder);

// A stored name as it is shown: read as UTF-8, every byte that is not part of valid UTF-8
// becomes U+FFFD.
std::u16string DisplayFileName(std::string_view storedName);

}  // namespace velka
