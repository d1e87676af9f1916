#include <gtest/gtest.h>

#include <string>

#include "layout/canvas_support.h"
#include "layout/tav_meta_object.h"

using canvas_test::beginIdentityPage;
using canvas_test::halftonePath;

namespace {

struct AnchorCase {
    int anchor;
    int x;
    int y;
};

} // namespace

TEST(CanvasGeometry, CellToPointGivesEveryAnchorOfANormalPitchCell) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    // Grid cell (3, 5) of width 134 and height 20: left 268, right 402, top 80, bottom 100.
    const AnchorCase cases[] = {{1, 268, 80},  {2, 335, 80},  {3, 402, 80},  {4, 268, 90},  {5, 335, 90},
                                {6, 402, 90},  {7, 268, 100}, {8, 335, 100}, {9, 402, 100}, {10, 268, 85},
                                {11, 369, 85}, {12, 268, 95}, {13, 369, 95}};
    for (const AnchorCase& c : cases) {
        EXPECT_EQ(canvas.CellToPoint({3, 5, c.anchor}), (TLogicalPoint{c.x, c.y})) << "anchor " << c.anchor;
    }
}

TEST(CanvasGeometry, CompressedPitchHalvesAndQuartersUseIntegerDivision) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(2);
    // Width 80: half 40, quarter 20. A normal cell of 134 has half 67 and quarter 33 (above).
    EXPECT_EQ(canvas.CellToPoint({2, 1, 5}), (TLogicalPoint{120, 10}));
    EXPECT_EQ(canvas.CellToPoint({2, 1, 13}), (TLogicalPoint{140, 15}));
}

TEST(CanvasGeometry, UnknownAnchorTakesColumnAndRowAsLogicalUnits) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    EXPECT_EQ(canvas.CellToPoint({17, 23, 0}), (TLogicalPoint{17, 23}));
    EXPECT_EQ(canvas.CellToPoint({17, 23, 14}), (TLogicalPoint{17, 23}));
}

TEST(CanvasGeometry, CellPointAddsGridOriginAndOffsets) {
    TTavMetaObject canvas(halftonePath());
    EXPECT_EQ(canvas.GridOrigin, 1);
    EXPECT_EQ(canvas.ColumnOffset, 0);
    EXPECT_EQ(canvas.RowOffset, 0);
    canvas.ColumnOffset = 3;
    canvas.RowOffset = 2;
    const TCellPoint p = canvas.CellPoint(10, 4, 7);
    EXPECT_EQ(p.col, 14);
    EXPECT_EQ(p.row, 7);
    EXPECT_EQ(p.anchor, 7);
}

TEST(CanvasGeometry, SameColumnLiesAtDifferentXInTheTwoPitches) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    const TLogicalPoint normal = canvas.CellToPoint(canvas.CellPoint(40, 0, 1));
    canvas.SetPitch(2);
    const TLogicalPoint compressed = canvas.CellToPoint(canvas.CellPoint(40, 0, 1));
    EXPECT_EQ(normal.x, 40 * 134);
    EXPECT_EQ(compressed.x, 40 * 80);
}

TEST(CanvasGeometry, CellSizeFollowsThePitch) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    EXPECT_EQ(canvas.Pitch(), 2); // a page starts in the compressed pitch
    EXPECT_EQ(canvas.CellSize(), (TLogicalPoint{80, 20}));
    canvas.SetPitch(1);
    EXPECT_EQ(canvas.CellSize(), (TLogicalPoint{134, 20}));
}

TEST(CanvasGeometry, WindowMapsAnisotropicallyOntoTheViewport) {
    TTavMetaObject canvas(halftonePath());
    // 72 rows: window 10720 x 1480 onto 4840 x 7016 device pixels.
    ASSERT_TRUE(canvas.BeginPage(4840, "Courier New", 1, 134, 80, 72, 7016));
    EXPECT_EQ(canvas.LogicalToDevice({10720, 1480}), (TLogicalPoint{4840, 7016}));
    EXPECT_EQ(canvas.LogicalToDevice({5360, 740}), (TLogicalPoint{2420, 3508}));
    // One row of 20 units is 7016 / 74 = 94.8 pixels.
    EXPECT_EQ(canvas.LogicalToDevice({0, 20}).y, 95);
}

TEST(CanvasLifecycle, ANewCanvasIsInactiveWithoutScaleOrPitch) {
    TTavMetaObject canvas(halftonePath());
    EXPECT_FALSE(canvas.Active());
    EXPECT_EQ(canvas.Scale(), -1);
    EXPECT_EQ(canvas.Pitch(), 0);
    EXPECT_EQ(canvas.CompressOnChar, 0);
    EXPECT_EQ(canvas.CompressOffChar, 0);
    EXPECT_TRUE(canvas.HasHalftone());
}

TEST(CanvasLifecycle, BeginPageFailsOnAnEmptyViewportAndDrawsNothing) {
    TTavMetaObject canvas(halftonePath());
    EXPECT_FALSE(canvas.BeginPage(0, "Courier New", 1, 134, 80, 72, 7016));
    EXPECT_FALSE(canvas.Active());
    canvas.DrawTextRow(1, 1, -1, false, "ABC", 1);
    EXPECT_EQ(canvas.SetFontScale(50), -1);
    EXPECT_TRUE(canvas.Metafile().empty());
}

TEST(CanvasLifecycle, EndPageStopsRecording) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    EXPECT_EQ(canvas.GridOrigin, 1);
    canvas.EndPage();
    EXPECT_FALSE(canvas.Active());
    EXPECT_FALSE(canvas.Metafile().empty()); // the recording stays for playback
}

TEST(CanvasLifecycle, MissingHalftoneBitmapDisablesShadingSilently) {
    TTavMetaObject canvas("/nonexistent/retino.bmp");
    EXPECT_FALSE(canvas.HasHalftone());
    EXPECT_TRUE(canvas_test::beginIdentityPage(canvas));
}

// Courier New is Liberation Mono here: units per em 2048, Windows ascent 1705 and descent 615, so a
// character height of n units gives a cell height of round(1705 n / 2048) + round(615 n / 2048).
TEST(CanvasFontScale, FullScaleShrinksTheCharacterHeightUntilTheCellFitsOneRow) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    // n = 20 gives 17 + 6 = 23, n = 19 gives 16 + 6 = 22, n = 18 gives 15 + 5 = 20.
    EXPECT_EQ(canvas.TextMetrics().emHeight, 18);
    EXPECT_EQ(canvas.TextMetrics().height, 20);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 134);
    canvas.SetPitch(2);
    EXPECT_EQ(canvas.TextMetrics().emHeight, 18);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 80);
}

TEST(CanvasFontScale, HalfScaleStopsAtTheFirstFittingHeight) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetFontScale(50);
    // Cell 10 high, width 67: n = 10 gives 8 + 3 = 11, n = 9 gives 7 + 3 = 10.
    EXPECT_EQ(canvas.TextMetrics().emHeight, 9);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 67);
}

TEST(CanvasFontScale, ShrinkingStopsAtNineEvenWhenTheCellIsStillTooHigh) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetFontScale(40);
    // Cell 8 high: n starts at 8, which is not above 9, so the font keeps a 9-unit cell.
    EXPECT_EQ(canvas.TextMetrics().emHeight, 8);
    EXPECT_EQ(canvas.TextMetrics().height, 9);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 53);
}

TEST(CanvasFontScale, LargeScaleOnTheNormalPitch) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetFontScale(180);
    // Cell 36 high: n = 31 is the first with 26 + 9 = 35 (n = 32 gives 27 + 10 = 37).
    EXPECT_EQ(canvas.TextMetrics().emHeight, 31);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 241);
}

TEST(CanvasFontScale, ReturnsThePreviousScale) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    EXPECT_EQ(canvas.SetFontScale(70), 100);
    EXPECT_EQ(canvas.SetFontScale(-5), 70); // negative: nothing changes
    EXPECT_EQ(canvas.Scale(), 70);
}

TEST(CanvasFontScale, ChangingThePitchAppliesFullScale) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetFontScale(60);
    canvas.SetPitch(2); // unchanged pitch: the scale stays
    EXPECT_EQ(canvas.Scale(), 60);
    canvas.SetPitch(1);
    EXPECT_EQ(canvas.Scale(), 100);
}

TEST(CanvasFitScale, FindsTheLargestScaleAtWhichAMonospacedTextFits) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    // 40 characters in 32 cells of 134 = 4288 units: scale 80 gives width 107 (4280), 81 gives 108 (4320).
    EXPECT_EQ(canvas.FitScale(32, 180, std::string(40, 'M')), 80);
    // A text that fits at the start scale keeps it.
    EXPECT_EQ(canvas.FitScale(32, 180, "SHORT"), 180);
}

TEST(CanvasFitScale, ATextThatNeverFitsGivesAScaleBelowTheStartAndLeavesTheFont) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetFontScale(75);
    const TFontMetrics before = canvas.TextMetrics();
    EXPECT_LT(canvas.FitScale(1, 180, std::string(500, 'W')), 180);
    EXPECT_EQ(canvas.Scale(), 75);
    EXPECT_EQ(canvas.TextMetrics().emHeight, before.emHeight);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, before.aveCharWidth);
}

TEST(CanvasTextBox, ShrinksToFitAndRestoresTheScale) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    canvas.SetFontScale(75);
    // 20 characters at 180 % do not fit 10 cells; the box shrinks them and then restores scale 75.
    canvas.DrawTextBox(0, 0, 0, 180, std::string(20, 'A'), 10, 1);
    EXPECT_EQ(canvas.Scale(), 75);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 100);
}

TEST(CanvasTextBox, ReturnsTheOffsetOfTheTextBottomFromTheBoxTop) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    // Full scale: a 20-unit line centred in a 20-unit box ends at 20.
    EXPECT_EQ(canvas.DrawTextBox(0, 0, 0, 100, "ABC", 10, 1), 20);
    // At 180 % the 35-unit line overflows the row: it starts 7 above and ends at 28 (beyond one row).
    EXPECT_EQ(canvas.DrawTextBox(0, 0, 0, 180, "ABC", 10, 1), 28);
}

TEST(CanvasTextBlock, ReturnsTheHeightOfAllWrappedLines) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    // Three paragraphs separated by CR, each one line at full scale (20 units).
    EXPECT_EQ(canvas.DrawTextBlock(0, 0, 0, 100, "UNO\rDUE\rTRE", 4, 80, 1), 60);
    // "AAAA BBBB" does not fit 5 cells: the blank breaks it into two lines.
    EXPECT_EQ(canvas.DrawTextBlock(0, 0, 0, 100, "AAAA BBBB", 4, 5, 1), 40);
}

TEST(CanvasTextBox, ATextThatNeverFitsStillEndsTheShrinkLoop) {
    TTavMetaObject canvas(halftonePath());
    ASSERT_TRUE(beginIdentityPage(canvas));
    canvas.SetPitch(1);
    // Even one unit per character is too wide: the loop stops at scale 0 instead of running on.
    canvas.DrawTextBox(0, 0, 0, 100, std::string(5000, 'W'), 1, 1);
    EXPECT_EQ(canvas.Scale(), 100);
    EXPECT_EQ(canvas.TextMetrics().aveCharWidth, 134);
}
