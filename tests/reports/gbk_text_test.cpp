#include "reports/gbk_text.h"

#include <gtest/gtest.h>

namespace velka {
namespace {

TEST(GbkText, ConvertsLatinFullWidthAndChineseCharacters) {
    GbkEncoder gbk;
    EXPECT_EQ(gbk.Encode("Device S/N: 0A1B2C3D"), "Device S/N: 0A1B2C3D");
    EXPECT_EQ(gbk.Encode("：℃"), "\xA3\xBA\xA1\xE6");
    EXPECT_EQ(gbk.Encode("上海冷链"), "\xC9\xCF\xBA\xA3\xC0\xE4\xC1\xB4");
    EXPECT_EQ(gbk.Encode(""), "");
}

TEST(GbkText, CharactersWithoutAGbkFormBecomeQuestionMarks) {
    GbkEncoder gbk;
    // A runic letter, an emoji (four UTF-8 bytes) and Hebrew, between representable text.
    EXPECT_EQ(gbk.Encode("a\u16A0b\U0001F600c\u05D0d"), "a?b?c?d");
    // A stray continuation byte and a sequence cut short.
    EXPECT_EQ(gbk.Encode(std::string("x\x80y")), "x?y");
    EXPECT_EQ(gbk.Encode(std::string("z\xE4\xB8")), "z?");
}

TEST(GbkText, LongTextsAreConvertedWhole) {
    GbkEncoder gbk;
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "冷a";
    const std::string converted = gbk.Encode(text);
    EXPECT_EQ(converted.size(), 15000u);
    EXPECT_EQ(converted.substr(14997), "\xC0\xE4"
                                       "a");
}

}  // namespace
}  // namespace velka
