#include "app/layout_flags.h"

#include <gtest/gtest.h>

namespace {

TEST(LayoutFlags, SingleCharacterOne) {
    const LayoutFlagSettings flags = DecodeLayoutFlags("1");
    EXPECT_TRUE(flags.printTransportDetails);
    EXPECT_FALSE(flags.layoutFlag1);
    EXPECT_FALSE(flags.layoutFlag2);
    // Position 4 is missing: not '0', so the letterhead is printed, but not '2', so no logo.
    EXPECT_TRUE(flags.printLetterhead);
    EXPECT_FALSE(flags.printLogo);
    EXPECT_EQ(flags.altPriceDigit, 0);
    EXPECT_FALSE(flags.layoutFlag5);
    EXPECT_EQ(flags.layoutKind, "");
    EXPECT_FALSE(flags.layoutFlag7);
}

TEST(LayoutFlags, AllPositionsSet) {
    const LayoutFlagSettings flags = DecodeLayoutFlags("11121C1");
    EXPECT_TRUE(flags.printTransportDetails);
    EXPECT_TRUE(flags.layoutFlag1);
    EXPECT_TRUE(flags.layoutFlag2);
    EXPECT_TRUE(flags.printLetterhead);
    EXPECT_TRUE(flags.printLogo);
    EXPECT_EQ(flags.altPriceDigit, 1);
    EXPECT_FALSE(flags.layoutFlag5); // position 6 is 'C'
    EXPECT_EQ(flags.layoutKind, "1");
    EXPECT_FALSE(flags.layoutFlag7);

    const LayoutFlagSettings eight = DecodeLayoutFlags("11121"
                                                       "1U1");
    EXPECT_TRUE(eight.layoutFlag5);
    EXPECT_EQ(eight.layoutKind, "U");
    EXPECT_TRUE(eight.layoutFlag7);
}

TEST(LayoutFlags, AllPositionsCleared) {
    const LayoutFlagSettings flags = DecodeLayoutFlags("000000N0");
    EXPECT_FALSE(flags.printTransportDetails);
    EXPECT_FALSE(flags.layoutFlag1);
    EXPECT_FALSE(flags.layoutFlag2);
    EXPECT_FALSE(flags.printLetterhead);
    EXPECT_FALSE(flags.printLogo);
    EXPECT_EQ(flags.altPriceDigit, 0);
    EXPECT_FALSE(flags.layoutFlag5);
    EXPECT_EQ(flags.layoutKind, "N");
    EXPECT_FALSE(flags.layoutFlag7);
}

TEST(LayoutFlags, TestsAreOnExactCharacters) {
    // "not '0'" is true for any other character; "is '1'" only for '1'.
    const LayoutFlagSettings flags = DecodeLayoutFlags("X222X2P2");
    EXPECT_TRUE(flags.printTransportDetails);
    EXPECT_FALSE(flags.layoutFlag1);
    EXPECT_FALSE(flags.layoutFlag2);
    EXPECT_TRUE(flags.printLetterhead);
    EXPECT_TRUE(flags.printLogo);
    EXPECT_EQ(flags.altPriceDigit, 0); // 'X' is no digit
    EXPECT_FALSE(flags.layoutFlag5);
    EXPECT_EQ(flags.layoutKind, "P");
    EXPECT_FALSE(flags.layoutFlag7);
}

TEST(LayoutFlags, PositionFiveIsADigit) {
    EXPECT_EQ(DecodeLayoutFlags("00007").altPriceDigit, 7);
    EXPECT_EQ(DecodeLayoutFlags("00009").altPriceDigit, 9);
    EXPECT_EQ(DecodeLayoutFlags("0000-").altPriceDigit, 0);
    EXPECT_EQ(DecodeLayoutFlags("0000$").altPriceDigit, 0);
}

TEST(LayoutFlags, EmptyFlags) {
    const LayoutFlagSettings flags = DecodeLayoutFlags("");
    EXPECT_TRUE(flags.printTransportDetails);
    EXPECT_TRUE(flags.printLetterhead);
    EXPECT_FALSE(flags.printLogo);
    EXPECT_EQ(flags.layoutKind, "");
}

} // namespace
