#include "storage/file_io.h"

#include "record/text_encoding.h"
#include "services/translation.h"
#include "storage/staged_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velka {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

class FileReadCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "velka file read"; }
    std::string message(int value) const override {
        switch (static_cast<FileReadError>(value)) {
        case FileReadError::NotRegularFile:
            return Tr("Files", "Not a regular file");
        case FileReadError::TooLarge:
            return Tr("Files", "File too large");
        case FileReadError::IncompleteImage:
            return Tr("Files", "not a complete logger image");
        }
        return Tr("Files", "Cannot be read");
    }
};

std::error_code KindError(const struct stat& status) {
    if (S_ISDIR(status.st_mode))
        return std::make_error_code(std::errc::is_a_directory);
    return FileReadError::NotRegularFile;
}

class ReadableFile {
public:
    // Looks before it opens: opening a device can have effects of its own, and opening a pipe
    // waits for a writer. The open itself does not wait (O_NONBLOCK) and is checked again, in
    // case the name changed in between.
    ReadableFile(const std::filesystem::path& path, std::error_code& error) {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) {
            error = LastError();
            return;
        }
        if (!S_ISREG(status.st_mode)) {
            error = KindError(status);
            return;
        }
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0) {
            error = LastError();
            return;
        }
        if (::fstat(fd_, &status) != 0 || !S_ISREG(status.st_mode)) {
            error = S_ISREG(status.st_mode) ? LastError() : KindError(status);
            Close();
            return;
        }
        size_ = static_cast<std::size_t>(status.st_size);
    }
    ~ReadableFile() { Close(); }
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::size_t Size() const { return size_; }

    // Reads up to `size` bytes; fewer only at the end of the file. Nothing on a read error.
    std::optional<std::size_t> Read(char* data, std::size_t size, std::error_code& error) {
        std::size_t total = 0;
        while (total < size) {
            const ssize_t got = ::read(fd_, data + total, size - total);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                error = LastError();
                return std::nullopt;
            }
            if (got == 0)
                break;
            total += static_cast<std::size_t>(got);
        }
        return total;
    }

private:
    void Close() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    int fd_ = -1;
    std::size_t size_ = 0;
};

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

std::error_code make_error_code(FileReadError error) {
    static const FileReadCategory category;
    return {static_cast<int>(error), category};
}

std::optional<std::size_t> ReadImageFile(const std::filesystem::path& path, LoggerImage& image,
                                         std::error_code* error) {
    std::error_code failure;
    std::optional<std::size_t> total;
    // One byte more than an image tells a longer file from a complete one.
    std::array<char, kImageSize + 1> buffer{};
    if (ReadableFile file(path, failure); file.IsOpen())
        total = file.Read(buffer.data(), buffer.size(), failure);
    if (total && *total != kImageSize) {
        total.reset();
        failure = FileReadError::IncompleteImage;
    }
    if (!total) {
        if (error != nullptr)
            *error = failure;
        return std::nullopt;
    }
    std::copy_n(buffer.begin(), kImageSize, image.begin());
    return total;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes,
                                         std::error_code* error) {
    std::error_code failure;
    std::optional<std::string> content;
    ReadableFile file(path, failure);
    if (file.IsOpen() && file.Size() > maxBytes) {
        failure = FileReadError::TooLarge;
    } else if (file.IsOpen()) {
        // Up to one byte more than allowed, which tells a file that grew since it was looked at.
        std::string text(std::min(file.Size(), maxBytes) + 1, '\0');
        std::size_t total = 0;
        while (!failure && total <= maxBytes) {
            if (total == text.size())
                text.resize(std::min(2 * text.size(), maxBytes + 1));
            const auto got = file.Read(text.data() + total, text.size() - total, failure);
            if (!got || *got == 0)
                break;
            total += *got;
        }
        if (!failure && total > maxBytes)
            failure = FileReadError::TooLarge;
        if (!failure) {
            text.resize(total);
            content = std::move(text);
        }
    }
    if (!content && error != nullptr)
        *error = failure;
    return content;
}

std::string MessagePath(const std::filesystem::path& path) {
    return EscapeControlCharacters(path.native());
}

std::string DescribeFileError(const std::filesystem::path& path, std::error_code error) {
    return MessagePath(path) + ": " + error.message();
}

namespace {

std::error_code WriteStaged(StagedFile& staged, std::span<const std::uint8_t> content) {
    if (staged.Error())
        return staged.Error();
    const int fd =
        ::open(staged.TemporaryPath().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return LastError();
    std::error_code error = WriteAll(fd, content.data(), content.size());
    if (::close(fd) != 0 && !error)
        error = LastError();
    return error;
}

}  // namespace

std::error_code WriteFileAtomically(const std::filesystem::path& path,
                                    std::span<const std::uint8_t> content,
                                    StagedFile::Access access) {
    StagedFile staged(path, StagedFile::Staging::Anonymous, access);
    const std::error_code error = WriteStaged(staged, content);
    return error ? error : staged.Commit();
}

std::error_code WriteNewFileAtomically(const std::filesystem::path& path,
                                       std::span<const std::uint8_t> content,
                                       StagedFile::Access access) {
    StagedFile staged(path, StagedFile::Staging::Anonymous, access);
    const std::error_code error = WriteStaged(staged, content);
    return error ? error : staged.CommitAsNew();
}

std::error_code WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    return WriteFileAtomically(
        path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(content.data()),
                                            content.size()));
}

}  // namespace velka
