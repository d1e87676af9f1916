#include <gtest/gtest.h>

#include <array>
#include <string>

#include "layout/canvas_support.h"
#include "layout/tav_meta_object.h"

using canvas_test::beginIdentityPage;
using canvas_test::halftonePath;
using canvas_test::render;

namespace {

// Black pixels in the logical rectangle (identity mapping).
long inkIn(const MonoBitmap& bitmap, int left, int top, int right, int bottom) {
    return bitmap.countBlack(left, top, right, bottom);
}

bool columnAllBlack(const MonoBitmap& bitmap, int x, int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
        if (!bitmap.black(x, y)) {
            return false;
        }
    }
    return true;
}

bool rowAllBlack(const MonoBitmap& bitmap, int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) {
        if (!bitmap.black(x, y)) {
            return false;
        }
    }
    return true;
}

} // namespace

TEST(CanvasPixels, PolygonOutlinesAreOnePixelLinesOnTheCellEdges) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    const std::array<TCellPoint, 4> box = {{{1, 1, 1}, {5, 1, 1}, {5, 4, 1}, {1, 4, 1}}};
    canvas.DrawPolygon(box, 3, bsClear);
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    // With GridOrigin 1, column 1 begins at 134 and column 5 at 670; row 1 at 20, row 4 at 80.
    EXPECT_TRUE(columnAllBlack(page, 134, 20, 81));
    EXPECT_TRUE(columnAllBlack(page, 670, 20, 81));
    EXPECT_TRUE(rowAllBlack(page, 20, 134, 671));
    EXPECT_TRUE(rowAllBlack(page, 80, 134, 671));
    // One pixel wide, and nothing inside.
    EXPECT_FALSE(page.black(133, 50));
    EXPECT_FALSE(page.black(135, 50));
    EXPECT_EQ(inkIn(page, 136, 22, 669, 79), 0);
}

TEST(CanvasPixels, SolidPolygonIsFilledWithTheBrush) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetBrushColor(clBlack);
    const std::array<TCellPoint, 4> box = {{{1, 1, 1}, {3, 1, 1}, {3, 3, 1}, {1, 3, 1}}};
    canvas.DrawPolygon(box, 3, bsSolid);
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    EXPECT_EQ(inkIn(page, 140, 25, 400, 55), 260L * 30);
}

TEST(CanvasPixels, ShadedFillCarriesTheLightHalftonePattern) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetShading(true);
    canvas.FillCells({0, 0, 1}, {9, 4, 9}); // logical (0, 0) to (1340, 100)
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    const long area = 1340L * 100;
    const long ink = inkIn(page, 0, 0, 1340, 100);
    EXPECT_GE(ink, area / 10);
    EXPECT_LE(ink, area * 15 / 100);
    EXPECT_EQ(inkIn(page, 1340, 0, 3000, 200), 0); // outside stays white
    EXPECT_EQ(inkIn(page, 0, 100, 3000, 200), 0);
}

TEST(CanvasPixels, HalftoneIsAlignedToTheDeviceGrid) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetShading(true);
    canvas.FillCells({0, 0, 1}, {2, 2, 9});
    canvas.FillCells({4, 0, 1}, {6, 2, 9});
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    const MonoBitmap tile = *MonoBitmap::loadBmpFile(halftonePath());
    // Every shaded pixel equals the tile at its device position, whatever the fill's origin.
    // The fills cover (0, 0)-(402, 60) and (536, 0)-(938, 60).
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 402; ++x) {
            ASSERT_EQ(page.black(x, y), tile.black(x % tile.width(), y % tile.height())) << x << "," << y;
        }
        for (int x = 536; x < 938; ++x) {
            ASSERT_EQ(page.black(x, y), tile.black(x % tile.width(), y % tile.height())) << x << "," << y;
        }
    }
}

TEST(CanvasPixels, ShadingOffFillsWhiteAndCoversWhatWasUnder) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.DrawTextRow(0, 0, -1, false, "XXXXXXXX", 1);
    canvas.SetShading(false);
    canvas.FillCells({0, 0, 1}, {3, 0, 9}); // the first four cells of the row: (0, 0)-(536, 20)
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    EXPECT_EQ(inkIn(page, 0, 0, 536, 40), 0);
    EXPECT_GT(inkIn(page, 536, 0, 1072, 40), 0);
}

TEST(CanvasPixels, WithoutAHalftoneBitmapShadingStaysWhite) {
    TTavMetaObject canvas("/nonexistent/retino.bmp");
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetShading(true);
    canvas.FillCells({0, 0, 1}, {9, 4, 9});
    canvas.EndPage();
    EXPECT_EQ(render(canvas).countBlack(0, 0, canvas_test::kWidth, canvas_test::kHeight), 0);
}

TEST(CanvasPixels, ARowOfDashesIsOneUnbrokenLine) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.DrawTextRow(1, 2, -1, false, std::string(30, '-'), 1);
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    // Grid column 2 starts at 134; the thirty normal cells end at 134 + 30 * 134 = 4154; the row spans
    // 40 to 60. Some pixel row inside it must be black all the way across.
    bool unbroken = false;
    for (int y = 40; y < 60 && !unbroken; ++y) {
        unbroken = rowAllBlack(page, y, 134 + 2, 4154 - 2);
    }
    EXPECT_TRUE(unbroken);
}

TEST(CanvasPixels, RowTextPutsEachCharacterInItsOwnCell) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.DrawTextRow(1, 1, -1, false, "A B", 1);
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    // Cells: "A" at 134..268, blank at 268..402, "B" at 402..536; row 1 spans 20..40.
    EXPECT_GT(inkIn(page, 134, 20, 268, 40), 20);
    EXPECT_EQ(inkIn(page, 268, 0, 402, canvas_test::kHeight), 0);
    EXPECT_GT(inkIn(page, 402, 20, 536, 40), 20);
    EXPECT_EQ(inkIn(page, 536, 0, canvas_test::kWidth, canvas_test::kHeight), 0);
    EXPECT_EQ(inkIn(page, 0, 0, canvas_test::kWidth, 20), 0);
}

TEST(CanvasPixels, PitchMarkStartsTheRowInTheCompressedPitch) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.DrawTextRow(1, 1, -1, true, "  W", 1);
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    // Compressed cells of 80: the "W" sits in 240..320, not in the normal cell 402..536.
    EXPECT_GT(inkIn(page, 240, 20, 320, 40), 20);
    EXPECT_EQ(inkIn(page, 320, 0, canvas_test::kWidth, canvas_test::kHeight), 0);
}

TEST(CanvasPixels, AccentedLettersOfThePageTextAreDrawnAsTheyStand) {
    // The page text is Windows-1252 already: "è" must look like the same letter drawn by DrawTextCells,
    // not like the OEM reading of its byte.
    TTavMetaObject rowCanvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(rowCanvas));
    rowCanvas.DrawTextRow(1, 1, -1, false, "\xE8", 1);
    rowCanvas.EndPage();
    TTavMetaObject cellCanvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(cellCanvas));
    cellCanvas.SetPitch(1);
    cellCanvas.DrawTextCells(1, 1, -1, "\xE8", 1);
    cellCanvas.EndPage();
    const MonoBitmap a = render(rowCanvas);
    const MonoBitmap b = render(cellCanvas);
    ASSERT_GT(a.countBlack(134, 20, 268, 40), 0);
    for (int y = 20; y < 40; ++y) {
        for (int x = 134; x < 268; ++x) {
            ASSERT_EQ(a.black(x, y), b.black(x, y)) << x << "," << y;
        }
    }
}

TEST(CanvasPixels, CaptionAlignmentsPlaceTheTextLeftCentredOrRight) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.DrawCaption(0, 0, 0, "I", 10, 1);   // row 1: left
    canvas.DrawCaption(0, 2, 1, "I", 10, 1);   // row 3: centred
    canvas.DrawCaption(0, 4, 258, "I", 10, 1); // row 5: right, no clipping
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    // The box spans 0..1340 (10 cells) on rows 0..20, 40..60 and 80..100; thirds: 0..447..893..1340.
    EXPECT_GT(inkIn(page, 0, 0, 447, 20), 0);
    EXPECT_EQ(inkIn(page, 447, 0, 1340, 20), 0);
    EXPECT_GT(inkIn(page, 447, 40, 893, 60), 0);
    EXPECT_EQ(inkIn(page, 0, 40, 447, 60) + inkIn(page, 893, 40, 1340, 60), 0);
    EXPECT_GT(inkIn(page, 893, 80, 1340, 100), 0);
    EXPECT_EQ(inkIn(page, 0, 80, 893, 100), 0);
}

TEST(CanvasPixels, TextBlockBreaksAtBlanksAndCarriageReturns) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.DrawTextBlock(0, 0, 0, 100, "AAAA BBBB\rCC", 4, 5, 1);
    canvas.EndPage();
    const MonoBitmap page = render(canvas);
    // Three lines of 20 units from y = 0 in the box 0..670: "AAAA", "BBBB", "CC"; nothing on a fourth.
    EXPECT_GT(inkIn(page, 0, 0, 4 * 134, 20), 0);
    EXPECT_GT(inkIn(page, 0, 20, 4 * 134, 40), 0);
    EXPECT_GT(inkIn(page, 0, 40, 2 * 134, 60), 0);
    EXPECT_EQ(inkIn(page, 2 * 134, 40, 2000, 60), 0);
    EXPECT_EQ(inkIn(page, 0, 60, 2000, 200), 0);
}

TEST(CanvasPixels, FontColourWhiteDrawsNothingOnWhite) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetFontColor(clWhite);
    canvas.DrawTextRow(1, 1, -1, false, "ABCDEF", 1);
    canvas.EndPage();
    EXPECT_EQ(render(canvas).countBlack(0, 0, canvas_test::kWidth, canvas_test::kHeight), 0);
}

TEST(CanvasPixels, PixelsAreBlackOrWhiteEvenForGreyColours) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetFontColor(0x404040); // dark grey becomes black
    canvas.DrawTextRow(1, 1, -1, false, "ABC", 1);
    canvas.EndPage();
    EXPECT_GT(render(canvas).countBlack(134, 20, 536, 40), 0);
}
