#include "central/workstation_id.h"

#include "storage/file_io.h"

#include <openssl/rand.h>
#include <stdexcept>

namespace velka {
namespace {

// A version 4 (random) UUID, RFC 9562.
std::string RandomUuid() {
    unsigned char bytes[16];
    if (RAND_bytes(bytes, sizeof bytes) != 1)
        throw std::runtime_error("no random numbers for a workstation id");
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += kHex[bytes[i] >> 4];
        text += kHex[bytes[i] & 0x0F];
    }
    return text;
}

std::optional<std::string> ReadId(const std::filesystem::path& file) {
    const std::optional<std::string> text = ReadWholeFile(file, 128);
    if (!text)
        return std::nullopt;
    std::string id = *text;
    while (!id.empty() && (id.back() == '\n' || id.back() == '\r'))
        id.pop_back();
    if (!IsWorkstationId(id))
        throw std::runtime_error(MessagePath(file) + " holds no workstation id");
    return id;
}

}  // namespace

bool IsWorkstationId(std::string_view text) {
    if (text.size() != 36)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const char c = text[i];
        if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

std::string WorkstationId(const DataRoot& root) {
    const std::filesystem::path file = root.Root() / kWorkstationIdName;
    if (const std::optional<std::string> id = ReadId(file))
        return *id;
    if (!EnsureDirectory(root.Root()))
        throw std::runtime_error("the data folder " + MessagePath(root.Root()) +
                                 " cannot be made for the workstation id");
    const std::string made = RandomUuid() + "\n";
    const std::error_code error = WriteNewFileAtomically(
        file, std::span(reinterpret_cast<const std::uint8_t*>(made.data()), made.size()));
    if (error && error != std::errc::file_exists)
        throw std::runtime_error("the workstation id cannot be kept: " +
                                 DescribeFileError(file, error));
    // Another program may have made it first: its id is the one.
    if (const std::optional<std::string> id = ReadId(file))
        return *id;
    throw std::runtime_error("the workstation id cannot be read back from " + MessagePath(file));
}

}  // namespace velka
