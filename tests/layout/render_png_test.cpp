#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <cairo.h>
#include <unistd.h>

#include "layout/render_page_png.h"
#include "layout/render_support.h"

using namespace render_test;

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
    EXPECT_EQ(PreviewPicturePath(pictures, 1), "out/page-001.png");
    EXPECT_EQ(PreviewPicturePath(pictures, 12), "out/page-012.png");
    EXPECT_EQ(PreviewPicturePath(pictures, 1234), "out/page-1234.png");
}

TEST(PreviewPicture, WritesAnA4PictureAndLeavesTheEngineOutputAsItWas) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("stampadoc-png-" + std::to_string(::getpid()));
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
    cairo_surface_t* png = cairo_image_surface_create_from_png((dir / "page-001.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    // A4 at 100 dots per inch: 826 x 1169.
    EXPECT_EQ(cairo_image_surface_get_width(png), 826);
    EXPECT_EQ(cairo_image_surface_get_height(png), 1169);
    cairo_surface_destroy(png);
    std::filesystem::remove_all(dir);
}
