#include "pdf/images/image_flate.h"

#include <gtest/gtest.h>

#include <random>
#include <zlib.h>

namespace {

std::string Inflate(const std::string& data, std::size_t size) {
    std::string out(size + 16, '\0');
    uLongf length = static_cast<uLongf>(out.size());
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data.data()),
                   static_cast<uLong>(data.size())) != Z_OK)
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

TEST(ImageFlate, SamePiecesInOrderAsOneBuffer) {
    const std::string a = "first row ", b, c = "third row";
    std::string out;
    ASSERT_TRUE(DeflateImageSamples({a, b, c}, out));
    EXPECT_EQ(Inflate(out, 64), a + b + c);
}

TEST(ImageFlate, SameBytesAsZlibAtTheDefaultLevel) {
    const std::string samples = RandomBytes(1000, 1) + std::string(50000, '\xFF');
    std::string out;
    ASSERT_TRUE(DeflateImageSamples({samples}, out));
    std::string reference(compressBound(static_cast<uLong>(samples.size())), '\0');
    uLongf length = static_cast<uLongf>(reference.size());
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(reference.data()), &length,
                        reinterpret_cast<const Bytef*>(samples.data()), static_cast<uLong>(samples.size()),
                        Z_DEFAULT_COMPRESSION),
              Z_OK);
    reference.resize(length);
    EXPECT_EQ(out, reference);
}

TEST(ImageFlate, IncompressibleDataGrowsTheOutput) {
    // Random bytes do not shrink, so the output outgrows its first guess.
    std::vector<std::string> rows;
    std::vector<std::string_view> pieces;
    for (unsigned i = 0; i < 300; ++i)
        rows.push_back(RandomBytes(3000, i));
    for (const std::string& row : rows)
        pieces.push_back(row);
    std::string out;
    ASSERT_TRUE(DeflateImageSamples(pieces, out));
    std::string all;
    for (const std::string& row : rows)
        all += row;
    EXPECT_GT(out.size(), all.size());
    EXPECT_EQ(Inflate(out, all.size()), all);
}

TEST(ImageFlate, NothingToCompress) {
    std::string out;
    ASSERT_TRUE(DeflateImageSamples({}, out));
    EXPECT_EQ(Inflate(out, 0), "");
    ASSERT_TRUE(DeflateImageSamples({std::string_view()}, out));
    EXPECT_EQ(Inflate(out, 0), "");
}
