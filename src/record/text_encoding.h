#pragma once
// UTF-16 (the image's texts) to and from UTF-8 (the command line, JSON, file names), and texts
// made safe for a one-line message.

#include <string>
#include <string_view>

namespace velka {

// Unpaired surrogates become U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);

// The text with its control characters (C0 and DEL) written as escapes: "\n", "\r", "\t", the
// others "\xNN" (ESC is "\x1b"). A file name or a user's text then neither splits a one-line
// message nor reaches a terminal as a command. Backslashes stay as they are, so escaping an
// escaped text again changes nothing.
std::string EscapeControlCharacters(std::string_view text);

}  // namespace velka
