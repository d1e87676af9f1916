// The page renderer's drawing calls on the Cairo canvas, each checked on the pixels of a small RGB page.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/drawing_canvas.h"
#include "platform/rgb_page_image.h"

namespace {

constexpr DrawColor kRed = 0x0000FF;

bool near(DrawColor a, DrawColor b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > 8 || d < -8)
            return false;
    }
    return true;
}

DrawPath square(double x, double y, double size, bool clockwise = true) {
    DrawPath path;
    path.moveTo(x, y);
    if (clockwise) {
        path.lineTo(x + size, y);
        path.lineTo(x + size, y + size);
        path.lineTo(x, y + size);
    } else {
        path.lineTo(x, y + size);
        path.lineTo(x + size, y + size);
        path.lineTo(x + size, y);
    }
    path.close();
    return path;
}

void useBrush(DrawingCanvas& canvas, DrawColor colour) {
    canvas.setBrush({DrawBrush::Kind::Solid, colour, nullptr});
}

} // namespace

TEST(DrawingCanvas, FillRulesDecideTheInnerSquareOfTwoNestedOnes) {
    for (FillRule rule : {FillRule::NonZero, FillRule::EvenOdd}) {
        RgbPageImage page(100, 100);
        DrawingCanvas& canvas = *page.canvas();
        useBrush(canvas, kRed);
        DrawPath path = square(10, 10, 80);
        const DrawPath inner = square(30, 30, 40);
        path.segments.insert(path.segments.end(), inner.segments.begin(), inner.segments.end());
        canvas.fillPath(path, rule);
        EXPECT_EQ(page.pixel(20, 20), kRed);
        EXPECT_EQ(page.pixel(50, 50), rule == FillRule::NonZero ? kRed : kDrawWhite);
        EXPECT_EQ(page.pixel(95, 95), kDrawWhite);
    }
}

TEST(DrawingCanvas, StrokesFollowWidthCapAndDash) {
    RgbPageImage page(200, 100);
    DrawingCanvas& canvas = *page.canvas();
    DrawPen pen;
    pen.width = 10;
    pen.cap = LineCap::Butt;
    canvas.setPen(pen);
    DrawPath line;
    line.moveTo(20, 20);
    line.lineTo(180, 20);
    canvas.strokePath(line);
    pen.cap = LineCap::Square;
    pen.dash = {20, 20};
    canvas.setPen(pen);
    DrawPath dashed;
    dashed.moveTo(20, 60);
    dashed.lineTo(180, 60);
    canvas.strokePath(dashed);
    EXPECT_EQ(page.pixel(100, 16), kDrawBlack); // half the width above the line
    EXPECT_EQ(page.pixel(100, 27), kDrawWhite);
    EXPECT_EQ(page.pixel(17, 20), kDrawWhite); // butt: nothing before the start
    EXPECT_EQ(page.pixel(17, 60), kDrawBlack); // square: half the width before the start
    EXPECT_EQ(page.pixel(30, 60), kDrawBlack); // the first dash
    EXPECT_EQ(page.pixel(50, 60), kDrawWhite); // its gap, less the square caps
}

TEST(DrawingCanvas, ClipsTransformsAndRestores) {
    RgbPageImage page(200, 100);
    DrawingCanvas& canvas = *page.canvas();
    useBrush(canvas, kDrawBlack);
    canvas.save();
    DrawMatrix shift;
    shift.e = 100;
    canvas.transform(shift);
    canvas.clipPath(square(0, 0, 50), FillRule::NonZero);
    canvas.fillPath(square(0, 0, 100), FillRule::NonZero); // clipped to 50 x 50 at x 100
    canvas.restore();
    canvas.fillPath(square(0, 60, 20), FillRule::EvenOdd); // neither shifted nor clipped
    EXPECT_EQ(page.countDark(0, 0, 200, 55), 50 * 50);
    EXPECT_EQ(page.pixel(125, 25), kDrawBlack);
    EXPECT_EQ(page.pixel(10, 70), kDrawBlack);
}

TEST(DrawingCanvas, ColoursFromGreyRgbAndCmyk) {
    EXPECT_EQ(GreyColor(0.5), RgbColor(128, 128, 128));
    EXPECT_EQ(RgbColor(1.0, 0.0, 0.0), kRed);
    EXPECT_EQ(CmykColor(0, 1, 1, 0), kRed);
    EXPECT_EQ(CmykColor(0, 0, 0, 1), kDrawBlack);
    EXPECT_EQ(CmykColor(0.5, 0, 0, 0.75), RgbColor(0, 64, 64)); // cyan and black saturate
    EXPECT_TRUE(IsDarkColor(RgbColor(127, 127, 127)));
    EXPECT_FALSE(IsDarkColor(RgbColor(128, 128, 128)));
}

TEST(DrawingCanvas, SamplesOfEveryDepthArePlacedByTheirMatrix) {
    // A 2 x 2 image: dark, light on top; light, dark below.
    const std::uint8_t oneBit[] = {0x40, 0x80};
    const std::uint8_t grey[] = {0, 255, 255, 0};
    const std::uint8_t rgb[] = {255, 0, 0, 255, 255, 255, 255, 255, 255, 255, 0, 0};
    struct Case {
        int bits;
        int components;
        const std::uint8_t* samples;
        DrawColor dark;
    };
    for (const Case& c :
         {Case{1, 1, oneBit, kDrawBlack}, Case{8, 1, grey, kDrawBlack}, Case{8, 3, rgb, kRed}}) {
        RgbPageImage page(100, 100);
        SampleImage image;
        image.width = 2;
        image.height = 2;
        image.bitsPerComponent = c.bits;
        image.components = c.components;
        image.samples = c.samples;
        DrawMatrix placement; // the unit square onto (20, 20)-(80, 80)
        placement.a = 60;
        placement.d = 60;
        placement.e = 20;
        placement.f = 20;
        page.canvas()->drawSamples(image, placement);
        EXPECT_TRUE(near(page.pixel(30, 30), c.dark)) << c.bits << "x" << c.components;
        EXPECT_TRUE(near(page.pixel(70, 30), kDrawWhite)) << c.bits << "x" << c.components;
        EXPECT_TRUE(near(page.pixel(70, 70), c.dark)) << c.bits << "x" << c.components;
        EXPECT_EQ(page.pixel(10, 10), kDrawWhite);
    }
}

TEST(DrawingCanvas, AnImageMaskPaintsItsZeroSamplesInTheBrushColour) {
    RgbPageImage page(100, 100);
    DrawingCanvas& canvas = *page.canvas();
    useBrush(canvas, kDrawBlack);
    canvas.fillPath(square(0, 0, 100), FillRule::NonZero);
    const std::uint8_t mask[] = {0x40}; // 0 then 1
    SampleImage stencil;
    stencil.width = 2;
    stencil.height = 1;
    stencil.bitsPerComponent = 1;
    stencil.samples = mask;
    useBrush(canvas, kRed);
    DrawMatrix placement;
    placement.a = 100;
    placement.d = 100;
    canvas.drawImageMask(stencil, placement);
    EXPECT_EQ(page.pixel(20, 50), kRed);
    EXPECT_EQ(page.pixel(80, 50), kDrawBlack); // left alone
}

TEST(DrawingCanvas, GlyphRunsPlaceEachGlyphByItsAdvance) {
    RgbPageImage page(300, 100);
    DrawingCanvas& canvas = *page.canvas();
    useBrush(canvas, kDrawBlack);
    GlyphRun run;
    run.fontName = "Arial,Bold"; // Helvetica-Bold
    run.size = 60;
    run.textMatrix.d = -1; // text space points up
    run.textMatrix.e = 10;
    run.textMatrix.f = 80;
    run.codes.assign(2, 'I');
    run.advances = {200, 0};
    canvas.drawGlyphRun(run);
    EXPECT_GT(page.countDark(10, 30, 40, 80), 300);   // the first I
    EXPECT_EQ(page.countDark(60, 0, 200, 100), 0);    // the gap the advance leaves
    EXPECT_GT(page.countDark(210, 30, 240, 80), 300); // the second I
}

TEST(DrawingCanvas, DrawTextCalcRectMeasuresWithoutDrawing) {
    RgbPageImage page(400, 100);
    DrawingCanvas& canvas = *page.canvas();
    const FontCellMetrics metrics = canvas.selectFont({"Courier New", 0, 20, 12});
    LogicalRect rect{10, 10, 100, 50};
    // The longer line is the second: whether the blank at the break counts differs between GDI
    // implementations (Wine counts it).
    const int height = canvas.drawText("AB CDEFGHI", rect, kDtWordBreak | kDtCalcRect);
    EXPECT_EQ(height, 2 * metrics.height); // broken after the first word
    EXPECT_EQ(rect.right, 10 + 84);
    EXPECT_EQ(rect.bottom, 10 + 2 * metrics.height);
    EXPECT_EQ(page.countDark(0, 0, 400, 100), 0);
}
