#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <zlib.h>

#include "platform/sample_compressor.h"

namespace {

// zlib's own inflate, as a PDF reader would read the stream.
std::string inflated(const std::string& compressed, std::size_t size) {
    std::string out(size + 1, '\0');
    uLongf length = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(compressed.data()), compressed.size()) != Z_OK)
        return "damaged";
    out.resize(length);
    return out;
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
        EXPECT_LT(out.size(), rows.size() / 20);
        EXPECT_EQ(inflated(out, rows.size()), rows);
    }
    ASSERT_TRUE(compressor.compress({std::string_view(rows)}, out));
    EXPECT_EQ(inflated(out, rows.size()), rows);
    ASSERT_TRUE(compressor.compress({}, out));
    EXPECT_EQ(inflated(out, 0), "");
}
