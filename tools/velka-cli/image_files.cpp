#include "image_files.h"

#include "command_line.h"
#include "storage/file_io.h"

#include <cerrno>
#include <cstring>

namespace velka::cli {

LoggerImage ReadImageArgument(const std::filesystem::path& path) {
    LoggerImage image{};
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw CommandFailure{"cannot read " + path.string() + ": it is a folder"};
    if (!ReadImageFile(path, image))
        throw CommandFailure{"cannot read " + path.string() + ": " + std::strerror(errno)};
    return image;
}

void WriteImageArgument(const std::filesystem::path& path, const LoggerImage& image) {
    if (const std::error_code error = WriteFileAtomically(path, image))
        throw CommandFailure{"cannot write " + path.string() + ": " + error.message()};
}

}  // namespace velka::cli
