#include "pdf/images/bmp_decoder.h"

#include "pdf/images/bmp_builder.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

std::vector<std::uint32_t> GreyRamp() {
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < 256; ++i)
        palette.push_back(i << 16 | i << 8 | i);
    return palette;
}

BmpImage Decode(const std::string& file) {
    BmpImage image;
    EXPECT_TRUE(DecodeBmp(file, image));
    return image;
}

bool Fails(const std::string& file) {
    BmpImage image;
    return !DecodeBmp(file, image);
}

// A 10 x 3 one-bit bitmap, bottom-up: rows padded to 4 bytes, the low 6 bits of
// each row's second byte are junk that must be taken over unchanged.
BmpLayout Bilevel10x3() {
    BmpLayout layout;
    layout.width = 10;
    layout.height = 3;
    layout.bitsPerPixel = 1;
    layout.palette = {kBlack, kWhite};
    layout.pixels = Bytes({0x11, 0xC1, 0, 0, 0x22, 0xC2, 0, 0, 0x33, 0xC3, 0, 0});
    return layout;
}

} // namespace

TEST(BmpDecoderBilevel, RowsTopFirstUnpaddedWithLowBitsKept) {
    const BmpImage image = Decode(BuildBmp(Bilevel10x3()));
    EXPECT_EQ(image.kind, BmpSampleKind::Bilevel);
    EXPECT_EQ(image.width, 10u);
    EXPECT_EQ(image.height, 3u);
    EXPECT_EQ(image.samples, Bytes({0x33, 0xC3, 0x22, 0xC2, 0x11, 0xC1}));
    EXPECT_TRUE(image.zeroIsBlack);
}

TEST(BmpDecoderBilevel, WhiteFirstTableGivesSameSamplesButZeroIsWhite) {
    BmpLayout layout = Bilevel10x3();
    layout.palette = {kWhite, kBlack};
    const BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.samples, Bytes({0x33, 0xC3, 0x22, 0xC2, 0x11, 0xC1}));
    EXPECT_FALSE(image.zeroIsBlack);
}

TEST(BmpDecoderBilevel, OnlyTheRedComponentOfEntryZeroDecides) {
    BmpLayout layout = Bilevel10x3();
    layout.palette = {0x00FFFF, kBlack}; // cyan: red 0
    EXPECT_TRUE(Decode(BuildBmp(layout)).zeroIsBlack);
    layout.palette = {0x010000, kBlack};
    EXPECT_FALSE(Decode(BuildBmp(layout)).zeroIsBlack);
}

TEST(BmpDecoderBilevel, TopDownRowsKeepTheirOrder) {
    BmpLayout layout = Bilevel10x3();
    layout.height = -3;
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({0x11, 0xC1, 0x22, 0xC2, 0x33, 0xC3}));
}

TEST(BmpDecoderBilevel, CoreHeaderWithThreeByteTable) {
    BmpLayout layout = Bilevel10x3();
    layout.headerSize = 12;
    layout.palette = {kWhite, kBlack};
    const BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.samples, Bytes({0x33, 0xC3, 0x22, 0xC2, 0x11, 0xC1}));
    EXPECT_FALSE(image.zeroIsBlack);
    EXPECT_EQ(image.xPelsPerMeter, 0);
}

TEST(BmpDecoderBilevel, ResolutionIsTakenFromTheHeader) {
    BmpLayout layout = Bilevel10x3();
    layout.xPelsPerMeter = 23622; // 600 dpi
    layout.yPelsPerMeter = 11811;
    const BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.xPelsPerMeter, 23622);
    EXPECT_EQ(image.yPelsPerMeter, 11811);
}

TEST(BmpDecoderBilevel, EveryHeaderVersionDecodesTheSame) {
    for (std::uint32_t size : {40u, 52u, 56u, 108u, 124u}) {
        BmpLayout layout = Bilevel10x3();
        layout.headerSize = size;
        if (size >= 52)
            layout.masks = {0, 0, 0};
        EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({0x33, 0xC3, 0x22, 0xC2, 0x11, 0xC1})) << size;
    }
}

TEST(BmpDecoderIndexed, FourBitBecomesRgbThroughTheTable) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.bitsPerPixel = 4;
    layout.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x102030};
    layout.coloursUsed = 5;
    // bottom row: 1 2 3, top row: 4 0 1
    layout.pixels = Bytes({0x12, 0x30, 0, 0, 0x40, 0x10, 0, 0});
    const BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.kind, BmpSampleKind::Rgb);
    EXPECT_EQ(image.samples, Bytes({0x10, 0x20, 0x30, 0, 0, 0, 0xFF, 0, 0, // top row
                                    0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF})); // bottom row
}

TEST(BmpDecoderIndexed, IndexPastTheTableIsBlack) {
    BmpLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.bitsPerPixel = 8;
    layout.palette = {0xFFFFFF};
    layout.coloursUsed = 1;
    layout.pixels = Bytes({0, 7, 0, 0});
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({-1, -1, -1, 0, 0, 0}));
}

TEST(BmpDecoderIndexed, EightBitWithTheFullGreyRampStaysGrey) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.bitsPerPixel = 8;
    layout.palette = GreyRamp();
    layout.pixels = Bytes({1, 2, 3, 0, 200, 201, 202, 0});
    const BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.kind, BmpSampleKind::Gray);
    EXPECT_EQ(image.samples, Bytes({200, 201, 202, 1, 2, 3}));
}

TEST(BmpDecoderIndexed, EightBitWithAnyOtherTableBecomesRgb) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = 1;
    layout.bitsPerPixel = 8;
    layout.palette = GreyRamp();
    layout.palette[128] = 0x808081;
    layout.pixels = Bytes({5, 0, 0, 0});
    BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.kind, BmpSampleKind::Rgb);
    EXPECT_EQ(image.samples, Bytes({5, 5, 5}));

    layout.palette = GreyRamp();
    layout.palette.pop_back(); // 255 grey levels only
    layout.coloursUsed = 255;
    image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.kind, BmpSampleKind::Rgb);
    EXPECT_EQ(image.samples, Bytes({5, 5, 5}));
}

TEST(BmpDecoderDirect, TwentyFourBitIsReorderedToRgbAndUnpadded) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = 2;
    layout.bitsPerPixel = 24;
    layout.pixels = Bytes({1, 2, 3, 0, 4, 5, 6, 0}); // blue, green, red + padding
    const BmpImage image = Decode(BuildBmp(layout));
    EXPECT_EQ(image.kind, BmpSampleKind::Rgb);
    EXPECT_EQ(image.samples, Bytes({6, 5, 4, 3, 2, 1}));
}

TEST(BmpDecoderDirect, SixteenBitWithoutMasksIsFiveFiveFive) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 1;
    layout.bitsPerPixel = 16;
    layout.pixels = Bytes({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42});
    // 16 of 31 scaled to 0..255 is 131.6, rounded 132.
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({255, 0, 0, 0, 255, 0, 0, 0, 255, 132, 132, 132}));
}

TEST(BmpDecoderDirect, SixteenBitFieldsAfterAnInfoHeaderAndInsideAV4Header) {
    for (std::uint32_t size : {40u, 108u}) {
        BmpLayout layout;
        layout.headerSize = size;
        layout.width = 2;
        layout.height = 1;
        layout.bitsPerPixel = 16;
        layout.compression = 3;
        layout.masks = {0xF800, 0x07E0, 0x001F};
        layout.pixels = Bytes({0x00, 0xF8, 0x20, 0x00}); // pure red; green 1 of 63
        EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({255, 0, 0, 0, 4, 0})) << size;
    }
}

TEST(BmpDecoderDirect, ThirtyTwoBitPlainIsBlueGreenRedUnused) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = 1;
    layout.bitsPerPixel = 32;
    layout.pixels = Bytes({10, 20, 30, 99});
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({30, 20, 10}));
}

TEST(BmpDecoderDirect, ThirtyTwoBitFieldsInAV5HeaderAreHonoured) {
    BmpLayout layout;
    layout.headerSize = 124;
    layout.width = 1;
    layout.height = -1;
    layout.bitsPerPixel = 32;
    layout.compression = 3;
    layout.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}; // red in the lowest byte
    layout.pixels = Bytes({10, 20, 30, 99});
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({10, 20, 30}));
}

TEST(BmpDecoderRle, Rle8RunsAbsoluteRunsDeltaAndEndCodes) {
    BmpLayout layout;
    layout.width = 24;
    layout.height = 4;
    layout.bitsPerPixel = 8;
    layout.compression = 1;
    layout.palette = GreyRamp();
    layout.pixels = Bytes({0x03, 0x04, 0x05, 0x06, 0x00, 0x03, 0x45, 0x56, 0x67, 0x00, 0x02, 0x78,
                           0x00, 0x02, 0x05, 0x01, 0x02, 0x78, 0x00, 0x00, 0x09, 0x1E, 0x00, 0x01});
    const BmpImage image = Decode(BuildBmp(layout));
    ASSERT_EQ(image.kind, BmpSampleKind::Gray);
    std::string expected(24 * 4, '\0');
    // Output rows from the top: file row 3 (untouched), 2, 1, 0.
    for (int x = 0; x < 9; ++x)
        expected[24 + x] = 0x1E;
    expected[48 + 18] = 0x78;
    expected[48 + 19] = 0x78;
    const std::string row0 = Bytes({4, 4, 4, 6, 6, 6, 6, 6, 0x45, 0x56, 0x67, 0x78, 0x78});
    expected.replace(72, row0.size(), row0);
    EXPECT_EQ(image.samples, expected);
}

TEST(BmpDecoderRle, Rle4NibbleRunsAndPaddedAbsoluteRun) {
    BmpLayout layout;
    layout.width = 28;
    layout.height = -3; // top-down: file rows are output rows
    layout.bitsPerPixel = 4;
    layout.compression = 2;
    for (std::uint32_t i = 0; i < 16; ++i)
        layout.palette.push_back(i << 16 | (i * 2) << 8 | (i * 3));
    layout.pixels = Bytes({0x03, 0x04, 0x05, 0x06, 0x00, 0x06, 0x45, 0x56, 0x67, 0x00, 0x04, 0x78,
                           0x00, 0x02, 0x05, 0x01, 0x04, 0x78, 0x00, 0x00, 0x09, 0x1E, 0x00, 0x01});
    const BmpImage image = Decode(BuildBmp(layout));
    ASSERT_EQ(image.kind, BmpSampleKind::Rgb);
    std::vector<int> indexes(28 * 3, 0);
    const std::vector<int> row0 = {0, 4, 0, 0, 6, 0, 6, 0, 4, 5, 5, 6, 6, 7, 7, 8, 7, 8};
    std::copy(row0.begin(), row0.end(), indexes.begin());
    const std::vector<int> row1 = {7, 8, 7, 8};
    std::copy(row1.begin(), row1.end(), indexes.begin() + 28 + 23);
    const std::vector<int> row2 = {1, 14, 1, 14, 1, 14, 1, 14, 1};
    std::copy(row2.begin(), row2.end(), indexes.begin() + 56);
    std::string expected;
    for (int i : indexes)
        expected += Bytes({i, i * 2, i * 3});
    EXPECT_EQ(image.samples, expected);
}

TEST(BmpDecoderRle, RunsPastTheRowEndAreDropped) {
    BmpLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.bitsPerPixel = 8;
    layout.compression = 1;
    layout.palette = GreyRamp();
    layout.pixels = Bytes({0x05, 0x09, 0x00, 0x01});
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({9, 9}));
}

TEST(BmpDecoderRle, EndingAfterTheLastLineWithoutEndOfBitmapIsAccepted) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = 2;
    layout.bitsPerPixel = 8;
    layout.compression = 1;
    layout.palette = GreyRamp();
    layout.pixels = Bytes({0x01, 0x07, 0x00, 0x00, 0x01, 0x08, 0x00, 0x00});
    EXPECT_EQ(Decode(BuildBmp(layout)).samples, Bytes({8, 7}));
}

TEST(BmpDecoderRejects, TruncatedRleData) {
    BmpLayout layout;
    layout.width = 4;
    layout.height = 2;
    layout.bitsPerPixel = 8;
    layout.compression = 1;
    layout.palette = GreyRamp();
    layout.pixels = Bytes({0x00, 0x04, 1, 2}); // absolute run of 4 with only 2 bytes
    EXPECT_TRUE(Fails(BuildBmp(layout)));
    layout.pixels = Bytes({0x04, 0x01, 0x00, 0x00}); // data ends on the first of two rows
    EXPECT_TRUE(Fails(BuildBmp(layout)));
    layout.pixels = Bytes({0x00, 0x02, 0x01}); // delta without its second byte
    EXPECT_TRUE(Fails(BuildBmp(layout)));
}

TEST(BmpDecoderRejects, EveryTruncationOfAnUncompressedFile) {
    BmpLayout layout;
    layout.width = 5;
    layout.height = 3;
    layout.bitsPerPixel = 24;
    layout.pixels = std::string(16 * 3, '\x55');
    const std::string file = BuildBmp(layout);
    // The last row may lack its padding (1 byte); anything shorter must fail.
    for (std::size_t length = 0; length < file.size() - 1; ++length)
        EXPECT_TRUE(Fails(file.substr(0, length))) << length;
    EXPECT_FALSE(Fails(file.substr(0, file.size() - 1)));
}

TEST(BmpDecoderRejects, EveryTruncationOfTheColourTableOrHeader) {
    const std::string file = BuildBmp(Bilevel10x3());
    for (std::size_t length = 0; length < 14 + 40 + 8; ++length)
        EXPECT_TRUE(Fails(file.substr(0, length))) << length;
}

TEST(BmpDecoderRejects, LyingOrUnsupportedHeaders) {
    auto variant = [](auto change) {
        BmpLayout layout = Bilevel10x3();
        change(layout);
        return BuildBmp(layout);
    };
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.width = 0; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.width = -10; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.height = 0; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.height = 4; }))); // one row more than the data holds
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.width = 1 << 30; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.bitsPerPixel = 2; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.compression = 1; }))); // RLE8 needs 8 bits
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.compression = 4; }))); // embedded JPEG
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.headerSize = 8; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) { s.headerSize = 5000; })));
    EXPECT_TRUE(Fails(variant([](BmpLayout& s) {
        s.palette.clear();
        s.pixels += std::string(8, '\0');
    })));
}

TEST(BmpDecoderRejects, PixelOffsetOutsideTheFileOrInsideTheHeader) {
    std::string file = BuildBmp(Bilevel10x3());
    std::string beyond = file;
    beyond[10] = static_cast<char>(0xF0);
    EXPECT_TRUE(Fails(beyond));
    std::string inside = file;
    inside[10] = 20;
    EXPECT_TRUE(Fails(inside));
}

TEST(BmpDecoderRejects, NotABitmap) {
    std::string file = BuildBmp(Bilevel10x3());
    file[7] = 1; // reserved word not 0
    EXPECT_TRUE(Fails(file));
    EXPECT_TRUE(Fails("BM"));
    EXPECT_TRUE(Fails(""));
}

TEST(BmpDecoderBilevel, RowsInPlacePointIntoTheFileTopRowFirst) {
    const std::string file = BuildBmp(Bilevel10x3());
    BmpImage image;
    ASSERT_TRUE(DecodeBmp(file, image, true));
    EXPECT_TRUE(image.samples.empty());
    ASSERT_EQ(image.rowsInPlace.size(), 3u);
    EXPECT_EQ(image.rowsInPlace[0], Bytes({0x33, 0xC3}));
    EXPECT_EQ(image.rowsInPlace[2], Bytes({0x11, 0xC1}));
    EXPECT_EQ(image.rowsInPlace[2].data(), file.data() + 14 + 40 + 8); // the first file row, not a copy
    // Other depths still give samples.
    BmpLayout colour;
    colour.pixels = Bytes({1, 2, 3, 0});
    ASSERT_TRUE(DecodeBmp(BuildBmp(colour), image, true));
    EXPECT_TRUE(image.rowsInPlace.empty());
    EXPECT_EQ(image.samples, Bytes({3, 2, 1}));
}
