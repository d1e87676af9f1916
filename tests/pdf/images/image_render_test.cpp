// Whole files with images, checked with independent tools: qpdf for the structure, poppler for the pixels.

#include "pdf/images/image.h"
#include "pdf/toolkit.h"

#include "pdf/images/image_helpers.h"
#include "support/jpeg_builder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Saves a letter page with a one-bit quadrant bitmap over the whole page and a grey JPEG (black left
// half, white right half) fitted into the box 5..7 x 8..9 inches from the top-left corner, renders it
// at 20 dpi and returns the grey map.
bool RenderFormAndLogo(const std::filesystem::path& dir, bool blackFirst, bool compress, GreyMap& map) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    toolkit.CompressImages(compress ? 1 : 0);
    std::istringstream form(QuadrantBitmap(170, 220, blackFirst));
    if (!toolkit.AddImageFromStream(form, 0) || toolkit.DrawImage(0, 0, 8.5, 11) != 1)
        return false;
    JpegLayout logo;
    logo.components = 1;
    logo.width = 64;
    logo.height = 32;
    logo.xDensity = 96; // square pixels
    logo.yDensity = 96;
    logo.left = {0};
    logo.right = {255};
    WriteFile(dir / "logo.jpg", EncodeJpeg(logo));
    if (!toolkit.AddImageFromFile((dir / "logo.jpg").string(), 0) ||
        toolkit.FitImage(5, 8, 2, 1, 1, 1, 0) != 1)
        return false;
    const auto pdf = dir / "page.pdf";
    if (toolkit.SaveToFile(pdf.string()) != 1)
        return false;
    std::string output;
    EXPECT_EQ(RunCommand("qpdf --check " + ShellQuoted(pdf), &output), 0) << output;
    EXPECT_EQ(RunCommand("pdfinfo " + ShellQuoted(pdf), &output), 0) << output;
    EXPECT_NE(output.find("Pages:"), std::string::npos);
    EXPECT_EQ(
        RunCommand("pdftoppm -gray -r 20 -singlefile " + ShellQuoted(pdf) + " " + ShellQuoted(dir / "page"),
                   &output),
        0)
        << output;
    return ReadGreyMap(dir / "page.pgm", map);
}

} // namespace

TEST(ImageRender, BlackFirstBitmapAndJpegRenderWhereExpected) {
    const auto dir = ScratchDirectory("render-black");
    GreyMap map;
    ASSERT_TRUE(RenderFormAndLogo(dir, true, true, map));
    EXPECT_EQ(map.width, 170);
    EXPECT_EQ(map.height, 220);
    EXPECT_LT(map.At(0.2, 0.2), 32);  // top-left quadrant: 0 bits, black
    EXPECT_GT(map.At(0.8, 0.2), 223); // the rest white
    EXPECT_GT(map.At(0.2, 0.6), 223);
    // The logo: box x 5..7 in, y 8..9 in; the 2:1 image fills it. Left half black, right half white.
    EXPECT_LT(map.At(5.4 / 8.5, 8.5 / 11), 32);
    EXPECT_GT(map.At(6.6 / 8.5, 8.5 / 11), 223);
    EXPECT_GT(map.At(4.6 / 8.5, 8.5 / 11), 223); // outside the box, left: still the white form
    if (!HasFailure())
        std::filesystem::remove_all(dir);
}

TEST(ImageRender, WhiteFirstBitmapRendersInverted) {
    const auto dir = ScratchDirectory("render-white");
    GreyMap map;
    ASSERT_TRUE(RenderFormAndLogo(dir, false, false, map));
    EXPECT_GT(map.At(0.2, 0.2), 223); // 0 bits are white now
    EXPECT_LT(map.At(0.8, 0.2), 32);
    EXPECT_LT(map.At(0.2, 0.6), 32);
    EXPECT_LT(map.At(5.4 / 8.5, 8.5 / 11), 32);
    EXPECT_GT(map.At(6.6 / 8.5, 8.5 / 11), 223);
    if (!HasFailure())
        std::filesystem::remove_all(dir);
}

TEST(ImageRender, EveryRotationOfAJpegStaysInItsBox) {
    const auto dir = ScratchDirectory("render-rotations");
    JpegLayout logo;
    logo.components = 3;
    logo.width = 64;
    logo.height = 32;
    logo.xDensity = 96; // square pixels
    logo.yDensity = 96;
    WriteFile(dir / "logo.jpg", EncodeJpeg(logo));
    for (int rotation = 0; rotation < 4; ++rotation) {
        TPDFToolkit toolkit;
        toolkit.SetMeasurementUnits(2);
        toolkit.SetOrigin(1);
        ASSERT_NE(toolkit.AddImageFromFile((dir / "logo.jpg").string(), 0), nullptr);
        ASSERT_EQ(toolkit.FitImage(1, 1, 4, 4, 0, 0, rotation), 1);
        const auto pdf = dir / ("r" + std::to_string(rotation) + ".pdf");
        ASSERT_EQ(toolkit.SaveToFile(pdf.string()), 1);
        std::string output;
        ASSERT_EQ(
            RunCommand("pdftoppm -gray -r 10 -singlefile " + ShellQuoted(pdf) + " " + ShellQuoted(dir / "r"),
                       &output),
            0)
            << output;
        GreyMap map;
        ASSERT_TRUE(ReadGreyMap(dir / "r.pgm", map));
        // Turned by a quarter the image is 2 x 4 inches, else 4 x 2; its black half is where the turn puts
        // the image's left half.
        auto at = [&](double xInch, double yInch) { return map.At(xInch / 8.5, yInch / 11); };
        EXPECT_GT(at(0.5, 0.5), 223) << rotation; // outside the box
        switch (rotation) {
        case 0: // left half black, from the box's top-left corner
            EXPECT_LT(at(1.5, 1.5), 32);
            EXPECT_GT(at(4.5, 1.5), 223);
            EXPECT_GT(at(1.5, 4.0), 223); // below the image
            break;
        case 1: // counter-clockwise: the image's left half is at the bottom
            EXPECT_LT(at(1.5, 4.5), 32);
            EXPECT_GT(at(1.5, 1.5), 223);
            EXPECT_GT(at(4.0, 1.5), 223); // right of the image
            break;
        case 2: // clockwise: the image's left half is at the top
            EXPECT_LT(at(1.5, 1.5), 32);
            EXPECT_GT(at(1.5, 4.5), 223);
            break;
        default: // upside down: the image's left half is on the right
            EXPECT_LT(at(4.5, 1.5), 32);
            EXPECT_GT(at(1.5, 1.5), 223);
            break;
        }
    }
    if (!HasFailure())
        std::filesystem::remove_all(dir);
}

TEST(ImageRender, JpegWithNonSquarePixelsKeepsItsTrueShape) {
    // 64 x 32 pixels at 300 x 150 per inch: a square on paper, so it fills 1 x 1 inch of the 2 x 1 box.
    const auto dir = ScratchDirectory("render-aspect");
    JpegLayout logo;
    logo.components = 1;
    logo.width = 64;
    logo.height = 32;
    logo.left = {0};
    logo.right = {255};
    WriteFile(dir / "logo.jpg", EncodeJpeg(logo));
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    ASSERT_NE(toolkit.AddImageFromFile((dir / "logo.jpg").string(), 0), nullptr);
    ASSERT_EQ(toolkit.FitImage(5, 8, 2, 1, 1, 1, 0), 1);
    ASSERT_EQ(toolkit.SaveToFile((dir / "page.pdf").string()), 1);
    std::string output;
    ASSERT_EQ(RunCommand("pdftoppm -gray -r 20 -singlefile " + ShellQuoted(dir / "page.pdf") + " " +
                             ShellQuoted(dir / "page"),
                         &output),
              0)
        << output;
    GreyMap map;
    ASSERT_TRUE(ReadGreyMap(dir / "page.pgm", map));
    auto at = [&](double xInch, double yInch) { return map.At(xInch / 8.5, yInch / 11); };
    EXPECT_GT(at(5.25, 8.5), 223); // left of the centred square
    EXPECT_LT(at(5.75, 8.5), 32);  // its black half
    EXPECT_GT(at(6.25, 8.5), 223); // its white half
    if (!HasFailure())
        std::filesystem::remove_all(dir);
}

TEST(ImageRender, QpdfReadsBackTheImageStreams) {
    const auto dir = ScratchDirectory("render-streams");
    TPDFToolkit toolkit;
    toolkit.CompressImages(1);
    std::istringstream form(QuadrantBitmap(16, 4, true));
    TPDFImage* bitmap = toolkit.AddImageFromStream(form, 0);
    ASSERT_NE(bitmap, nullptr);
    const std::string jpeg = EncodeJpeg(JpegLayout{});
    std::istringstream logo(jpeg);
    TPDFImage* photo = toolkit.AddImageFromStream(logo, 0);
    ASSERT_NE(photo, nullptr);
    ASSERT_EQ(toolkit.SelectImage(bitmap), 1);
    ASSERT_EQ(toolkit.DrawImage(0, 792, 612, 792), 1);
    ASSERT_EQ(toolkit.SelectImage(photo), 1);
    ASSERT_EQ(toolkit.FitImage(100, 700, 100, 100, 0, 0, 0), 1);
    const auto pdf = dir / "streams.pdf";
    ASSERT_EQ(toolkit.SaveToFile(pdf.string()), 1);
    // New document: objects 1 to 5, then the two images.
    ASSERT_EQ(bitmap->reference.number, 6);
    ASSERT_EQ(photo->reference.number, 7);
    std::string output;
    ASSERT_EQ(RunCommand("qpdf --check " + ShellQuoted(pdf), &output), 0) << output;
    ASSERT_EQ(RunCommand("qpdf --show-object=6 --filtered-stream-data " + ShellQuoted(pdf) + " > " +
                         ShellQuoted(dir / "samples")),
              0);
    // 16 x 4 pixels, top half: 8 black (0) bits then 8 white (1) bits; bottom half all white.
    EXPECT_EQ(ReadFile(dir / "samples"), Bytes({0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    ASSERT_EQ(RunCommand("qpdf --show-object=7 --raw-stream-data " + ShellQuoted(pdf) + " > " +
                         ShellQuoted(dir / "jpeg")),
              0);
    EXPECT_EQ(ReadFile(dir / "jpeg"), jpeg);
    ASSERT_EQ(RunCommand("qpdf --show-object=6 " + ShellQuoted(pdf), &output), 0);
    EXPECT_NE(output.find("/Filter /FlateDecode"), std::string::npos) << output;
    EXPECT_NE(output.find("/Decode [ 0 1 ]"), std::string::npos) << output;
    if (!HasFailure())
        std::filesystem::remove_all(dir);
}
