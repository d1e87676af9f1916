#include "pdf/images/image.h"
#include "pdf/toolkit.h"

#include "pdf/images/image_helpers.h"
#include "support/jpeg_builder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <zlib.h>

namespace {

TPDFImage* AddImage(TPDFToolkit& toolkit, const std::string& bytes) {
    std::istringstream stream(bytes);
    return toolkit.AddImageFromStream(stream, 0);
}

std::string DictionaryText(const TPDFImage& image) {
    return image.stream->dictionary->ToText();
}

std::string Inflate(const std::string& data, std::size_t expectedSize) {
    std::string out(expectedSize + 16, '\0');
    uLongf length = static_cast<uLongf>(out.size());
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data.data()),
                   static_cast<uLong>(data.size())) != Z_OK)
        return "inflate failed";
    out.resize(length);
    return out;
}

// 10 x 3 one-bit bitmap (samples 33 C3 22 C2 11 C1 from the top).
std::string SmallBilevel(bool blackFirst) {
    BmpLayout layout;
    layout.width = 10;
    layout.height = 3;
    layout.bitsPerPixel = 1;
    layout.palette = blackFirst ? std::vector<std::uint32_t>{0x000000, 0xFFFFFF}
                                : std::vector<std::uint32_t>{0xFFFFFF, 0x000000};
    layout.pixels = Bytes({0x11, 0xC1, 0, 0, 0x22, 0xC2, 0, 0, 0x33, 0xC3, 0, 0});
    layout.xPelsPerMeter = 23622;
    layout.yPelsPerMeter = 23622;
    return BuildBmp(layout);
}

const std::string kSmallSamples = Bytes({0x33, 0xC3, 0x22, 0xC2, 0x11, 0xC1});

} // namespace

TEST(ImageResources, BlackFirstBilevelBitmap) {
    TPDFToolkit toolkit;
    TPDFImage* image = AddImage(toolkit, SmallBilevel(true));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(DictionaryText(*image), "<<\n/Length 6\n/Type /XObject\n/Subtype /Image\n/Width 10\n/Height 3\n"
                                      "/ColorSpace /DeviceGray\n/BitsPerComponent 1\n/Decode [ 0 1 ]\n>>\n");
    EXPECT_EQ(image->stream->Data(), kSmallSamples);
    EXPECT_EQ(image->kind, TPDFImage::BitmapKind);
    EXPECT_EQ(image->width, 10u);
    EXPECT_EQ(image->height, 3u);
    EXPECT_EQ(image->xResolution, 23622);
    EXPECT_EQ(image->compress, 0);
}

TEST(ImageResources, WhiteFirstBilevelBitmapInvertsTheDecodeOnly) {
    TPDFToolkit toolkit;
    TPDFImage* image = AddImage(toolkit, SmallBilevel(false));
    ASSERT_NE(image, nullptr);
    EXPECT_NE(DictionaryText(*image).find("/BitsPerComponent 1\n/Decode [ 1 0 ]\n>>"), std::string::npos);
    EXPECT_EQ(image->stream->Data(), kSmallSamples);
}

TEST(ImageResources, CompressedBitmapIsZlibDeflatedWithTheFilterBeforeTheDecode) {
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.CompressImages(1), 1);
    TPDFImage* image = AddImage(toolkit, SmallBilevel(true));
    ASSERT_NE(image, nullptr);
    const std::string& data = image->stream->Data();
    EXPECT_EQ(DictionaryText(*image),
              "<<\n/Length " + std::to_string(data.size()) +
                  "\n/Type /XObject\n/Subtype /Image\n/Width 10\n/Height 3\n"
                  "/ColorSpace /DeviceGray\n/BitsPerComponent 1\n/Filter /FlateDecode\n"
                  "/Decode [ 0 1 ]\n>>\n");
    // zlib header of the default level: 78 9C.
    ASSERT_GE(data.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(data[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(data[1]), 0x9C);
    EXPECT_EQ(Inflate(data, kSmallSamples.size()), kSmallSamples);
    EXPECT_EQ(image->compress, 1);
}

TEST(ImageResources, CompressFlagIsTakenWhenTheImageIsMade) {
    TPDFToolkit toolkit;
    TPDFImage* plain = AddImage(toolkit, SmallBilevel(true));
    toolkit.CompressImages(1);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->stream->Data(), kSmallSamples);
    EXPECT_FALSE(plain->stream->dictionary->Has("Filter"));
}

TEST(ImageResources, ColourAndGreyBitmaps) {
    TPDFToolkit toolkit;
    BmpLayout colour;
    colour.width = 1;
    colour.height = 1;
    colour.pixels = Bytes({1, 2, 3, 0});
    TPDFImage* rgb = AddImage(toolkit, BuildBmp(colour));
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(DictionaryText(*rgb), "<<\n/Length 3\n/Type /XObject\n/Subtype /Image\n/Width 1\n/Height 1\n"
                                    "/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n>>\n");
    EXPECT_EQ(rgb->stream->Data(), Bytes({3, 2, 1}));

    BmpLayout grey;
    grey.width = 2;
    grey.height = 1;
    grey.bitsPerPixel = 8;
    for (std::uint32_t i = 0; i < 256; ++i)
        grey.palette.push_back(i * 0x010101);
    grey.pixels = Bytes({7, 9, 0, 0});
    TPDFImage* gray = AddImage(toolkit, BuildBmp(grey));
    ASSERT_NE(gray, nullptr);
    EXPECT_EQ(DictionaryText(*gray), "<<\n/Length 2\n/Type /XObject\n/Subtype /Image\n/Width 2\n/Height 1\n"
                                     "/ColorSpace /DeviceGray\n/BitsPerComponent 8\n>>\n");
    EXPECT_EQ(gray->stream->Data(), Bytes({7, 9}));
}

TEST(ImageResources, JpegIsTakenOverByteForByteEvenWithCompression) {
    TPDFToolkit toolkit;
    toolkit.CompressImages(1);
    const std::string jpeg = EncodeJpeg(JpegLayout{});
    TPDFImage* image = AddImage(toolkit, jpeg);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(DictionaryText(*image),
              "<<\n/Length " + std::to_string(jpeg.size()) +
                  "\n/Type /XObject\n/Subtype /Image\n/Width 16\n/Height 8\n"
                  "/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n/Filter /DCTDecode\n>>\n");
    EXPECT_EQ(image->stream->Data(), jpeg);
    EXPECT_EQ(image->kind, TPDFImage::JpegKind);
    EXPECT_EQ(image->xResolution, 300);
    EXPECT_EQ(image->yResolution, 150);
}

TEST(ImageResources, GreyAndCmykJpegs) {
    TPDFToolkit toolkit;
    JpegLayout grey;
    grey.components = 1;
    grey.left = {0};
    grey.right = {255};
    TPDFImage* gray = AddImage(toolkit, EncodeJpeg(grey));
    ASSERT_NE(gray, nullptr);
    EXPECT_NE(DictionaryText(*gray).find("/ColorSpace /DeviceGray\n/BitsPerComponent 8\n"),
              std::string::npos);

    JpegLayout cmyk;
    cmyk.components = 4;
    cmyk.left = {0, 0, 0, 255};
    cmyk.right = {0, 0, 0, 0};
    TPDFImage* four = AddImage(toolkit, EncodeJpeg(cmyk));
    ASSERT_NE(four, nullptr);
    EXPECT_NE(DictionaryText(*four).find("/ColorSpace /DeviceCMYK\n/Decode [ 1 0 1 0 1 0 1 0 ]\n"
                                         "/BitsPerComponent 8\n/Filter /DCTDecode\n>>"),
              std::string::npos);
}

TEST(ImageResources, ResourceNameRegistrationListAndSelection) {
    TPDFToolkit toolkit;
    TPDFDocument* document = toolkit.SelectedDocument();
    const int32_t before = document->HighestObjectNumber();
    TPDFImage* first = AddImage(toolkit, SmallBilevel(true));
    TPDFImage* second = AddImage(toolkit, SmallBilevel(true));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(first->resourceName.size(), 14u);
    EXPECT_EQ(first->resourceName.substr(0, 6), "RuvoIm");
    EXPECT_EQ(first->resourceName.find_first_not_of("0123456789abcdef", 6), std::string::npos);
    EXPECT_NE(first->resourceName, second->resourceName);
    EXPECT_EQ(first->reference.number, before + 1);
    EXPECT_EQ(second->reference.number, before + 2);
    ASSERT_NE(document->FindObject(first->reference.number), nullptr);
    EXPECT_EQ(document->FindObject(first->reference.number)->value, first->stream);
    ASSERT_EQ(document->images.size(), 2u);
    EXPECT_EQ(document->images[0].get(), first);
    EXPECT_EQ(toolkit.SelectedImage(), second);
    EXPECT_EQ(toolkit.SelectImage(first), 1);
    EXPECT_EQ(toolkit.SelectedImage(), first);
}

TEST(ImageResources, RefusedDataAddsNothing) {
    TPDFToolkit toolkit;
    TPDFImage* kept = AddImage(toolkit, SmallBilevel(true));
    TPDFDocument* document = toolkit.SelectedDocument();
    const int32_t before = document->HighestObjectNumber();
    const std::string bitmap = SmallBilevel(true);
    std::string png = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}) + std::string(40, '\0');
    for (const std::string& bad :
         {std::string("not an image"), std::string(), png, std::string("GIF89a") + std::string(20, '\0'),
          std::string("II*\0", 4), bitmap.substr(0, bitmap.size() - 4), Bytes({0xFF, 0xD8, 0xFF, 0xD9})}) {
        EXPECT_EQ(AddImage(toolkit, bad), nullptr);
    }
    EXPECT_EQ(document->HighestObjectNumber(), before);
    EXPECT_EQ(document->images.size(), 1u);
    EXPECT_EQ(toolkit.SelectedImage(), kept);
}

TEST(ImageResources, StreamIsReadFromItsStartAndRewound) {
    TPDFToolkit toolkit;
    std::istringstream stream(SmallBilevel(true));
    stream.seekg(5);
    ASSERT_NE(toolkit.AddImageFromStream(stream, 0), nullptr);
    EXPECT_EQ(stream.tellg(), 0);
}

TEST(ImageResources, FromFile) {
    const auto dir = ScratchDirectory("fromfile");
    WriteFile(dir / "form.bmp", SmallBilevel(true));
    TPDFToolkit toolkit;
    TPDFImage* image = toolkit.AddImageFromFile((dir / "form.bmp").string(), 0);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->stream->Data(), kSmallSamples);
    EXPECT_EQ(toolkit.AddImageFromFile((dir / "missing.bmp").string(), 0), nullptr);
    EXPECT_EQ(toolkit.AddImageFromFile(dir.string(), 0), nullptr);
    std::filesystem::remove_all(dir);
}

TEST(ImageResources, ImagesBelongToTheirDocument) {
    TPDFToolkit toolkit;
    TPDFDocument* first = toolkit.SelectedDocument();
    TPDFImage* image = AddImage(toolkit, SmallBilevel(true));
    TPDFDocument* second = toolkit.NewDocument();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(toolkit.SelectedImage(), nullptr);
    EXPECT_EQ(toolkit.SelectImage(image), 0);
    EXPECT_EQ(toolkit.SelectImage(nullptr), 0);
    EXPECT_EQ(toolkit.DrawImage(0, 0, 1, 1), 0);
    EXPECT_EQ(toolkit.FitImage(0, 0, 1, 1, 0, 0, 0), 0);
    ASSERT_EQ(toolkit.SelectDocument(first), 1);
    EXPECT_EQ(toolkit.SelectedImage(), image);
}
