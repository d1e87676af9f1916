// Image XObjects as the sink receives them: the samples of each depth and colour space, /Decode and
// /ImageMask applied, Flate data with predictors and JPEG data decoded.

#include "pdf/render/render_support.h"
#include "support/jpeg_builder.h"

namespace {

using rendertest::RecordingSink;
using rendertest::StreamBody;

// Draws image XObject 5 (dictionary entries and data) in a 10 x 10 square inside q and Q; the records
// leave out the page's own save, clip and restore.
RecordingSink DrawImage(const std::string& entries, const std::string& data, const std::string& before = "") {
    RecordingSink sink;
    sink.records = rendertest::Render(before + " q 10 0 0 10 0 0 cm /Im Do Q", "/XObject << /Im 5 0 R >>",
                                      {StreamBody("/Type /XObject /Subtype /Image " + entries, data)}, &sink);
    return sink;
}

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    return std::vector<std::uint8_t>(values.begin(), values.end());
}

TEST(RenderImages, OneBitGreyKeepsItsBitsAndHonoursDecode) {
    // Rows of 10 pixels: two bytes each; the unused low bits of the last byte come out clear.
    const std::string rows("\xF0\xFF\x0F\x00", 4);
    const RecordingSink plain =
        DrawImage("/Width 10 /Height 2 /ColorSpace /DeviceGray /BitsPerComponent 1 /Filter /FlateDecode",
                  loadtest::Deflate(rows));
    ASSERT_EQ(plain.imageSamples.size(), 1u);
    EXPECT_EQ(plain.records[1], "image gray1 10x2 [10 0 0 10 0 0]");
    EXPECT_EQ(plain.imageSamples[0], Bytes({0xF0, 0xC0, 0x0F, 0x00}));

    const RecordingSink inverted =
        DrawImage("/Width 10 /Height 2 /ColorSpace /DeviceGray /BitsPerComponent 1 /Decode [ 1 0 ]", rows);
    EXPECT_EQ(inverted.imageSamples.at(0), Bytes({0x0F, 0x00, 0xF0, 0xC0}));
}

TEST(RenderImages, EightBitGreyThroughAPngPredictor) {
    // Predictor 12 (PNG "up"): the second row is stored as its difference from the first.
    const std::string predicted("\x00\x10\x20\x30\x02\x01\x01\x01", 8);
    const RecordingSink sink = DrawImage("/Width 3 /Height 2 /ColorSpace /DeviceGray /BitsPerComponent 8 "
                                         "/Filter /FlateDecode /DecodeParms << /Predictor 12 /Columns 3 >>",
                                         loadtest::Deflate(predicted));
    EXPECT_EQ(sink.records.at(1), "image gray8 3x2 [10 0 0 10 0 0]");
    EXPECT_EQ(sink.imageSamples.at(0), Bytes({0x10, 0x20, 0x30, 0x11, 0x21, 0x31}));
}

TEST(RenderImages, ColourSpacesBecomeGreyOrRgb) {
    struct Case {
        std::string entries;
        std::string data;
        std::string format;
        std::vector<std::uint8_t> samples;
    };
    const std::vector<Case> cases = {
        {"/ColorSpace /DeviceRGB /BitsPerComponent 8", std::string("\xFF\x00\x80\x01\x02\x03", 6), "rgb24",
         Bytes({0xFF, 0x00, 0x80, 0x01, 0x02, 0x03})},
        {"/ColorSpace /DeviceCMYK /BitsPerComponent 8", std::string("\xFF\x00\x00\x00\x00\x00\x00\xFF", 8),
         "rgb24", Bytes({0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00})},
        {"/ColorSpace [ /Indexed /DeviceRGB 1 <0000FF00FF00> ] /BitsPerComponent 4", std::string("\x10", 1),
         "rgb24", Bytes({0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF})},
        {"/ColorSpace [ /Indexed /DeviceGray 3 <00405080> ] /BitsPerComponent 2", std::string("\xE0", 1),
         "gray8", Bytes({0x80, 0x50})},
        {"/ColorSpace /DeviceGray /BitsPerComponent 16 /Decode [ 1 0 ]", std::string("\xFF\xFF\x00\x00", 4),
         "gray8", Bytes({0x00, 0xFF})},
        {"/ColorSpace /DeviceGray /BitsPerComponent 8", std::string("\x7F", 1), "gray8", Bytes({0x7F, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        const RecordingSink sink = DrawImage("/Width 2 /Height 1 " + c.entries, c.data);
        ASSERT_EQ(sink.imageSamples.size(), 1u);
        EXPECT_EQ(sink.records[1], "image " + c.format + " 2x1 [10 0 0 10 0 0]");
        EXPECT_EQ(sink.imageSamples[0], c.samples);
    }
}

TEST(RenderImages, StencilMaskPaintsInTheFillColour) {
    const RecordingSink sink =
        DrawImage("/Width 8 /Height 1 /ImageMask true", std::string("\x0F", 1), "0 0 1 rg");
    EXPECT_EQ(sink.records.at(1), "image mask1 8x1 [10 0 0 10 0 0] rgb(0,0,1)");
    EXPECT_EQ(sink.imageSamples.at(0), Bytes({0xF0})); // a 0 sample paints
    const RecordingSink decoded = DrawImage("/Width 8 /Height 1 /ImageMask true /Decode [ 1 0 ]", "\x0F");
    EXPECT_EQ(decoded.imageSamples.at(0), Bytes({0x0F}));
}

TEST(RenderImages, JpegDecodedToSamples) {
    JpegLayout layout;
    layout.width = 16;
    layout.height = 8;
    const RecordingSink rgb =
        DrawImage("/Width 16 /Height 8 /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode",
                  EncodeJpeg(layout));
    ASSERT_EQ(rgb.imageSamples.size(), 1u);
    EXPECT_EQ(rgb.records[1], "image rgb24 16x8 [10 0 0 10 0 0]");
    EXPECT_LT(rgb.imageSamples[0][0], 16);       // left half black
    EXPECT_GT(rgb.imageSamples[0][3 * 15], 240); // right half white

    // CMYK as our writer stores a logo: the file's inverted samples with /Decode [ 1 0 1 0 1 0 1 0 ].
    layout.components = 4;
    layout.left = {255, 255, 255, 255}; // stored inverted: no ink
    layout.right = {255, 0, 255, 255};  // full magenta
    const RecordingSink cmyk =
        DrawImage("/Width 16 /Height 8 /ColorSpace /DeviceCMYK /Decode [ 1 0 1 0 1 0 1 0 ] "
                  "/BitsPerComponent 8 /Filter /DCTDecode",
                  EncodeJpeg(layout));
    ASSERT_EQ(cmyk.imageSamples.size(), 1u);
    const auto& samples = cmyk.imageSamples[0];
    EXPECT_GT(samples[0], 240);
    EXPECT_GT(samples[1], 240);
    EXPECT_GT(samples[3 * 15], 240);    // magenta: red and blue stay,
    EXPECT_LT(samples[3 * 15 + 1], 16); // green goes
    EXPECT_GT(samples[3 * 15 + 2], 240);
}

TEST(RenderImages, UnreadableImagesAreLeftOut) {
    for (const std::string& entries :
         {std::string("/Width 100000 /Height 100000 /ColorSpace /DeviceGray /BitsPerComponent 8"),
          std::string("/Width 2 /Height 1 /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /JPXDecode"),
          std::string("/Width 2 /Height 1 /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /DCTDecode"),
          std::string("/Width 2 /Height 1 /ColorSpace /DeviceGray /BitsPerComponent 3"),
          std::string("/Width 2 /Height 1 /BitsPerComponent 8")}) {
        SCOPED_TRACE(entries);
        EXPECT_EQ(DrawImage(entries, "\x01\x02").records, (std::vector<std::string>{"save", "restore"}));
    }
}

} // namespace
