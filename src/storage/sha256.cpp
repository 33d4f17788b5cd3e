#include "storage/sha256.h"

#include "storage/file_io.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <openssl/evp.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velka {
namespace {

struct ContextDeleter {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_MD_CTX, ContextDeleter>;

Context NewContext() {
    Context context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        throw std::bad_alloc();
    return context;
}

void Update(EVP_MD_CTX* context, const void* data, std::size_t size) {
    if (EVP_DigestUpdate(context, data, size) != 1)
        throw std::runtime_error("SHA-256 failed");
}

std::string Finish(EVP_MD_CTX* context) {
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context, digest.data(), &length) != 1)
        throw std::runtime_error("SHA-256 failed");
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(std::size_t{2} * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex.push_back(kDigits[digest[i] >> 4]);
        hex.push_back(kDigits[digest[i] & 0x0F]);
    }
    return hex;
}

// Large enough that a stored image is one read.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

std::string Sha256Hex(std::span<const std::uint8_t> bytes) {
    const Context context = NewContext();
    Update(context.get(), bytes.data(), bytes.size());
    return Finish(context.get());
}

std::string Sha256Hex(std::string_view bytes) {
    const Context context = NewContext();
    Update(context.get(), bytes.data(), bytes.size());
    return Finish(context.get());
}

std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path,
                                           std::error_code* error) {
    const auto fail = [error](std::error_code code) -> std::optional<std::string> {
        if (error != nullptr)
            *error = code;
        return std::nullopt;
    };
    // Non-blocking: a FIFO in the way must not hang the reader; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return fail({errno, std::generic_category()});
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return fail({errno, std::generic_category()});
    if (!S_ISREG(status.st_mode))
        return fail(make_error_code(FileReadError::NotRegularFile));
    thread_local std::vector<std::uint8_t> block(kBlockBytes);
    const Context context = NewContext();
    for (;;) {
        const ssize_t count = ::read(fd, block.data(), block.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return fail({errno, std::generic_category()});
        if (count == 0)
            break;
        Update(context.get(), block.data(), static_cast<std::size_t>(count));
    }
    return Finish(context.get());
}

bool IsSha256Hex(std::string_view text) {
    if (text.size() != kSha256HexLength)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

}  // namespace velka
