#include "pdf/images/image_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kInch = 1.0 / 72; // user units per point with units in inches

// A box 2 x 2 inches whose top-left corner is at (72, 720) points.
FitImageRequest Request(double pixelWidth, double pixelHeight, int halign, int valign, int rotation) {
    FitImageRequest r;
    r.pixelWidth = pixelWidth;
    r.pixelHeight = pixelHeight;
    r.x = 72;
    r.y = 720;
    r.boxWidth = 2;
    r.boxHeight = 2;
    r.scale = kInch;
    r.horizontalAlign = halign;
    r.verticalAlign = valign;
    r.rotation = rotation;
    return r;
}

ImageMatrix Fit(const FitImageRequest& r) {
    ImageMatrix m;
    EXPECT_TRUE(FitImageMatrix(r, m));
    return m;
}

void ExpectMatrix(const ImageMatrix& m, double a, double b, double c, double d, double e, double f) {
    EXPECT_NEAR(m.a, a, 1e-9);
    EXPECT_NEAR(m.b, b, 1e-9);
    EXPECT_NEAR(m.c, c, 1e-9);
    EXPECT_NEAR(m.d, d, 1e-9);
    EXPECT_NEAR(m.e, e, 1e-9);
    EXPECT_NEAR(m.f, f, 1e-9);
}

// The page rectangle that the image's unit square covers.
struct Covered {
    double left, bottom, right, top;
};

Covered CoveredBy(const ImageMatrix& m) {
    double xs[4], ys[4];
    const double corners[4][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (int i = 0; i < 4; ++i) {
        xs[i] = m.a * corners[i][0] + m.c * corners[i][1] + m.e;
        ys[i] = m.b * corners[i][0] + m.d * corners[i][1] + m.f;
    }
    return {*std::min_element(xs, xs + 4), *std::min_element(ys, ys + 4), *std::max_element(xs, xs + 4),
            *std::max_element(ys, ys + 4)};
}

} // namespace

TEST(ImagePlacement, StretchedImageHangsFromItsTopLeftCorner) {
    ExpectMatrix(StretchedImageMatrix(10, 700, 100, 50), 100, 0, 0, 50, 10, 650);
}

TEST(ImagePlacement, WideImageCentredInASquareBox) {
    // 200 x 100 pixels into 2 x 2 inches, centred: 2 inches wide, 1 inch high, top 0.5 inch below the box's.
    ExpectMatrix(Fit(Request(200, 100, 1, 1, 0)), 144, 0, 0, 72, 72, 720 - 36 - 72);
}

TEST(ImagePlacement, EveryAlignment) {
    // Tall image: 1 inch of the 2 inch width is free.
    EXPECT_NEAR(Fit(Request(100, 200, 0, 0, 0)).e, 72, 1e-9);
    EXPECT_NEAR(Fit(Request(100, 200, 1, 0, 0)).e, 72 + 36, 1e-9);
    EXPECT_NEAR(Fit(Request(100, 200, 2, 0, 0)).e, 72 + 72, 1e-9);
    // Wide image: 1 inch of the 2 inch height is free; f is the image's bottom edge.
    EXPECT_NEAR(Fit(Request(200, 100, 0, 0, 0)).f, 720 - 72, 1e-9);
    EXPECT_NEAR(Fit(Request(200, 100, 0, 1, 0)).f, 720 - 36 - 72, 1e-9);
    EXPECT_NEAR(Fit(Request(200, 100, 0, 2, 0)).f, 720 - 144, 1e-9);
}

TEST(ImagePlacement, NonSquarePixelsWidenTheImage) {
    // 100 x 100 pixels at 300 x 600 per unit: as wide as 200 vertical pixels.
    FitImageRequest r = Request(100, 100, 0, 0, 0);
    r.xResolution = 300;
    r.yResolution = 600;
    ExpectMatrix(Fit(r), 144, 0, 0, 72, 72, 720 - 72);
    // Equal resolutions change nothing, and one missing resolution is ignored.
    r.xResolution = 600;
    ExpectMatrix(Fit(r), 144, 0, 0, 144, 72, 720 - 144);
    r.xResolution = 0;
    r.yResolution = 300;
    ExpectMatrix(Fit(r), 144, 0, 0, 144, 72, 720 - 144);
}

TEST(ImagePlacement, AbsurdResolutionRatioStaysFinite) {
    FitImageRequest r = Request(3, 100, 0, 0, 0);
    r.xResolution = 1e9;
    r.yResolution = 1;
    const ImageMatrix m = Fit(r);
    EXPECT_TRUE(std::isfinite(m.a) && std::isfinite(m.d));
    EXPECT_GT(m.a, 0);
}

TEST(ImagePlacement, TurnedImagesLandInsideTheBox) {
    for (int rotation = 0; rotation < 4; ++rotation) {
        for (int halign = 0; halign < 3; ++halign) {
            for (int valign = 0; valign < 3; ++valign) {
                const Covered c = CoveredBy(Fit(Request(200, 100, halign, valign, rotation)));
                EXPECT_GE(c.left, 72 - 1e-9) << rotation;
                EXPECT_LE(c.right, 72 + 144 + 1e-9) << rotation;
                EXPECT_GE(c.bottom, 720 - 144 - 1e-9) << rotation;
                EXPECT_LE(c.top, 720 + 1e-9) << rotation;
                // Turned by a quarter the image spans 1 x 2 inches, else 2 x 1.
                const bool turned = rotation == 1 || rotation == 2;
                EXPECT_NEAR(c.right - c.left, turned ? 72 : 144, 1e-9);
                EXPECT_NEAR(c.top - c.bottom, turned ? 144 : 72, 1e-9);
            }
        }
    }
}

TEST(ImagePlacement, RotationMatrices) {
    // 200 x 100 turned: 1 inch wide, 2 inches high; w = 144, h = 72 points.
    ExpectMatrix(Fit(Request(200, 100, 0, 0, 1)), 0, 144, -72, 0, 72 + 72, 720 - 144);
    ExpectMatrix(Fit(Request(200, 100, 0, 0, 2)), 0, -144, 72, 0, 72, 720);
    ExpectMatrix(Fit(Request(200, 100, 0, 0, 3)), -144, 0, 0, -72, 72 + 144, 720);
}

TEST(ImagePlacement, RotationNinetyPutsTheImageTopOnTheLeft) {
    // The image's top edge (v = 1) maps to the box's left side for 90 degrees, to the right for -90.
    const ImageMatrix ccw = Fit(Request(200, 100, 0, 0, 1));
    EXPECT_NEAR(ccw.c * 1 + ccw.e, 72, 1e-9);
    const ImageMatrix cw = Fit(Request(200, 100, 0, 0, 2));
    EXPECT_NEAR(cw.c * 1 + cw.e, 72 + 72, 1e-9);
    const ImageMatrix half = Fit(Request(200, 100, 0, 0, 3));
    EXPECT_NEAR(half.d * 1 + half.f, 720 - 72, 1e-9); // top edge at the bottom
}

TEST(ImagePlacement, CodesOutOfRangeAreRefused) {
    ImageMatrix m;
    EXPECT_FALSE(FitImageMatrix(Request(10, 10, 0, 0, 4), m));
    EXPECT_FALSE(FitImageMatrix(Request(10, 10, 0, 0, -1), m));
    EXPECT_FALSE(FitImageMatrix(Request(10, 10, 3, 0, 0), m));
    EXPECT_FALSE(FitImageMatrix(Request(10, 10, 0, 3, 0), m));
    EXPECT_FALSE(FitImageMatrix(Request(10, 10, -1, 0, 0), m));
}
