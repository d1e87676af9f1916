#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include <zlib.h>

#include "platform/sample_compressor.h"

namespace {

// zlib's own inflate, as a PDF reader would read the stream.
std::string Inflate(const std::string& compressed, std::size_t size) {
    std::string out(size + 16, '\0');
    uLongf length = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()) != Z_OK)
        return "inflate failed";
    out.resize(length);
    return out;
}

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

} // namespace

TEST(SampleCompressor, PiecesInflateToTheirConcatenationImageAfterImage) {
    SampleCompressor compressor;
    std::string rows;
    std::vector<std::string> pieces;
    for (int i = 0; i < 700; ++i) {
        pieces.push_back(std::string(613, static_cast<char>(i % 7 == 0 ? 0x00 : 0xFF)) + std::to_string(i));
        rows += pieces.back();
    }
    const std::vector<std::string_view> views(pieces.begin(), pieces.end());
    std::string out;
    for (int image = 0; image < 2; ++image) {
        ASSERT_TRUE(compressor.compress(views, out));
        EXPECT_EQ(static_cast<unsigned char>(out[0]), 0x78); // a zlib header
        EXPECT_EQ(Inflate(out, rows.size()), rows);
    }
    // One piece, and empty pieces among others.
    ASSERT_TRUE(compressor.compress({std::string_view(rows)}, out));
    EXPECT_EQ(Inflate(out, rows.size()), rows);
    ASSERT_TRUE(compressor.compress({"first row ", std::string_view(), "third row"}, out));
    EXPECT_EQ(Inflate(out, 64), "first row third row");
}

TEST(SampleCompressor, PageSamplesShrinkAboutAsMuchAsZlibMakesThem) {
    // Rows of a form page: white, with strokes of glyphs in a fixed pseudo-random pattern.
    std::mt19937 random(7);
    std::string samples;
    for (int row = 0; row < 800; ++row) {
        std::string line(613, '\xFF');
        if (row % 100 < 60)
            for (int cell = 0; cell < 70; ++cell)
                if (random() % 3 != 0)
                    line[20 + cell * 8 + random() % 4] = static_cast<char>(random() & 0xE7);
        samples += line;
    }
    SampleCompressor compressor;
    std::string out;
    ASSERT_TRUE(compressor.compress({samples}, out));
    uLongf length = compressBound(samples.size());
    std::string reference(length, '\0');
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(reference.data()), &length,
                        reinterpret_cast<const Bytef*>(samples.data()), samples.size(),
                        Z_DEFAULT_COMPRESSION),
              Z_OK);
    // A different stream than zlib's, but of a like size: a weak level would be far larger.
    EXPECT_LT(out.size(), length * 105 / 100);
    EXPECT_EQ(Inflate(out, samples.size()), samples);
}

TEST(SampleCompressor, IncompressibleDataAndNothingAtAll) {
    std::vector<std::string> rows;
    for (unsigned i = 0; i < 300; ++i)
        rows.push_back(RandomBytes(3000, i));
    const std::vector<std::string_view> pieces(rows.begin(), rows.end());
    SampleCompressor compressor;
    std::string out;
    ASSERT_TRUE(compressor.compress(pieces, out));
    std::string all;
    for (const std::string& row : rows)
        all += row;
    EXPECT_GT(out.size(), all.size());
    EXPECT_EQ(Inflate(out, all.size()), all);
    ASSERT_TRUE(compressor.compress({}, out));
    EXPECT_EQ(Inflate(out, 0), "");
}
