#include "pdf/images/jpeg_marker_scan.h"

#include "pdf/images/bmp_builder.h"
#include "support/jpeg_builder.h"

#include <gtest/gtest.h>

namespace {

bool Scan(const std::string& data, JpegInfo& info) {
    return ScanJpegMarkers(data, info);
}

// FF D8, then the given segments, then a frame header of the given marker.
std::string WithFrame(const std::string& segments, int marker, int height, int width, int components) {
    return Bytes({0xFF, 0xD8}) + segments +
           Bytes({0xFF, marker, 0x00, 0x0B, 8, height >> 8, height & 0xFF, width >> 8, width & 0xFF,
                  components, 1, 0x11, 0});
}

// An APP1 segment holding an EXIF TIFF structure with X and Y resolution rationals and a unit.
std::string ExifSegment(bool littleEndian, std::uint32_t xNum, std::uint32_t yNum, std::uint16_t unit) {
    auto u16 = [&](std::uint32_t v) {
        return littleEndian ? Bytes({static_cast<int>(v & 0xFF), static_cast<int>(v >> 8)})
                            : Bytes({static_cast<int>(v >> 8), static_cast<int>(v & 0xFF)});
    };
    auto u32 = [&](std::uint32_t v) {
        return littleEndian ? u16(v & 0xFFFF) + u16(v >> 16) : u16(v >> 16) + u16(v & 0xFFFF);
    };
    std::string tiff = littleEndian ? "II" : "MM";
    tiff += u16(42) + u32(8);
    // Directory at 8: 3 entries (2 + 36 bytes), next-directory 0 (4 bytes), rationals at 50.
    tiff += u16(3);
    tiff += u16(0x011A) + u16(5) + u32(1) + u32(50);
    tiff += u16(0x011B) + u16(5) + u32(1) + u32(58);
    tiff += u16(0x0128) + u16(3) + u32(1) + u16(unit) + u16(0);
    tiff += u32(0);
    tiff += u32(xNum) + u32(1) + u32(yNum) + u32(2);
    const std::string body = std::string("Exif\0\0", 6) + tiff;
    const int length = static_cast<int>(body.size() + 2);
    return Bytes({0xFF, 0xE1, length >> 8, length & 0xFF}) + body;
}

} // namespace

TEST(JpegMarkerScan, LibjpegFileGivesSizeComponentsAndJfifDensity) {
    JpegInfo info;
    ASSERT_TRUE(Scan(EncodeJpeg(JpegLayout{}), info));
    EXPECT_EQ(info.width, 16u);
    EXPECT_EQ(info.height, 8u);
    EXPECT_EQ(info.components, 3);
    EXPECT_EQ(info.xResolution, 300);
    EXPECT_EQ(info.yResolution, 150);
    EXPECT_EQ(info.resolutionUnit, ImageResolutionUnit::PerInch);
}

TEST(JpegMarkerScan, GreyCmykAndProgressiveFrames) {
    JpegLayout grey;
    grey.components = 1;
    grey.left = {0};
    grey.right = {255};
    grey.densityUnit = 2;
    JpegInfo info;
    ASSERT_TRUE(Scan(EncodeJpeg(grey), info));
    EXPECT_EQ(info.components, 1);
    EXPECT_EQ(info.resolutionUnit, ImageResolutionUnit::PerCentimetre);

    JpegLayout cmyk;
    cmyk.components = 4;
    cmyk.left = {0, 0, 0, 255};
    cmyk.right = {0, 0, 0, 0};
    ASSERT_TRUE(Scan(EncodeJpeg(cmyk), info));
    EXPECT_EQ(info.components, 4);
    EXPECT_EQ(info.xResolution, 0); // no JFIF segment

    JpegLayout progressive;
    progressive.progressive = true;
    progressive.width = 300;
    progressive.height = 2;
    ASSERT_TRUE(Scan(EncodeJpeg(progressive), info));
    EXPECT_EQ(info.width, 300u);
    EXPECT_EQ(info.height, 2u);
}

TEST(JpegMarkerScan, FramesC0ToC3AreAcceptedOthersAreNot) {
    JpegInfo info;
    for (int marker : {0xC0, 0xC1, 0xC2, 0xC3}) {
        ASSERT_TRUE(Scan(WithFrame("", marker, 0x0102, 0x0304, 3), info)) << marker;
        EXPECT_EQ(info.height, 0x0102u);
        EXPECT_EQ(info.width, 0x0304u);
    }
    // C5 (hierarchical) is skipped by its length; no frame header follows.
    EXPECT_FALSE(Scan(WithFrame("", 0xC5, 10, 10, 3), info));
}

TEST(JpegMarkerScan, StandaloneMarkersAndFillBytesAreSteppedOver) {
    const std::string segments =
        Bytes({0xFF, 0x01, 0xFF, 0xD0, 0xFF, 0xD7, 0xFF, 0xFF, 0xFF, 0xFE, 0x00, 0x04, 'h', 'i'});
    JpegInfo info;
    ASSERT_TRUE(Scan(WithFrame(segments, 0xC0, 5, 7, 1), info));
    EXPECT_EQ(info.width, 7u);
    EXPECT_EQ(info.height, 5u);
}

TEST(JpegMarkerScan, ExifResolutionInBothByteOrders) {
    for (bool little : {true, false}) {
        JpegInfo info;
        ASSERT_TRUE(Scan(WithFrame(ExifSegment(little, 144, 288, 2), 0xC0, 5, 7, 3), info));
        EXPECT_EQ(info.xResolution, 144);
        EXPECT_EQ(info.yResolution, 144); // 288 / 2
        EXPECT_EQ(info.resolutionUnit, ImageResolutionUnit::PerInch);
    }
    JpegInfo info;
    ASSERT_TRUE(Scan(WithFrame(ExifSegment(true, 40, 80, 3), 0xC0, 5, 7, 3), info));
    EXPECT_EQ(info.resolutionUnit, ImageResolutionUnit::PerCentimetre);
}

TEST(JpegMarkerScan, BrokenExifIsIgnoredNotFatal) {
    std::string exif = ExifSegment(true, 144, 288, 2);
    exif[4 + 6 + 4] = 0x7F; // directory offset far outside the segment
    JpegInfo info;
    ASSERT_TRUE(Scan(WithFrame(exif, 0xC0, 5, 7, 3), info));
    EXPECT_EQ(info.xResolution, 0);
}

TEST(JpegMarkerScan, ZeroSizesAreRefused) {
    JpegInfo info;
    EXPECT_FALSE(Scan(WithFrame("", 0xC0, 0, 7, 3), info));
    EXPECT_FALSE(Scan(WithFrame("", 0xC0, 7, 0, 3), info));
}

TEST(JpegMarkerScan, ScanDataOrEndBeforeAFrameIsRefused) {
    JpegInfo info;
    EXPECT_FALSE(
        Scan(Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02}) + WithFrame("", 0xC0, 5, 5, 3).substr(2), info));
    EXPECT_FALSE(Scan(Bytes({0xFF, 0xD8, 0xFF, 0xD9}), info));
    EXPECT_FALSE(Scan(Bytes({0xFF, 0xD8, 0x00, 0xC0}), info)); // no marker where one must be
}

TEST(JpegMarkerScan, EveryTruncationBeforeTheFrameEndFails) {
    const std::string file = EncodeJpeg(JpegLayout{});
    JpegInfo info;
    ASSERT_TRUE(Scan(file, info));
    // Find the frame header end: the smallest prefix that still scans.
    std::size_t shortest = 0;
    for (std::size_t length = 0; length <= file.size(); ++length) {
        if (Scan(file.substr(0, length), info)) {
            shortest = length;
            break;
        }
    }
    const auto frame = file.find(std::string("\xFF\xC0", 2));
    ASSERT_NE(frame, std::string::npos);
    const std::size_t frameLength =
        (static_cast<unsigned char>(file[frame + 2]) << 8) | static_cast<unsigned char>(file[frame + 3]);
    EXPECT_EQ(shortest, frame + 2 + frameLength);
}

TEST(JpegMarkerScan, SegmentLengthPastTheEndFails) {
    JpegInfo info;
    EXPECT_FALSE(Scan(Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x40, 0x00, 'J', 'F'}), info));
    EXPECT_FALSE(Scan(Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01}), info));          // length below 2
    EXPECT_FALSE(Scan(Bytes({0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x05, 8, 0, 1}), info)); // frame too short
}
