#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/jpeg_image.h"
#include "platform/jpeg_writer.h"
#include "platform/rgb_page_image.h"
#include "support/process_id.h"

namespace {

std::string tempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("stampadoc-cairo-" + std::to_string(CurrentProcessId()) + "-" + name))
        .string();
}

bool reddish(DrawColor pixel) {
    return (pixel & 0xFF) > 200 && ((pixel >> 8) & 0xFF) < 60 && ((pixel >> 16) & 0xFF) < 60;
}

bool reddish(const RasterImage& image, int x, int y) {
    const std::uint32_t p = image.pixels[static_cast<std::size_t>(y) * image.width + x];
    return reddish(RgbColor(static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF),
                            static_cast<int>(p & 0xFF)));
}

} // namespace

TEST(JpegImage, DecodesSizeAndColours) {
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
    EXPECT_TRUE(reddish(image.raster(), 20, 10));
    std::filesystem::remove(path);
}

TEST(JpegImage, MissingOrDamagedFilesGiveNoImage) {
    EXPECT_TRUE(JpegImage::loadFile("/nonexistent/logo.jpg").empty());
    EXPECT_TRUE(JpegImage::decode("not a jpeg at all").empty());
    EXPECT_TRUE(JpegImage::decode(std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)).empty());
    int width = 0;
    int height = 0;
    EXPECT_FALSE(JpegImage::readFileSize("/nonexistent/logo.jpg", width, height));
}

TEST(JpegImage, RgbTargetStretchesAnImageIntoItsBox) {
    const std::string path = tempFile("logo.jpg");
    ASSERT_TRUE(writeSolidJpeg(path, 20, 10, 230, 20, 20));
    const JpegImage image = JpegImage::loadFile(path);
    ASSERT_FALSE(image.empty());
    RgbPageImage page(200, 100);
    page.drawImage(image.raster(), 50, 20, 100, 50); // five times the image's size
    EXPECT_TRUE(reddish(page.pixel(51, 21)));
    EXPECT_TRUE(reddish(page.pixel(148, 68)));
    EXPECT_EQ(page.pixel(49, 40), kDrawWhite);
    EXPECT_EQ(page.pixel(151, 40), kDrawWhite);
    EXPECT_EQ(page.pixel(100, 71), kDrawWhite);
    std::filesystem::remove(path);
}
