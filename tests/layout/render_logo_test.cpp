#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "layout/render_page.h"
#include "layout/render_support.h"
#include "platform/jpeg_writer.h"
#include "platform/rgb_page_image.h"
#include "support/process_id.h"

using namespace render_test;

namespace {

std::string tempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("stampadoc-render-" + std::to_string(CurrentProcessId()) + "-" + name))
        .string();
}

} // namespace

// Page 4660 x 7015 with 72 rows: wmax = 4660 / 80 x 35 = 2030, hmax = 7015 / 72 x 18 = 1746.
TEST(LogoFrame, ALogoTwiceAsWideAsHighGetsTheFullWidthAndHalfThatHeight) {
    EXPECT_EQ(ComputeLogoFrame(120, 94, 4660, 7015, 72, 200, 100),
              (TLogoFrame{120, 94, 120 + 2030, 94 + 1015}));
}

TEST(LogoFrame, APortraitLogoGetsTheFullHeight) {
    // 100 x 300: height 1746, width round(1746 / 3) = 582.
    EXPECT_EQ(ComputeLogoFrame(0, 0, 4660, 7015, 72, 100, 300), (TLogoFrame{0, 0, 582, 1746}));
}

TEST(LogoFrame, ANearlySquareLogoIsLimitedByTheHeight) {
    // 100 x 99: width 2030 gives height round(2030 x 0.99) = 2010 > 1746, so height 1746 and
    // width round(2030 x 1746 / 2010) = 1763.
    EXPECT_EQ(ComputeLogoFrame(0, 0, 4660, 7015, 72, 100, 99), (TLogoFrame{0, 0, 1763, 1746}));
}

TEST(LogoFrame, APortraitLogoOnANarrowPageIsLimitedByTheWidth) {
    // wmax = 1600 / 80 x 35 = 700, hmax = 7200 / 72 x 18 = 1800; 90 x 100 gives width 1620 > 700,
    // so width 700 and height round(700 x 1800 / 1620) = 778.
    EXPECT_EQ(ComputeLogoFrame(0, 0, 1600, 7200, 72, 90, 100), (TLogoFrame{0, 0, 700, 778}));
}

TEST(LogoFrame, NoSizeGivesAnEmptyBox) {
    EXPECT_EQ(ComputeLogoFrame(10, 10, 4660, 7015, 72, 0, 100), TLogoFrame{});
    EXPECT_EQ(ComputeLogoFrame(10, 10, 4660, 7015, 0, 100, 100), TLogoFrame{});
}

TEST(RenderPageLogo, PdfOutputStoresTheLogoBoxBelowTheReservedRows) {
    const std::string logo = tempFile("wide.jpg");
    ASSERT_TRUE(writeSolidJpeg(logo, 200, 100, 200, 0, 0));
    RenderedDocument doc("fattura.txt");
    doc.engine.printLogo = true;
    doc.engine.logoFile = logo;
    doc.renderFirstPage();
    // Top: 7015 / 74 = 94 units per row, times (topRows + 1) = 1.
    EXPECT_EQ(doc.engine.logoFrame, (TLogoFrame{kMargin, 94, kMargin + 2030, 94 + 1015}));
    std::filesystem::remove(logo);
}

TEST(RenderPageLogo, NoLogoFileMeansNoLogoBox) {
    RenderedDocument doc("fattura.txt");
    doc.engine.printLogo = true;
    doc.engine.logoFile = tempFile("missing.jpg");
    doc.renderFirstPage();
    EXPECT_EQ(doc.engine.logoFrame, TLogoFrame{});
}

TEST(RenderPageLogo, MissingLogoWithOptionsShowsAShadedPlaceholderInsteadOfTheLetterhead) {
    RenderedDocument doc("fattura.txt");
    doc.engine.printLogo = true;
    doc.engine.logoFile = tempFile("missing.jpg");
    doc.engine.option92 = true;
    doc.engine.optionP = true;
    const MonoBitmap page = doc.renderFirstPage();
    const int H = doc.engine.HeaderTop;
    // The placeholder (0,H,1)-(35,H+17,9): x 0..4824, 18 rows from row H.
    const int x0 = devX(200);
    const int x1 = devX(4600);
    const int y0 = devY(doc.rowTop(H)) + 3;
    const int y1 = devY(doc.rowTop(H + 17) + 20) - 3;
    const long area = static_cast<long>(x1 - x0) * (y1 - y0);
    const long black = page.countBlack(x0, y0, x1, y1);
    EXPECT_GE(black, area / 10);
    EXPECT_LE(black, area * 15 / 100); // only the pattern: no letterhead text on it
    EXPECT_TRUE(verticalLine(page, devX(134 * 36), devY(doc.rowTop(H)), devY(doc.rowTop(H + 17) + 20)));
}

TEST(RenderPageLogo, MissingLogoWithoutTheOptionsFallsBackToTheLetterheadText) {
    RenderedDocument doc("fattura.txt");
    doc.engine.printLogo = true;
    doc.engine.logoFile = tempFile("missing.jpg");
    const MonoBitmap page = doc.renderFirstPage();
    const int H = doc.engine.HeaderTop;
    // The issuer's name on row H + 1, from column 2.
    EXPECT_GT(page.countBlack(devX(268), devY(doc.rowTop(H + 1)), devX(2000), devY(doc.rowTop(H + 1) + 20)),
              100);
}

TEST(RenderPageLogo, PrinterOutputStretchesTheJpegIntoItsBox) {
    const std::string logo = tempFile("printer.jpg");
    ASSERT_TRUE(writeSolidJpeg(logo, 200, 100, 220, 10, 10));
    RenderedDocument doc("fattura.txt");
    doc.engine.pdfOutput = false;
    doc.engine.printLogo = true;
    doc.engine.logoFile = logo;
    // A small printer page: 1000 x 1400 device units with margin 20, 120 dots per inch.
    RgbPageImage page(1040, 1400);
    doc.engine.printerCanvas = {&page, 120, 0};
    doc.engine.ComposePages(kRows, doc.params.ColumnHeadings, [&] {
        doc.engine.RenderPage(kRows, 1000, 20, 1400);
        return false;
    });
    // wmax = 1000 / 80 x 35 = 420, hmax = 1400 / 72 x 18 = 342: box 420 x 210 at (20, 120 / 6 = 20).
    const auto red = [&](int x, int y) {
        const DrawColor p = page.pixel(x, y);
        return (p & 0xFF) > 180 && ((p >> 8) & 0xFF) < 80;
    };
    EXPECT_TRUE(red(230, 125));
    EXPECT_TRUE(red(438, 228));
    EXPECT_FALSE(red(445, 125));
    EXPECT_FALSE(red(230, 235));
    std::filesystem::remove(logo);
}
