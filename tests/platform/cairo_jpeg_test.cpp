#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "platform/cairo_jpeg_writer.h"
#include "platform/cairo_surface_target.h"
#include "platform/jpeg_image.h"

namespace {

std::string tempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("stampadoc-cairo-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::uint32_t pixelAt(cairo_surface_t* surface, int x, int y) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride)[x] & 0xFFFFFF;
}

bool reddish(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFF) > 200 && ((pixel >> 8) & 0xFF) < 60 && (pixel & 0xFF) < 60;
}

} // namespace

TEST(CairoJpeg, DecodesSizeAndColours) {
    const std::string path = tempFile("red.jpg");
    ASSERT_TRUE(writeSolidJpeg(path, 40, 20, 230, 20, 20));
    int width = 0;
    int height = 0;
    EXPECT_TRUE(JpegImage::readFileSize(path, width, height));
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 20);
    const JpegImage image = JpegImage::loadFile(path);
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image.width(), 40);
    EXPECT_EQ(image.height(), 20);
    EXPECT_TRUE(reddish(pixelAt(image.surface(), 20, 10)));
    std::filesystem::remove(path);
}

TEST(CairoJpeg, MissingOrDamagedFilesGiveNoImage) {
    EXPECT_TRUE(JpegImage::loadFile("/nonexistent/logo.jpg").empty());
    EXPECT_TRUE(JpegImage::decode("not a jpeg at all").empty());
    EXPECT_TRUE(JpegImage::decode(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)).empty());
    int width = 0;
    int height = 0;
    EXPECT_FALSE(JpegImage::readFileSize("/nonexistent/logo.jpg", width, height));
}

TEST(CairoJpeg, SurfaceTargetStretchesAnImageIntoItsBox) {
    const std::string path = tempFile("logo.jpg");
    ASSERT_TRUE(writeSolidJpeg(path, 20, 10, 230, 20, 20));
    const JpegImage image = JpegImage::loadFile(path);
    ASSERT_FALSE(image.empty());
    cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 200, 100);
    cairo_t* cr = cairo_create(page);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_destroy(cr);
    {
        CairoSurfaceTarget target(page);
        target.drawImage(image.surface(), 50, 20, 100, 50); // five times the image's size
    }
    EXPECT_TRUE(reddish(pixelAt(page, 51, 21)));
    EXPECT_TRUE(reddish(pixelAt(page, 148, 68)));
    EXPECT_EQ(pixelAt(page, 49, 40), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(page, 151, 40), 0xFFFFFFu);
    EXPECT_EQ(pixelAt(page, 100, 71), 0xFFFFFFu);
    cairo_surface_destroy(page);
    std::filesystem::remove(path);
}
