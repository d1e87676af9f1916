#include <gtest/gtest.h>

#include <string>

#include "platform/drawing_canvas.h"
#include "platform/mono_bitmap.h"
#include "platform/mono_page_bitmap.h"
#include "platform/page_recording.h"

namespace {

void fill(DrawingCanvas& canvas, DrawColor colour, LogicalRect rect) {
    canvas.setBrush({DrawBrush::Kind::Solid, colour, nullptr});
    canvas.fillRect(rect);
}

MonoBitmap played(const PageRecording& recording, int width, int height, int x, int y) {
    std::string bmp;
    MonoPageBitmap page;
    page.begin(bmp, width, height, 600);
    page.play(recording, x, y);
    return MonoBitmap::fromBmp(bmp).value_or(MonoBitmap());
}

} // namespace

TEST(MonoPageBitmap, PlaysARecordingBackAtAnOffsetInBlackAndWhite) {
    const auto recording = PageRecording::create();
    DrawingCanvas* canvas = recording->begin(100, 100);
    ASSERT_NE(canvas, nullptr);
    fill(*canvas, RgbColor(77, 77, 77), {10, 10, 30, 30});    // dark grey: black
    fill(*canvas, RgbColor(204, 204, 204), {50, 10, 70, 30}); // light grey: white
    fill(*canvas, kDrawBlack, {0, 600, 10, 610});             // far below the viewport: kept, like a metafile
    recording->end();
    const MonoBitmap page = played(*recording, 203, 700, 5, 0);
    ASSERT_EQ(page.width(), 203);
    EXPECT_EQ(page.countBlack(15, 10, 35, 30), 400);
    EXPECT_EQ(page.countBlack(0, 0, 203, 600), 400);
    EXPECT_EQ(page.countBlack(5, 600, 15, 610), 100);
}

TEST(MonoPageBitmap, LinesRunUnbrokenAcrossBandsAndLaterDrawingCoversEarlier) {
    const auto recording = PageRecording::create();
    DrawingCanvas* canvas = recording->begin(300, 1000);
    ASSERT_NE(canvas, nullptr);
    canvas->setPen({});
    canvas->setBrush({DrawBrush::Kind::Clear, kDrawWhite, nullptr});
    const LogicalPoint frame[] = {{20, 5}, {280, 5}, {280, 990}, {20, 990}};
    canvas->polygon(frame);
    recording->end();

    std::string bmp;
    MonoPageBitmap page;
    page.begin(bmp, 300, 1000, 600);
    page.play(*recording, 0, 0);
    // A second recording over the first: white erases, black adds.
    const auto over = PageRecording::create();
    DrawingCanvas* second = over->begin(300, 1000);
    fill(*second, kDrawWhite, {0, 400, 300, 500});
    fill(*second, kDrawBlack, {100, 100, 110, 110});
    over->end();
    page.play(*over, 0, 0);
    const MonoBitmap result = MonoBitmap::fromBmp(bmp).value_or(MonoBitmap());
    EXPECT_EQ(result.countBlack(20, 5, 21, 400), 395);
    EXPECT_EQ(result.countBlack(20, 400, 21, 500), 0);
    EXPECT_EQ(result.countBlack(20, 500, 21, 991), 491);
    EXPECT_EQ(result.countBlack(100, 100, 110, 110), 100);
    EXPECT_EQ(result.countBlack(0, 0, 300, 1000), 2 * (395 + 491) + 2 * 259 + 100);
}

TEST(MonoPageBitmap, ReusesItsStringAndThresholdsPicturesByBrightness) {
    std::string bmp(5'000'000, 'x');
    MonoPageBitmap page;
    // Four greys: luma 100 and 127 are black, 128 and 200 white.
    RasterImage grey;
    grey.width = 4;
    grey.height = 3;
    const std::uint32_t row[] = {0x646464, 0x7F7F7F, 0x808080, 0xC8C8C8};
    grey.pixels.resize(12);
    for (std::size_t i = 0; i < grey.pixels.size(); ++i)
        grey.pixels[i] = row[i % 4];
    page.begin(bmp, 13, 3, 300);
    page.drawImage(grey, 0, 0, 4, 3);
    const MonoBitmap picture = MonoBitmap::fromBmp(bmp).value_or(MonoBitmap());
    ASSERT_EQ(picture.width(), 13);
    EXPECT_EQ(picture.countBlack(0, 0, 2, 3), 6);
    EXPECT_EQ(picture.countBlack(2, 0, 13, 3), 0);
    EXPECT_EQ(bmp.size(), 62u + 3 * 4); // rows of 13 pixels padded to four bytes
    // Bits past the last pixel are zero.
    EXPECT_EQ(static_cast<unsigned char>(bmp[62 + 1]) & 0x07, 0);
}
