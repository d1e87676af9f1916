// Placing a page on the printer sheet: where the page's corners and centre land, in device dots from the
// top-left corner of the printable area, for each combination of scaling and auto rotate and centre.

#include <gtest/gtest.h>

#include "pdf/render/page_placement.h"

namespace {

constexpr double kA4Width = 210 / 25.4 * 72;
constexpr double kA4Height = 297 / 25.4 * 72;

// An A4 sheet at 600 dots per inch whose printable area starts 100 dots in from the top-left corner.
PrinterSheet A4Sheet(double dpiY = 600) {
    PrinterSheet sheet;
    sheet.resolutionX = 600;
    sheet.resolutionY = dpiY;
    sheet.physicalWidth = 4961;
    sheet.physicalHeight = 7016 * dpiY / 600;
    sheet.printableWidth = 4761;
    sheet.printableHeight = sheet.physicalHeight - 200;
    sheet.printableOffsetX = 100;
    sheet.printableOffsetY = 100;
    return sheet;
}

struct Landing {
    double pageX, pageY;     // a page point
    double deviceX, deviceY; // where it must land
};

struct PlacementCase {
    const char* name;
    PageBox box;
    int rotation;
    PrinterSheet sheet;
    PagePlacement placement;
    std::vector<Landing> landings;
};

class PagePlacementOnSheet : public testing::TestWithParam<PlacementCase> {};

TEST_P(PagePlacementOnSheet, PutsThePageWhereItBelongs) {
    const PlacementCase& c = GetParam();
    const RenderMatrix m = PlacePageOnSheet(c.box, c.rotation, c.sheet, c.placement);
    for (const Landing& landing : c.landings) {
        double x = 0;
        double y = 0;
        m.Apply(landing.pageX, landing.pageY, x, y);
        EXPECT_NEAR(x, landing.deviceX, 0.5) << "page point " << landing.pageX << "," << landing.pageY;
        EXPECT_NEAR(y, landing.deviceY, 0.5) << "page point " << landing.pageX << "," << landing.pageY;
    }
}

const PagePlacement kAutoRotateCenter{0, true};

INSTANTIATE_TEST_SUITE_P(
    Sheets, PagePlacementOnSheet,
    testing::Values(
        // The sheet is 4961 x 7016 dots, its lower-left corner at (-100, 6916) and top-right at (4861, -100).
        PlacementCase{"A4OnA4AtNaturalSizeAndPosition",
                      {0, 0, kA4Width, kA4Height},
                      0,
                      A4Sheet(),
                      kAutoRotateCenter,
                      {{0, 0, -99.8, 6915.9}, {kA4Width, kA4Height, 4860.8, -99.9}}},
        PlacementCase{"BoxOriginMovedToTheCorner",
                      {100, 200, 100 + kA4Width, 200 + kA4Height},
                      0,
                      A4Sheet(),
                      kAutoRotateCenter,
                      {{100, 200, -99.8, 6915.9}}},
        PlacementCase{"LandscapePageTurnedTopToTheLeftEdge",
                      {0, 0, kA4Height, kA4Width},
                      0,
                      A4Sheet(),
                      kAutoRotateCenter,
                      {{0, kA4Width, -99.8, 6915.9}, {0, 0, 4860.8, 6915.9}, {kA4Height, 0, 4860.8, -99.9}}},
        PlacementCase{"PageRotatedBackByAutoRotate",
                      {0, 0, kA4Width, kA4Height},
                      90,
                      A4Sheet(),
                      kAutoRotateCenter,
                      {{0, 0, -99.8, 6915.9}, {kA4Width, kA4Height, 4860.8, -99.9}}},
        PlacementCase{"RotatedPageKeepsItsTurnWithoutAutoRotate",
                      {0, 0, kA4Width, kA4Height},
                      90,
                      A4Sheet(),
                      {0, false},
                      {{0, 0, -100, -100}, {kA4Width, 0, -100, 4860.6}, {0, kA4Height, 6915.7, -100}}},
        PlacementCase{"LetterCentredOnA4",
                      {0, 0, 612, 792},
                      0,
                      A4Sheet(),
                      kAutoRotateCenter,
                      {{306, 396, 2380.5, 3408}, {0, 396, 2380.5 - 2550, 3408}}},
        PlacementCase{
            "FitCentresOnThePrintableArea",
            {0, 0, 612, 792},
            0,
            A4Sheet(),
            {1, false},
            {{0, 396, 0, 3408}, {612, 396, 4761, 3408}, {306, 0, 2380.5, 3408 + 792 / 2.0 * 4761 / 612}}},
        PlacementCase{"FitWithAutoRotateCentresOnTheSheet",
                      {0, 0, 612, 792},
                      0,
                      A4Sheet(),
                      {1, true},
                      {{306, 396, 2380.5, 3408}, {0, 396, 0, 3408}}},
        PlacementCase{"ShrinkOnlyKeepsASmallPageItsSize",
                      {0, 0, 297.64, 419.53},
                      0,
                      A4Sheet(),
                      {2, false},
                      {{148.82, 209.76, 2380.5, 3408}, {0, 209.76, 2380.5 - 297.64 / 2 * 600 / 72, 3408}}},
        PlacementCase{"ShrinkOnlyShrinksALargePage",
                      {0, 0, 2 * 612, 2 * 792},
                      0,
                      A4Sheet(),
                      {2, false},
                      {{0, 792, 0, 3408}, {1224, 792, 4761, 3408}}},
        PlacementCase{"UnscaledWithoutAutoRotateHangsFromTheTopEdge",
                      {0, 0, 612, 792},
                      0,
                      A4Sheet(),
                      {0, false},
                      {{0, 792, -100, -100}, {612, 792, 5000, -100}}},
        PlacementCase{"OtherScalingCodesActAsNone",
                      {0, 0, 612, 792},
                      0,
                      A4Sheet(),
                      {7, false},
                      {{0, 792, -100, -100}, {612, 792, 5000, -100}}},
        PlacementCase{"EachAxisAtItsOwnResolution",
                      {0, 0, kA4Width, kA4Height},
                      0,
                      A4Sheet(300),
                      kAutoRotateCenter,
                      {{0, 0, -99.8, 3408 - 0.0}, {kA4Width, kA4Height, 4860.8, -99.9}}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

} // namespace
