#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "layout/render_page_png.h"
#include "layout/render_support.h"
#include "support/process_id.h"

using namespace render_test;

namespace {

// A big-endian 32-bit number of a file's bytes.
std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

} // namespace

TEST(PreviewPictureOptions, PngAndDpiAreTakenOffTheCommandLine) {
    TPreviewPictures pictures;
    const std::vector<std::string> rest =
        TakePreviewPictureOptions({"/I=doc.txt", "--png", "out", "/R=72", "--dpi", "150"}, pictures);
    EXPECT_EQ(rest, (std::vector<std::string>{"/I=doc.txt", "/R=72"}));
    EXPECT_EQ(pictures.directory, "out");
    EXPECT_EQ(pictures.dotsPerInch, 150);
    EXPECT_TRUE(pictures.wanted());
}

TEST(PreviewPictureOptions, DefaultsAndBadResolutions) {
    TPreviewPictures pictures;
    EXPECT_EQ(TakePreviewPictureOptions({"/I=doc.txt"}, pictures), (std::vector<std::string>{"/I=doc.txt"}));
    EXPECT_FALSE(pictures.wanted());
    EXPECT_EQ(pictures.dotsPerInch, 600);
    for (const char* bad : {"0", "-5", "12x", "100000", ""}) {
        TPreviewPictures p;
        TakePreviewPictureOptions({"--dpi", bad}, p);
        EXPECT_EQ(p.dotsPerInch, 600) << bad;
    }
    // A trailing option without its value stays an ordinary argument.
    TPreviewPictures p;
    EXPECT_EQ(TakePreviewPictureOptions({"--png"}, p), (std::vector<std::string>{"--png"}));
    EXPECT_FALSE(p.wanted());
}

TEST(PreviewPictureOptions, PicturesAreNumberedWithThreeDigits) {
    TPreviewPictures pictures;
    pictures.directory = "out";
    const std::filesystem::path out = "out";
    EXPECT_EQ(PreviewPicturePath(pictures, 1), (out / "page-001.png").string());
    EXPECT_EQ(PreviewPicturePath(pictures, 12), (out / "page-012.png").string());
    EXPECT_EQ(PreviewPicturePath(pictures, 1234), (out / "page-1234.png").string());
}

TEST(PreviewPicture, WritesAnA4PictureAndLeavesTheEngineOutputAsItWas) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("stampadoc-png-" + std::to_string(CurrentProcessId()));
    RenderedDocument doc("fattura.txt");
    doc.engine.pdfOutput = false;
    TPreviewPictures pictures;
    pictures.directory = dir.string();
    pictures.dotsPerInch = 100;
    bool written = false;
    doc.engine.ComposePages(kRows, doc.params.ColumnHeadings, [&] {
        written = WritePreviewPicture(doc.engine, kRows, 1, pictures);
        return false;
    });
    EXPECT_TRUE(written);
    EXPECT_FALSE(doc.engine.pdfOutput);
    EXPECT_EQ(doc.engine.printerCanvas.target, nullptr);
    std::string png;
    {
        std::ifstream in(dir / "page-001.png", std::ios::binary);
        png.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The signature, the header chunk first and the end chunk last.
    ASSERT_GT(png.size(), 45u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
    // A4 at 100 dots per inch: 826 x 1169.
    EXPECT_EQ(BigEndian(png, 16), 826u);
    EXPECT_EQ(BigEndian(png, 20), 1169u);
    std::filesystem::remove_all(dir);
}
