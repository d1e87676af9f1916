// Decoding JPEG bytes into 8-bit samples: grey, RGB and CMYK files give their components as stored;
// damaged or over-large pictures give nothing.

#include <gtest/gtest.h>

#include "platform/jpeg_samples.h"
#include "support/jpeg_builder.h"

namespace {

TEST(JpegSamples, ComponentsAsTheFileStoresThem) {
    struct Case {
        int components;
        std::vector<std::uint8_t> left;
        std::vector<std::uint8_t> right;
        bool progressive;
    };
    const std::vector<Case> cases = {
        {1, {0}, {255}, false},
        {3, {255, 0, 0}, {0, 0, 255}, false},
        {3, {0, 255, 0}, {255, 255, 255}, true},
        {4, {255, 0, 255, 255}, {0, 0, 0, 255}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.components);
        JpegLayout layout;
        layout.width = 16;
        layout.height = 8;
        layout.components = c.components;
        layout.left = c.left;
        layout.right = c.right;
        layout.progressive = c.progressive;
        JpegSamples samples;
        ASSERT_TRUE(DecodeJpegSamples(EncodeJpeg(layout), 1000, samples));
        EXPECT_EQ(samples.width, 16);
        EXPECT_EQ(samples.height, 8);
        ASSERT_EQ(samples.components, c.components);
        ASSERT_EQ(samples.samples.size(), 16u * 8 * c.components);
        const std::size_t lastRow = 7 * 16 * c.components;
        for (int k = 0; k < c.components; ++k) {
            EXPECT_NEAR(samples.samples[lastRow + k], c.left[k], 8) << "component " << k;
            EXPECT_NEAR(samples.samples[lastRow + 15 * c.components + k], c.right[k], 8) << "component " << k;
        }
    }
}

TEST(JpegSamples, RefusesDamagedAndOversizedPictures) {
    JpegLayout layout;
    layout.width = 40;
    layout.height = 30;
    const std::string bytes = EncodeJpeg(layout);
    JpegSamples samples;
    EXPECT_FALSE(DecodeJpegSamples(bytes, 40 * 30 - 1, samples));
    EXPECT_TRUE(samples.samples.empty());
    EXPECT_FALSE(DecodeJpegSamples("", 1000, samples));
    EXPECT_FALSE(DecodeJpegSamples("\xFF\xD8\xFF\xE0 no picture", 1000, samples));
    EXPECT_FALSE(DecodeJpegSamples(bytes.substr(0, 100), 5000, samples)); // cut in the headers
    // Cut in the picture data: the rows that were read, at the full size.
    ASSERT_TRUE(DecodeJpegSamples(bytes.substr(0, bytes.size() - 40), 5000, samples));
    EXPECT_EQ(samples.samples.size(), 40u * 30 * 3);
}

} // namespace
