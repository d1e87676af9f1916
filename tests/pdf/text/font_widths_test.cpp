#include "pdf/text/standard_font_widths.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

// Indexes of the standard fonts.
constexpr int kCourier = 0;
constexpr int kHelvetica = 4;
constexpr int kHelveticaBold = 5;
constexpr int kTimesRoman = 8;
constexpr int kTimesBold = 9;
constexpr int kSymbol = 12;
constexpr int kZapfDingbats = 13;

// Codes that WinAnsiEncoding leaves without a glyph (besides the control codes).
bool WinAnsiUnassigned(int code) {
    return code == 127 || code == 129 || code == 141 || code == 143 || code == 144 || code == 157;
}

} // namespace

TEST(StandardFontWidths, MetricsFollowTheFixedTable) {
    const TStandardFontMetrics& times = StandardFontMetrics[kTimesRoman];
    EXPECT_EQ(std::string_view(times.baseFont), "Times-Roman");
    EXPECT_EQ(times.boxLeft, -168);
    EXPECT_EQ(times.boxBottom, -218);
    EXPECT_EQ(times.boxRight, 1000);
    EXPECT_EQ(times.boxTop, 898);
    EXPECT_EQ(times.ascent, 683);
    EXPECT_EQ(times.descent, -217);
    EXPECT_TRUE(times.winAnsiEncoded);
    const TStandardFontMetrics& zapf = StandardFontMetrics[kZapfDingbats];
    EXPECT_EQ(std::string_view(zapf.baseFont), "ZapfDingbats");
    EXPECT_FALSE(zapf.winAnsiEncoded);
    EXPECT_EQ(std::string_view(StandardFontMetrics[2].baseFont), "Courier-BoldOblique");
    EXPECT_EQ(std::string_view(StandardFontMetrics[11].baseFont), "Times-BoldItalic");
}

TEST(StandardFontWidths, RangesAreWinAnsiForLatinFontsAndBuiltInForSymbolFonts) {
    for (int font = 0; font < 12; ++font) {
        EXPECT_EQ(StandardFontMetrics[font].firstChar, 24) << font;
        EXPECT_EQ(StandardFontMetrics[font].lastChar, 255) << font;
    }
    for (int font : {kSymbol, kZapfDingbats}) {
        EXPECT_EQ(StandardFontMetrics[font].firstChar, 32);
        EXPECT_EQ(StandardFontMetrics[font].lastChar, 254);
        EXPECT_EQ(StandardFontWidths[font][255], 0);
    }
}

TEST(StandardFontWidths, LatinFontsHaveAGlyphForEveryAssignedWinAnsiCode) {
    for (int font = 0; font < 12; ++font) {
        for (int code = 0; code < 256; ++code) {
            const bool assigned = code >= 32 && !WinAnsiUnassigned(code);
            if (assigned) {
                EXPECT_GT(StandardFontWidths[font][code], 0) << "font " << font << " code " << code;
            } else {
                EXPECT_EQ(StandardFontWidths[font][code], 0) << "font " << font << " code " << code;
            }
        }
    }
}

TEST(StandardFontWidths, PublishedWidthsOfHelvetica) {
    const auto& w = StandardFontWidths[kHelvetica];
    EXPECT_EQ(w[' '], 278);
    EXPECT_EQ(w['A'], 667);
    EXPECT_EQ(w['a'], 556);
    EXPECT_EQ(w['i'], 222);
    EXPECT_EQ(w['m'], 833);
    EXPECT_EQ(w['W'], 944);
    EXPECT_EQ(w['\''], 191); // quotesingle in WinAnsiEncoding, not quoteright
    EXPECT_EQ(w['`'], 333);  // grave
    EXPECT_EQ(w[149], 350);  // bullet
    EXPECT_EQ(w[150], 556);  // endash
    EXPECT_EQ(w[151], 1000); // emdash
    EXPECT_EQ(w[160], 278);  // no-break space measured as space
    EXPECT_EQ(w[173], 333);  // hyphen
    EXPECT_EQ(w[192], 667);  // Agrave
    EXPECT_EQ(w[224], 556);  // agrave
    EXPECT_EQ(StandardFontWidths[kHelveticaBold]['A'], 722);
    EXPECT_EQ(StandardFontWidths[kHelveticaBold]['\''], 238);
}

TEST(StandardFontWidths, PublishedWidthsOfTimesAndCourier) {
    const auto& times = StandardFontWidths[kTimesRoman];
    EXPECT_EQ(times[' '], 250);
    EXPECT_EQ(times['A'], 722);
    EXPECT_EQ(times['a'], 444);
    EXPECT_EQ(times['f'], 333);
    EXPECT_EQ(times['W'], 944);
    EXPECT_EQ(times['\''], 180);
    EXPECT_EQ(times[160], 250);
    EXPECT_EQ(StandardFontWidths[kTimesBold]['a'], 500);
    EXPECT_EQ(StandardFontWidths[kTimesBold]['W'], 1000);
    for (int code = 32; code < 256; ++code) {
        if (!WinAnsiUnassigned(code)) {
            EXPECT_EQ(StandardFontWidths[kCourier][code], 600) << code;
        }
    }
}

TEST(StandardFontWidths, SymbolFontsUseTheirBuiltInEncodings) {
    const auto& symbol = StandardFontWidths[kSymbol];
    EXPECT_EQ(symbol[' '], 250);
    EXPECT_EQ(symbol['a'], 631); // alpha
    EXPECT_EQ(symbol['A'], 722); // Alpha
    EXPECT_EQ(symbol[160], 750); // Euro
    EXPECT_EQ(symbol[240], 790); // Apple logo
    EXPECT_EQ(symbol[128], 0);
    const auto& zapf = StandardFontWidths[kZapfDingbats];
    EXPECT_EQ(zapf[' '], 278);
    EXPECT_EQ(zapf['!'], 974); // a1
    EXPECT_EQ(zapf[128], 390); // a89
    EXPECT_EQ(zapf[160], 0);
}
