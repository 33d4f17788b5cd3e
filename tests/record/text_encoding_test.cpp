#include "record/text_encoding.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(TextEncoding, RoundTripsEveryPlane) {
    const std::u16string text = u"Nordvik ÆØÅ 冷链 \U0001F9CA";
    EXPECT_EQ(Utf16FromUtf8(Utf8FromUtf16(text)), text);
    EXPECT_EQ(Utf8FromUtf16(u"°C"), "\xC2\xB0"
                                    "C");
}

TEST(TextEncoding, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"a"), "\xEF\xBF\xBD"
                                                                         "a");
    EXPECT_EQ(Utf8FromUtf16(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16FromUtf8("a\xFF"
                            "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf16FromUtf8("\xC0\x80"), u"\uFFFD\uFFFD");            // overlong NUL
    EXPECT_EQ(Utf16FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(Utf16FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");            // cut short
}

}  // namespace
}  // namespace velka
