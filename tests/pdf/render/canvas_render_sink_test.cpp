// The sink that draws onto a canvas: every image format lands the right way up, in its colours.

#include <gtest/gtest.h>

#include "pdf/render/canvas_render_sink.h"
#include "platform/rgb_page_image.h"

namespace {

// A 2 x 2 image whose top row is dark (painted, for a mask) and whose bottom row is light (left alone).
RenderImage TopRowDark(RenderImage::Format format) {
    RenderImage image;
    image.format = format;
    image.width = 2;
    image.height = 2;
    image.stride = RenderImage::RowBytes(format, 2);
    switch (format) {
    case RenderImage::Format::Gray1:
        image.samples = {0x00, 0xC0};
        break;
    case RenderImage::Format::Mask1:
        image.samples = {0xC0, 0x00};
        break;
    case RenderImage::Format::Gray8:
        image.samples = {0, 0, 255, 255};
        break;
    case RenderImage::Format::Rgb24:
        image.samples = {0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255};
        break;
    }
    return image;
}

TEST(CanvasRenderSink, ImagesOfEveryFormatStandTheRightWayUp) {
    for (RenderImage::Format format : {RenderImage::Format::Gray1, RenderImage::Format::Gray8,
                                       RenderImage::Format::Rgb24, RenderImage::Format::Mask1}) {
        SCOPED_TRACE(static_cast<int>(format));
        RgbPageImage page(100, 100);
        ASSERT_NE(page.canvas(), nullptr);
        CanvasRenderSink sink(*page.canvas());
        // The unit square onto (10, 10)-(90, 90), y down as on a sheet.
        sink.DrawImage(TopRowDark(format), RenderMatrix{80, 0, 0, -80, 10, 90}, RenderColor::Gray(0));
        EXPECT_EQ(page.countDark(12, 12, 88, 48), 76 * 36);
        EXPECT_EQ(page.countDark(0, 52, 100, 100), 0);
        EXPECT_EQ(page.countDark(0, 0, 100, 10), 0);
    }
}

TEST(CanvasRenderSink, MaskPaintsInTheFillColour) {
    RgbPageImage page(20, 20);
    CanvasRenderSink sink(*page.canvas());
    sink.DrawImage(TopRowDark(RenderImage::Format::Mask1), RenderMatrix{20, 0, 0, -20, 0, 20},
                   RenderColor::Rgb(1, 0, 0));
    EXPECT_EQ(page.pixel(10, 2), RgbColor(255, 0, 0));
    EXPECT_EQ(page.pixel(10, 18), kDrawWhite);
}

} // namespace
