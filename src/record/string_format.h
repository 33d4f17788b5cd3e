#pragma once
// printf-style formatting into a std::string of whatever length the result needs; the compiler
// checks the arguments against the format.

#include <cstdarg>
#include <cstdio>
#include <string>

namespace velka {

[[gnu::format(printf, 1, 2)]] inline std::string StringPrintf(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length));
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}

}  // namespace velka
