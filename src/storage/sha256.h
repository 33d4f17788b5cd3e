#pragma once
// SHA-256 digests (OpenSSL's libcrypto) as lower-case hex, the form sha256sum prints: of bytes
// in memory, and of a file read once in large blocks.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace velka {

inline constexpr std::size_t kSha256HexLength = 64;

std::string Sha256Hex(std::span<const std::uint8_t> bytes);
std::string Sha256Hex(std::string_view bytes);

// The digest of a regular file (a link to one is followed), or nothing when it cannot be read
// (then `error`, when given, says why: a folder or a device is not a regular file).
std::optional<std::string> Sha256HexOfFile(const std::filesystem::path& path,
                                           std::error_code* error = nullptr);

// 64 lower-case hex digits.
bool IsSha256Hex(std::string_view text);

}  // namespace velka
