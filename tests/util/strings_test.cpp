#include <gtest/gtest.h>

#include "util/strings.h"

namespace {

TEST(TextParts, LeftRightAndTail) {
    EXPECT_EQ(LeftPart("ABCDE", 2), "AB");
    EXPECT_EQ(LeftPart("ABCDE", 9), "ABCDE");
    EXPECT_EQ(LeftPart("ABCDE", 0), "");
    EXPECT_EQ(LeftPart("ABCDE", -1), "");
    EXPECT_EQ(RightPart("ABCDE", 2), "DE");
    EXPECT_EQ(RightPart("ABCDE", 9), "ABCDE");
    EXPECT_EQ(RightPart("ABCDE", 0), "");
    EXPECT_EQ(TailFrom("ABCDE", 3), "CDE");
    EXPECT_EQ(TailFrom("ABCDE", 1), "ABCDE");
    EXPECT_EQ(TailFrom("ABCDE", 0), "ABCDE");
    EXPECT_EQ(TailFrom("ABCDE", 6), "");
}

TEST(TextBuilding, RepeatSpacesAndPad) {
    EXPECT_EQ(RepeatChar(3, '*'), "***");
    EXPECT_EQ(RepeatChar(0, '*'), "");
    EXPECT_EQ(RepeatChar(-2, '*'), "");
    EXPECT_EQ(Spaces(2), "  ");
    EXPECT_EQ(PadText("12", 5, '0', true), "00012");
    EXPECT_EQ(PadText("12", 5, '.', false), "12...");
    EXPECT_EQ(PadText("123456", 5, '0', true), "123456");
    EXPECT_EQ(PadText("12", -1, '0', true), "12");
}

TEST(TextReplace, FirstReturnsPositionFromOne) {
    std::string text = "A,B,C";
    EXPECT_EQ(ReplaceFirst(text, ",", "."), 2);
    EXPECT_EQ(text, "A.B,C");
    EXPECT_EQ(ReplaceFirst(text, "X", "Y"), 0);
    EXPECT_EQ(text, "A.B,C");
    EXPECT_EQ(ReplaceFirst(text, "A", ""), 1);
    EXPECT_EQ(text, ".B,C");
    EXPECT_EQ(ReplaceFirst(text, "", "Z"), 0);
}

TEST(TextReplace, AllScansOnAfterEachReplacement) {
    std::string text = "AAA";
    EXPECT_EQ(ReplaceAll(text, "A", "AA"), 3);
    EXPECT_EQ(text, "AAAAAA");
    text = "1.234.567";
    EXPECT_EQ(ReplaceAll(text, ".", ""), 2);
    EXPECT_EQ(text, "1234567");
    text = "ABAB";
    EXPECT_EQ(ReplaceAll(text, "", "X"), 0);
    EXPECT_EQ(ReplaceAll(text, "C", "X"), 0);
    EXPECT_EQ(text, "ABAB");
}

TEST(TextNormalise, TrimAndUpperCase) {
    EXPECT_EQ(TrimControl(std::string("\0 \t AB C\r\n ", 11)), "AB C");
    EXPECT_EQ(TrimControl("   "), "");
    // Only a to z change; accented Windows-1252 letters stay as they are.
    EXPECT_EQ(UpperAscii("abc\xe0\xe8z{"), "ABC\xe0\xe8Z{");
    EXPECT_TRUE(SameTextAscii("/i=", "/I="));
    EXPECT_FALSE(SameTextAscii("\xe0", "\xc0"));
}

} // namespace
