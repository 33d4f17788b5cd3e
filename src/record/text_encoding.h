#pragma once
// UTF-16 (the image's texts) to and from UTF-8 (the command line, JSON, file names).

#include <string>
#include <string_view>

namespace velka {

// Unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace velka
