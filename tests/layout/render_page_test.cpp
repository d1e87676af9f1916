#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "docdata/issuer_data.h"
#include "layout/render_support.h"

using namespace render_test;

namespace {

// Black pixels in a device rectangle.
long ink(const MonoBitmap& page, int x0, int y0, int x1, int y1) {
    return page.countBlack(x0, y0, x1, y1);
}

} // namespace

TEST(RenderPageOutput, FormStreamIsAOneBitWindowsBitmapOfThePageWithItsMargins) {
    RenderedDocument doc("fattura.txt");
    const MonoBitmap page = doc.renderFirstPage();
    const std::string& bmp = doc.engine.formStream;
    ASSERT_GT(bmp.size(), 62u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 1); // bits per pixel
    EXPECT_EQ(page.width(), 2 * kMargin + kWidth);
    EXPECT_EQ(page.height(), kPageHeight);
    // The margins left and right of the page stay white.
    EXPECT_EQ(ink(page, 0, 0, kMargin, kPageHeight), 0);
    EXPECT_EQ(ink(page, kMargin + kWidth + 1, 0, page.width(), kPageHeight), 0);
}

TEST(RenderPageBoxes, BodyFrameEdgesAreBlackLinesOnTheGrid) {
    RenderedDocument doc("fattura.txt");
    const MonoBitmap page = doc.renderFirstPage();
    const TStampaDocumentoBase& e = doc.engine;
    const int top = devY(doc.rowTop(e.BodyTop - 1));
    const int bottom = devY(doc.rowTop(e.BodyTop + e.BodyRows) + 20);
    const int left = devX(0);
    const int right = devX(RenderedDocument::columnLeft(134, kCompressed)); // column 133, right edge
    EXPECT_EQ(right, kMargin + kWidth);
    EXPECT_TRUE(verticalLine(page, left, top, bottom));
    EXPECT_TRUE(verticalLine(page, right, top, bottom));
    EXPECT_TRUE(horizontalLine(page, top, left, right));
    EXPECT_TRUE(horizontalLine(page, bottom, left, right));
    // The rule under the caption band, half a row lower.
    EXPECT_TRUE(horizontalLine(page, devY(doc.rowTop(e.BodyTop) + 10), left, right));
}

TEST(RenderPageBoxes, HeaderBoxesUseTheHeaderColumnOffsetAndInsetAnchors) {
    RenderedDocument doc("fattura.txt");
    const MonoBitmap page = doc.renderFirstPage();
    const int H = doc.engine.HeaderTop;
    // Document box (36,H,13)-(61,H+2,10) with column offset 3: grid columns 40 and 65, so x from the
    // right edge of grid column 40 less a quarter cell (40 x 134 - 33) to the left edge of grid column 65
    // (64 x 134); y from the top row's bottom less 5 to the third row's top plus 5.
    const int left = devX(134 * 40 - 33);
    const int right = devX(134 * 64);
    const int top = devY(doc.rowTop(H) + 20 - 5);
    const int bottom = devY(doc.rowTop(H + 2) + 5);
    EXPECT_TRUE(verticalLine(page, left, top, bottom));
    EXPECT_TRUE(verticalLine(page, right, top, bottom));
    EXPECT_TRUE(horizontalLine(page, top, left, right));
    EXPECT_TRUE(horizontalLine(page, bottom, left, right));
}

TEST(RenderPageShading, CustomerFrameCarriesTheHalftoneAndItsOutlines) {
    RenderedDocument doc("fattura.txt");
    const MonoBitmap page = doc.renderFirstPage();
    const int H = doc.engine.HeaderTop;
    // The frame's top band (36,H+11,13)-(77,H+12,12) spans x 5327..10720 and one row from y - 5.
    const int x0 = devX(5400);
    const int x1 = devX(10600);
    const int y0 = devY(doc.rowTop(H + 11) + 20 - 5) + 3;
    const int y1 = devY(doc.rowTop(H + 12) + 20 - 5) - 3;
    const long area = static_cast<long>(x1 - x0) * (y1 - y0);
    EXPECT_GE(ink(page, x0, y0, x1, y1), area / 10);
    EXPECT_LE(ink(page, x0, y0, x1, y1), area * 15 / 100);
}

TEST(RenderPageShading, HalftoneOffLeavesTheShadedAreasWhiteButKeepsTheOutlines) {
    RenderedDocument doc("fattura.txt");
    doc.engine.halftone = false;
    const MonoBitmap page = doc.renderFirstPage();
    const TStampaDocumentoBase& e = doc.engine;
    const int H = e.HeaderTop;
    const int x0 = devX(5400);
    const int x1 = devX(10600);
    EXPECT_EQ(ink(page, x0, devY(doc.rowTop(H + 11) + 15) + 3, x1, devY(doc.rowTop(H + 12) + 15) - 3), 0);
    EXPECT_TRUE(horizontalLine(page, devY(doc.rowTop(H + 11) + 15), devX(5327), devX(10720)));
    // The caption band of the body is white too: its upper part, above the captions, has no ink.
    const int bandTop = devY(doc.rowTop(e.BodyTop - 1)) + 2;
    const int captionsTop = devY(doc.rowTop(e.BodyTop - 1) + 5);
    EXPECT_EQ(ink(page, kMargin + 2, bandTop, kMargin + kWidth - 2, captionsTop), 0);
    EXPECT_TRUE(horizontalLine(page, devY(doc.rowTop(e.BodyTop - 1)), devX(0), devX(10720)));
}

TEST(RenderPageTotals, APricedDocumentHasTotalsBoxes) {
    RenderedDocument doc("fattura.txt");
    const MonoBitmap page = doc.renderFirstPage();
    const int S = doc.engine.TotalsTop;
    // Right edge of the first totals box: (21,S+1,3) in normal pitch, x = 22 x 134.
    EXPECT_TRUE(verticalLine(page, devX(134 * 22), devY(doc.rowTop(S + 1)), devY(doc.rowTop(S + 6))));
    // Left edge of the last box: (58,S+1,2), x = 58 x 134 + 67.
    EXPECT_TRUE(verticalLine(page, devX(134 * 58 + 67), devY(doc.rowTop(S + 1)), devY(doc.rowTop(S + 6))));
}

TEST(RenderPageTotals, AnUnpricedDocumentHasNoTotalsBoxesNorCaptions) {
    RenderedDocument doc("fattura.txt");
    doc.record.PriceKind = 1;
    doc.engine.loadDocument(doc.record, 1);
    ASSERT_FALSE(doc.engine.isPricedDocument());
    const MonoBitmap page = doc.renderFirstPage();
    const TStampaDocumentoBase& e = doc.engine;
    // Below the body frame nothing is drawn, down to the footer zone.
    const int below = devY(doc.rowTop(e.BodyTop + e.BodyRows) + 20) + 2;
    EXPECT_EQ(ink(page, 0, below, page.width(), devY(doc.rowTop(e.BodyTop + e.BodyRows + 6))), 0);
}

TEST(RenderPageTransport, TransportBoxesAppearOnlyWithTheirLayouts) {
    for (const std::string kind : {"P", "N"}) {
        RenderedDocument doc("fattura.txt");
        doc.record.DocKind = 4;
        doc.engine.loadDocument(doc.record, 1);
        doc.engine.layoutKind = kind;
        const MonoBitmap page = doc.renderFirstPage();
        const int T = doc.engine.TransportTop;
        // The "reason" box starts at (16,T,1): x = 16 x 134, from row T to row T + 2.
        const bool line =
            verticalLine(page, devX(134 * 16), devY(doc.rowTop(T)) + 1, devY(doc.rowTop(T + 2)));
        EXPECT_EQ(line, kind == "P") << "layout " << kind;
    }
}

TEST(RenderPageLetterhead, ALongIssuerNameShrinksToFitThirtyTwoCells) {
    RenderedDocument doc("fattura.txt");
    IssuerData.Name1 = "COMMERCIALE FERRAMENTA E UTENSILERIA LOMBARDO-VENETA S.R.L.";
    const MonoBitmap page = doc.renderFirstPage();
    const int H = doc.engine.HeaderTop;
    const int y0 = devY(doc.rowTop(H + 1));
    const int y1 = devY(doc.rowTop(H + 1) + 20);
    // The text box spans columns 2 to 33 (x 268..4556); the letterhead box's right edge is at 4690.
    EXPECT_EQ(ink(page, devX(4556) + 2, y0, devX(4690) - 2, y1), 0);
    EXPECT_GT(ink(page, devX(3900), y0, devX(4556), y1), 0); // the name reaches the box's end
    EXPECT_GT(ink(page, devX(268), y0, devX(700), y1), 0);
}

TEST(RenderPageFooter, FooterTextFollowsTheAlignmentSetting) {
    struct Case {
        int setting;
        int third; // 0 left, 1 centre, 2 right, -1 no footer
    };
    for (const Case c : {Case{0, 0}, Case{2, 1}, Case{1, 2}, Case{7, -1}}) {
        RenderedDocument doc("fattura.txt");
        doc.engine.footerText1 = "PIEDE";
        doc.engine.footerAlignment = static_cast<std::uint8_t>(c.setting);
        const MonoBitmap page = doc.renderFirstPage();
        // The footer block starts at the bottom of row FooterTop and spans 80 normal cells.
        const int y0 = devY(doc.rowTop(doc.engine.FooterTop) + 20);
        const int y1 = devY(doc.rowTop(doc.engine.FooterTop) + 40);
        long thirds[3];
        for (int t = 0; t < 3; ++t) {
            thirds[t] = ink(page, devX(10720 * t / 3) + 2, y0 + 1, devX(10720 * (t + 1) / 3) - 2, y1);
        }
        for (int t = 0; t < 3; ++t) {
            EXPECT_EQ(thirds[t] > 0, t == c.third) << "setting " << c.setting << " third " << t;
        }
    }
}

TEST(RenderPageTotals, VatAndDueCaptionsFollowTheirSwitches) {
    for (const bool shown : {true, false}) {
        RenderedDocument doc("fattura.txt");
        MonoBitmap page;
        doc.engine.ComposePages(kRows, doc.params.ColumnHeadings, [&] {
            // With five VAT rows the totals box uses the caption row and clears these switches.
            doc.engine.ShowVatCaptions = shown;
            doc.engine.ShowDueCaptions = shown;
            doc.engine.RenderPage(kRows, kWidth, kMargin, kPageHeight);
            page = MonoBitmap::fromBmp(doc.engine.formStream).value_or(MonoBitmap());
            return false;
        });
        ASSERT_FALSE(page.empty());
        const int S = doc.engine.TotalsTop;
        const int y0 = devY(doc.rowTop(S + 1)) + 2;
        const int y1 = devY(doc.rowTop(S + 1) + 20) - 2;
        // "COD IVA" ... "IMPOSTA" inside the second box (columns 23 to 57), "SCADENZA" in the first.
        const long vatInk = ink(page, devX(134 * 24), y0, devX(134 * 57), y1);
        const long dueInk = ink(page, devX(134 * 1), y0, devX(134 * 21), y1);
        EXPECT_EQ(vatInk > 0, shown);
        EXPECT_EQ(dueInk > 0, shown);
    }
}

TEST(RenderPageLetterhead, EqualVatNumberAndFiscalCodeGiveOneLine) {
    // The longer name line needs a scale of at most 100 % to fit 32 cells, so both name lines fit a row
    // (e = 2): the tax lines are rows H + 7 and H + 8, their labels in columns 2 to 13 (x 268..1876).
    for (const bool equal : {true, false}) {
        RenderedDocument doc("fattura.txt");
        IssuerData.FiscalCode = equal ? IssuerData.VatNumber : "RSSMRA80A01F205X";
        const MonoBitmap page = doc.renderFirstPage();
        const int H = doc.engine.HeaderTop;
        const auto rowInk = [&](int row) {
            return ink(page, devX(268), devY(doc.rowTop(row)) + 1, devX(1876),
                       devY(doc.rowTop(row) + 20) - 1);
        };
        EXPECT_GT(rowInk(H + 7), 0) << "equal " << equal;
        EXPECT_EQ(rowInk(H + 8) > 0, !equal) << "equal " << equal;
    }
}

TEST(RenderPageLetterhead, ShortNamesAtFullSizePushTheAddressHalfARowLower) {
    RenderedDocument doc("fattura.txt");
    IssuerData.Name1 = "ROSSI";
    IssuerData.Name2 = "SRL";
    const MonoBitmap page = doc.renderFirstPage();
    const int H = doc.engine.HeaderTop;
    const auto rowInk = [&](int row) {
        return ink(page, devX(268), devY(doc.rowTop(row)) + 1, devX(1876), devY(doc.rowTop(row) + 20) - 1);
    };
    // At 180 % the name line is 36 units high and ends 28 units below the box top, beyond one row: the
    // second name moves half a row down and the address one row (e = 3); the single tax line is row H + 8.
    EXPECT_EQ(rowInk(H + 7), 0);
    EXPECT_GT(rowInk(H + 8), 0);
    EXPECT_EQ(rowInk(H + 9), 0);
}

TEST(RenderPageOutput, ACanvasThatCannotBeginThePageFailsThePage) {
    // No width, no height, no rows beyond what the canvas can map: no page picture, and no success.
    for (const auto& [rows, width, height] :
         {std::tuple{kRows, 0, kPageHeight}, std::tuple{kRows, kWidth, -1},
          std::tuple{1 << 30, kWidth, kPageHeight}}) {
        RenderedDocument doc("fattura.txt");
        bool rendered = true;
        doc.engine.ComposePages(kRows, doc.params.ColumnHeadings, [&] {
            rendered = doc.engine.RenderPage(rows, width, kMargin, height);
            return false;
        });
        EXPECT_FALSE(rendered) << rows << " rows, " << width << " x " << height;
    }
}
