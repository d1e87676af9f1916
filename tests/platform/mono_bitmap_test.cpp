#include <gtest/gtest.h>

#include <string>

#include "platform/mono_bitmap.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

} // namespace

TEST(MonoBitmap, WindowsBitmapOfAThreeByTwoPicture) {
    MonoBitmap bitmap(3, 2);
    bitmap.setBlack(0, 0, true); // top-left
    bitmap.setBlack(2, 1, true); // bottom-right
    const std::string bmp = bitmap.toBmp(600);
    // File header: size 62 + 2 rows of 4 bytes, pixel data at 62.
    EXPECT_EQ(bmp.substr(0, 14), bytes({'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0}));
    // Info header: 40 bytes, 3 x 2, one plane, 1 bit, no compression, 8 bytes of pixels,
    // 23622 pixels per metre (600 per inch), two colours.
    EXPECT_EQ(bmp.substr(14, 40),
              bytes({40, 0, 0, 0, 3,    0,    0, 0, 2,    0,    0, 0, 1, 0, 1, 0, 0, 0, 0, 0,
                     8,  0, 0, 0, 0x46, 0x5C, 0, 0, 0x46, 0x5C, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0}));
    // Palette: black, white.
    EXPECT_EQ(bmp.substr(54, 8), bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}));
    // Rows from the bottom; a set bit is white (palette index 1): bottom row 110, top row 011.
    EXPECT_EQ(bmp.substr(62, 8), bytes({0xC0, 0, 0, 0, 0x60, 0, 0, 0}));
}

TEST(MonoBitmap, ReadsBackWhatItWrites) {
    MonoBitmap bitmap(37, 5);
    for (int i = 0; i < 37; i += 3) {
        bitmap.setBlack(i, i % 5, true);
    }
    const auto read = MonoBitmap::fromBmp(bitmap.toBmp(300));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->width(), 37);
    ASSERT_EQ(read->height(), 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 37; ++x) {
            EXPECT_EQ(read->black(x, y), bitmap.black(x, y)) << x << "," << y;
        }
    }
}

TEST(MonoBitmap, RefusesDamagedBitmaps) {
    MonoBitmap bitmap(8, 8);
    std::string bmp = bitmap.toBmp(600);
    EXPECT_FALSE(MonoBitmap::fromBmp(bmp.substr(0, 40)).has_value());
    EXPECT_FALSE(MonoBitmap::fromBmp(bmp.substr(0, bmp.size() - 1)).has_value()); // pixels cut short
    std::string compressed = bmp;
    compressed[30] = 1; // RLE
    EXPECT_FALSE(MonoBitmap::fromBmp(compressed).has_value());
    std::string huge = bmp;
    huge[18] = static_cast<char>(0xFF);
    huge[19] = static_cast<char>(0xFF);
    huge[20] = static_cast<char>(0xFF);
    huge[21] = 0x7F;
    EXPECT_FALSE(MonoBitmap::fromBmp(huge).has_value());
    EXPECT_FALSE(MonoBitmap::loadBmpFile("/nonexistent/retino.bmp").has_value());
}

TEST(MonoBitmap, TheShippedHalftoneIsALightSeamlessPattern) {
    const auto tile = MonoBitmap::loadBmpFile(std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp");
    ASSERT_TRUE(tile.has_value());
    const long area = static_cast<long>(tile->width()) * tile->height();
    const long black = tile->countBlack(0, 0, tile->width(), tile->height());
    EXPECT_GE(black * 100, area * 10);
    EXPECT_LE(black * 100, area * 15);
    // Seamless: no two black pixels touch, also across the tile's edges when it is repeated.
    for (int y = 0; y < tile->height(); ++y) {
        for (int x = 0; x < tile->width(); ++x) {
            if (!tile->black(x, y)) {
                continue;
            }
            const int right = (x + 1) % tile->width();
            const int below = (y + 1) % tile->height();
            EXPECT_FALSE(tile->black(right, y)) << x << "," << y;
            EXPECT_FALSE(tile->black(x, below)) << x << "," << y;
        }
    }
}
