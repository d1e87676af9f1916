#include "pdf/images/image_format.h"

#include "pdf/images/bmp_builder.h"

#include <gtest/gtest.h>

namespace {

std::string PlaceableHeader(bool goodChecksum) {
    std::string h;
    PutLe32(h, 0x9AC6CDD7u);
    for (int i = 0; i < 8; ++i)
        PutLe16(h, static_cast<std::uint32_t>(i * 1000 + 7));
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 10; ++i)
        sum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(h[i * 2]) |
                                          static_cast<unsigned char>(h[i * 2 + 1]) << 8);
    PutLe16(h, goodChecksum ? sum : sum ^ 1u);
    return h + std::string(20, '\0');
}

std::string EnhancedHeader() {
    std::string h;
    PutLe32(h, 1);
    h += std::string(36, '\0');
    h += " EMF";
    return h + std::string(40, '\0');
}

} // namespace

TEST(ImageFormat, RecognisesEachFormatFromItsFirstBytes) {
    EXPECT_EQ(RecogniseImageFormat(PlaceableHeader(true)), ImageFormat::PlaceableMetafile);
    EXPECT_EQ(RecogniseImageFormat(EnhancedHeader()), ImageFormat::EnhancedMetafile);
    EXPECT_EQ(RecogniseImageFormat(Bytes({'B', 'M', 1, 2, 3, 4, 0, 0, 0, 0, 9})), ImageFormat::Bitmap);
    EXPECT_EQ(RecogniseImageFormat(Bytes({0xFF, 0xD8, 0xFF})), ImageFormat::Jpeg);
    EXPECT_EQ(RecogniseImageFormat("MM\0*"), ImageFormat::Tiff);
    EXPECT_EQ(RecogniseImageFormat("II*"), ImageFormat::Tiff);
    EXPECT_EQ(RecogniseImageFormat(Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})), ImageFormat::Png);
    EXPECT_EQ(RecogniseImageFormat("GIF87a..."), ImageFormat::Gif);
    EXPECT_EQ(RecogniseImageFormat("GIF89a"), ImageFormat::Gif);
}

TEST(ImageFormat, RefusesNearMisses) {
    EXPECT_EQ(RecogniseImageFormat(PlaceableHeader(false)), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat(Bytes({'B', 'M', 1, 2, 3, 4, 0, 1, 0, 0})), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat(Bytes({'B', 'M', 1, 2, 3, 4, 0, 0, 0, 1})), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat(Bytes({'B', 'M', 1})), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat(Bytes({0xFF, 0xD9})), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat("GIF88a"), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat(Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A})), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat(""), ImageFormat::Unknown);
    EXPECT_EQ(RecogniseImageFormat("M"), ImageFormat::Unknown);
    std::string emf = EnhancedHeader();
    emf[0] = 2;
    EXPECT_EQ(RecogniseImageFormat(emf), ImageFormat::Unknown);
}
