#include "storage/file_io.h"

#include "storage/staged_file.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace velka {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

std::error_code WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return LastError();
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return {};
}

}  // namespace

std::optional<std::size_t> ReadImageFile(const std::filesystem::path& path, LoggerImage& image) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::size_t total = 0;
    std::array<std::uint8_t, kImageSize> buffer{};
    while (total < kImageSize) {
        const ssize_t got = ::read(fd, buffer.data() + total, kImageSize - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    ::close(fd);
    std::copy(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(total), image.begin());
    return total;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return content;
}

std::error_code WriteFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> content) {
    StagedFile staged(path);
    if (staged.Error())
        return staged.Error();
    const int fd = ::open(staged.TemporaryPath().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0)
        return LastError();
    std::error_code error = WriteAll(fd, content.data(), content.size());
    if (::close(fd) != 0 && !error)
        error = LastError();
    return error ? error : staged.Commit();
}

std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    return WriteFileAtomically(
        path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(content.data()),
                                            content.size()));
}

}  // namespace velka
