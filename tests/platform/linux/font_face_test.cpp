#include <gtest/gtest.h>

#include "platform/font_cp1252.h"
#include "platform/linux/font_face.h"

// "Courier New" and "Arial" resolve to the metric-compatible Liberation fonts.
TEST(FontFace, CourierNewHasTheMetricsOfItsMetricCompatibleFont) {
    FontCatalog catalog;
    const FontFace* font = catalog.face("Courier New", 0);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->unitsPerEm(), 2048);
    EXPECT_EQ(font->averageCharWidth(), 1229); // Courier New's average width
    EXPECT_EQ(font->advance('M'), 1229);       // monospaced
    EXPECT_EQ(font->advance('i'), 1229);
    EXPECT_EQ(font->textAdvance("ABC"), 3 * 1229);
    EXPECT_NE(font->glyphIndex(151), 0u); // the em dash exists
}

TEST(FontFace, ArialIsProportionalAndHasABoldFace) {
    FontCatalog catalog;
    const FontFace* regular = catalog.face("Arial", 0);
    const FontFace* bold = catalog.face("Arial", kFontBold);
    ASSERT_NE(regular, nullptr);
    ASSERT_NE(bold, nullptr);
    EXPECT_LT(regular->advance('i'), regular->advance('M'));
    EXPECT_GT(bold->averageCharWidth(), regular->averageCharWidth());
}

TEST(FontFace, CatalogKeepsOneFacePerFamilyAndStyle) {
    FontCatalog catalog;
    const FontFace* a = catalog.face("Arial", kFontBold | kFontItalic);
    EXPECT_NE(a, nullptr);
    EXPECT_EQ(catalog.face("Arial", kFontBold | kFontItalic), a);
    EXPECT_NE(catalog.face("Arial", 0), a);
}

// The standard PDF fonts come from the URW base35 set; a symbol font reads its own codes.
TEST(FontFace, StandardFontsAreTheInstalledUrwFonts) {
    FontCatalog catalog;
    const FontFace* times = catalog.standardFace("TimesNewRoman,Bold");
    const FontFace* courier = catalog.standardFace("Courier");
    const FontFace* symbol = catalog.standardFace("Symbol");
    ASSERT_NE(times, nullptr);
    ASSERT_NE(courier, nullptr);
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(times, catalog.face("Nimbus Roman", kFontBold));
    EXPECT_EQ(courier->advance('i'), courier->advance('M'));
    EXPECT_NE(symbol->glyphIndex('a'), 0u); // alpha
}

TEST(FontCp1252, MapsTheWindowsBytesToUnicode) {
    EXPECT_EQ(cp1252ToUnicode(0x41), U'A');
    EXPECT_EQ(cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(151), U'\u2014');
    EXPECT_EQ(cp1252ToUnicode(0xE8), U'\u00E8');
    EXPECT_EQ(cp1252ToUnicode(0x81), U'\uFFFD');
    EXPECT_EQ(cp1252ToUtf8("\xE8\x80"), "\xC3\xA8\xE2\x82\xAC");
}
