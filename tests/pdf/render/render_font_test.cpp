// Fonts as the renderer reads them: the standard font behind a base font name, and the character and
// width of each code for the encodings and width arrays that PDF files use.

#include <gtest/gtest.h>

#include "pdf/model/document.h"
#include "pdf/reader/parser.h"
#include "pdf/render/render_font.h"
#include "pdf/render/standard_font_names.h"
#include "pdf/text/standard_font_widths.h"

namespace {

std::string NearestName(const std::string& baseFont, int flags = 0) {
    return StandardFontMetrics[static_cast<std::size_t>(NearestStandardFontIndex(baseFont, flags))].baseFont;
}

struct AliasCase {
    const char* baseFont;
    const char* standard;
};

class FontAliases : public testing::TestWithParam<AliasCase> {};

TEST_P(FontAliases, NameTheirStandardFont) {
    EXPECT_EQ(NearestName(GetParam().baseFont), GetParam().standard);
    EXPECT_GE(StandardFontIndexOfAlias(GetParam().baseFont), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FontAliases,
    testing::Values(AliasCase{"Arial", "Helvetica"}, AliasCase{"ArialMT", "Helvetica"},
                    AliasCase{"Arial,Bold", "Helvetica-Bold"},
                    AliasCase{"Arial-ItalicMT", "Helvetica-Oblique"},
                    AliasCase{"Arial-BoldItalicMT", "Helvetica-BoldOblique"},
                    AliasCase{"Helvetica-Oblique", "Helvetica-Oblique"},
                    AliasCase{"ABCDEF+Helvetica-Bold", "Helvetica-Bold"},
                    AliasCase{"TimesNewRoman,Bold", "Times-Bold"},
                    AliasCase{"TimesNewRomanPSMT", "Times-Roman"},
                    AliasCase{"TimesNewRomanPS-BoldItalicMT", "Times-BoldItalic"},
                    AliasCase{"Times New Roman", "Times-Roman"}, AliasCase{"Times-Roman", "Times-Roman"},
                    AliasCase{"Times-Italic", "Times-Italic"}, AliasCase{"CourierNew", "Courier"},
                    AliasCase{"CourierNewPS-BoldMT", "Courier-Bold"},
                    AliasCase{"Courier-BoldOblique", "Courier-BoldOblique"}, AliasCase{"Symbol", "Symbol"},
                    AliasCase{"ZapfDingbats", "ZapfDingbats"}));

TEST(FontAliases, OtherFontsGetTheNearestStandardFont) {
    EXPECT_EQ(StandardFontIndexOfAlias("Verdana"), -1);
    EXPECT_EQ(NearestName("Verdana"), "Helvetica");
    EXPECT_EQ(NearestName("Georgia-Bold"), "Times-Bold");
    EXPECT_EQ(NearestName("DejaVuSansMono-Oblique"), "Courier-Oblique");
    EXPECT_EQ(NearestName("LiberationSerif"), "Times-Roman");
    EXPECT_EQ(NearestName("MicrosoftSansSerif"), "Helvetica");
    EXPECT_EQ(NearestName("F1", kFontFlagFixedPitch), "Courier");
    EXPECT_EQ(NearestName("F2", kFontFlagSerif | kFontFlagItalic), "Times-Italic");
    EXPECT_EQ(NearestName("F3", kFontFlagForceBold), "Helvetica-Bold");
}

// Reads a font dictionary written as PDF text and loads it.
class FontLoading : public testing::Test {
protected:
    RenderFont LoadFont(const std::string& text) {
        TPDFParser parser(document.structure, text);
        TPDFLexer lexer(text);
        return LoadRenderFont(document, AsDictionary(parser.ParseValue(lexer)));
    }
    TPDFDocument document;
};

TEST_F(FontLoading, EncodingsGiveCharactersAndStandardWidths) {
    const RenderFont win = LoadFont("<< /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    EXPECT_EQ(win.standardName, "Helvetica");
    EXPECT_EQ(win.unicode[0x80], U'\u20AC');
    EXPECT_EQ(win.ansi[0x80], 0x80);
    EXPECT_DOUBLE_EQ(win.widths['A'], 0.667);
    EXPECT_DOUBLE_EQ(win.widths[0xE9], 0.556); // eacute

    const RenderFont mac =
        LoadFont("<< /Subtype /Type1 /BaseFont /Times-Roman /Encoding /MacRomanEncoding >>");
    EXPECT_EQ(mac.unicode[0x8E], U'\u00E9'); // eacute
    EXPECT_EQ(mac.ansi[0x8E], 0xE9);
    EXPECT_DOUBLE_EQ(mac.widths[0x8E], 0.444);
    EXPECT_EQ(mac.unicode[0xDE], U'\uFB01'); // fi: no Windows-1252 byte, width of its own table
    EXPECT_EQ(mac.ansi[0xDE], 0);
    EXPECT_DOUBLE_EQ(mac.widths[0xDE], 0.556);

    // Without /Encoding a standard Latin font uses StandardEncoding: 0x27 is the right quote.
    const RenderFont standard = LoadFont("<< /Subtype /Type1 /BaseFont /Helvetica >>");
    EXPECT_EQ(standard.unicode[0x27], U'\u2019');
    EXPECT_EQ(standard.ansi[0x27], 0x92);
    EXPECT_DOUBLE_EQ(standard.widths[0x27], 0.222);
    EXPECT_DOUBLE_EQ(standard.widths[0xAE], 0.5); // fi
}

TEST_F(FontLoading, DifferencesReplaceNamesFromTheirCode) {
    const RenderFont font =
        LoadFont("<< /Subtype /Type1 /BaseFont /Courier /Encoding << /BaseEncoding "
                 "/WinAnsiEncoding /Differences [ 65 /Euro /uni00E8 /unknownglyph 300 /A ] >> >>");
    EXPECT_EQ(font.unicode['A'], U'\u20AC');
    EXPECT_EQ(font.ansi['A'], 0x80);
    EXPECT_EQ(font.unicode['B'], U'\u00E8');
    EXPECT_EQ(font.unicode['C'], 0u);
    EXPECT_DOUBLE_EQ(font.widths['C'], 0); // no glyph of that name
    EXPECT_EQ(font.unicode['D'], U'D');    // untouched
}

TEST_F(FontLoading, WidthsArrayWinsOverTheStandardTables) {
    const RenderFont font =
        LoadFont("<< /Subtype /TrueType /BaseFont /Arial /FirstChar 65 /Widths [ 700 650 ] "
                 "/FontDescriptor << /Flags 32 /MissingWidth 250 >> >>");
    EXPECT_EQ(font.standardName, "Helvetica");
    EXPECT_DOUBLE_EQ(font.widths['A'], 0.7);
    EXPECT_DOUBLE_EQ(font.widths['B'], 0.65);
    EXPECT_DOUBLE_EQ(font.widths['C'], 0.25);
    EXPECT_DOUBLE_EQ(font.widths['@'], 0.25);
    EXPECT_EQ(font.unicode['A'], U'A');
}

TEST_F(FontLoading, SymbolKeepsItsBuiltInCodes) {
    const RenderFont font = LoadFont("<< /Subtype /Type1 /BaseFont /Symbol >>");
    EXPECT_EQ(font.standardName, "Symbol");
    EXPECT_DOUBLE_EQ(font.widths['a'], StandardFontWidths[12]['a'] / 1000.0); // alpha
    EXPECT_GT(font.widths['a'], 0);
}

TEST_F(FontLoading, CompositeAndType3FontsAreNotDrawn) {
    EXPECT_FALSE(LoadFont("<< /Subtype /Type0 /BaseFont /Arial >>").drawable);
    const RenderFont type3 =
        LoadFont("<< /Subtype /Type3 /FontMatrix [ 0.01 0 0 0.01 0 0 ] /FirstChar 65 /Widths [ 50 ] >>");
    EXPECT_FALSE(type3.drawable);
    EXPECT_DOUBLE_EQ(type3.widths['A'], 0.5); // still moves the text position
}

} // namespace
