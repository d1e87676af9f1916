// Colours reach the one-bit page by their brightness (Rec. 601 luma), not by the nearest of black and
// white: pure green is light, pure blue and red are dark, whatever drew them.
#include <gtest/gtest.h>

#include <string>

#include "platform/drawing_canvas.h"
#include "platform/mono_bitmap.h"
#include "platform/mono_page_bitmap.h"
#include "platform/page_recording.h"

TEST(PageInk, FillsOutlinesAndTextAreBlackOnlyWhereTheirColourIsDark) {
    struct Case {
        DrawColor colour;
        bool black;
    };
    const Case cases[] = {{RgbColor(0, 255, 0), false},    {RgbColor(255, 0, 0), true},
                          {RgbColor(0, 0, 255), true},     {RgbColor(255, 255, 0), false},
                          {RgbColor(127, 127, 127), true}, {RgbColor(128, 128, 128), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        const auto recording = PageRecording::create();
        DrawingCanvas* canvas = recording->begin(300, 100);
        ASSERT_NE(canvas, nullptr);
        canvas->setBrush({DrawBrush::Kind::Solid, kDrawBlack, nullptr});
        canvas->fillRect({200, 0, 300, 100}); // black under the text, so that light text shows
        canvas->setBrush({DrawBrush::Kind::Solid, c.colour, nullptr});
        canvas->fillRect({0, 0, 50, 50});
        DrawPen pen;
        pen.colour = c.colour;
        canvas->setPen(pen);
        canvas->setBrush({DrawBrush::Kind::Clear, kDrawWhite, nullptr});
        const LogicalPoint line[] = {{100, 10}, {100, 90}};
        canvas->polyline(line);
        canvas->selectFont({"Courier New", kFontBold, 60, 36});
        canvas->setTextColor(c.colour);
        LogicalRect box{200, 0, 300, 100};
        canvas->drawText("MM", box, kDtSingleLine | kDtCenter | kDtVCenter | kDtNoPrefix);
        recording->end();

        std::string bmp;
        MonoPageBitmap page;
        page.begin(bmp, 300, 100, 600);
        page.play(*recording, 0, 0);
        const MonoBitmap result = MonoBitmap::fromBmp(bmp).value_or(MonoBitmap());
        ASSERT_EQ(result.width(), 300);
        EXPECT_EQ(result.countBlack(0, 0, 50, 50), c.black ? 2500 : 0);
        EXPECT_EQ(result.countBlack(100, 20, 101, 80), c.black ? 60 : 0);
        const long textBox = result.countBlack(200, 0, 300, 100);
        if (c.black) {
            EXPECT_EQ(textBox, 100 * 100);
        } else {
            EXPECT_LT(textBox, 100 * 100 - 300); // the light glyphs cut into the black
        }
    }
}
