#include "image_files.h"

#include "command_line.h"
#include "storage/file_io.h"

namespace velka::cli {

LoggerImage ReadImageArgument(const std::filesystem::path& path) {
    LoggerImage image{};
    std::error_code error;
    if (!ReadImageFile(path, image, &error))
        throw CommandFailure{"cannot read " + DescribeFileError(path, error)};
    return image;
}

void WriteImageArgument(const std::filesystem::path& path, const LoggerImage& image) {
    if (const std::error_code error = WriteFileAtomically(path, image))
        throw CommandFailure{"cannot write " + DescribeFileError(path, error)};
}

std::string ReadSettingsArgument(const std::filesystem::path& path) {
    std::error_code error;
    auto text = ReadWholeFile(path, kLargestTextFileBytes, &error);
    if (!text)
        throw CommandFailure{"cannot read the settings file " + DescribeFileError(path, error)};
    return std::move(*text);
}

}  // namespace velka::cli
