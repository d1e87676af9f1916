#include <gtest/gtest.h>

#include "pdf/text/font.h"
#include "pdf/text/standard_font_widths.h"
#include "pdf/toolkit.h"

namespace {

bool IsResourceName(const std::string& name) {
    if (name.size() != 13 || name.compare(0, 5, "RuvoF") != 0)
        return false;
    for (char c : name.substr(5))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return true;
}

TEST(StandardFonts, DictionariesOfAllFourteen) {
    const char* names[] = {"Courier",     "Courier-Bold",   "Courier-BoldOblique",   "Courier-Oblique",
                           "Helvetica",   "Helvetica-Bold", "Helvetica-BoldOblique", "Helvetica-Oblique",
                           "Times-Roman", "Times-Bold",     "Times-Italic",          "Times-BoldItalic",
                           "Symbol",      "ZapfDingbats"};
    TPDFToolkit toolkit;
    for (int index = 0; index < 14; ++index) {
        TPDFFont* font = toolkit.AddStandardFont(index);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->baseFont, names[index]);
        EXPECT_EQ(font->kind, 1);
        EXPECT_TRUE(IsResourceName(font->resourceName)) << font->resourceName;
        std::string expected =
            std::string("<<\n/Type /Font\n/Subtype /Type1\n/BaseFont /") + names[index] + "\n";
        if (index < 12)
            expected += "/Encoding /WinAnsiEncoding\n";
        expected += ">>\n";
        EXPECT_EQ(font->dictionary->ToText(), expected);
        // Registered after the five objects of the new document.
        EXPECT_EQ(font->reference.number, 6 + index);
        EXPECT_EQ(toolkit.SelectedFont(), font);
    }
    EXPECT_EQ(toolkit.AddStandardFont(14), nullptr);
    EXPECT_EQ(toolkit.AddStandardFont(-1), nullptr);
}

TEST(StandardFonts, EveryCallMakesNewResource) {
    TPDFToolkit toolkit;
    TPDFFont* a = toolkit.AddStandardFont(4);
    TPDFFont* b = toolkit.AddStandardFont(4);
    EXPECT_NE(a, b);
    EXPECT_NE(a->resourceName, b->resourceName);
    EXPECT_EQ(toolkit.SelectedDocument()->fonts.size(), 2u);
    EXPECT_EQ(toolkit.SelectedDocument()->resourceCounter, 2);
}

TEST(StandardFonts, MetricsRows) {
    TPDFToolkit toolkit;
    TPDFFont* courierBold = toolkit.AddStandardFont(1);
    EXPECT_EQ(courierBold->boxLeft, -113);
    EXPECT_EQ(courierBold->boxBottom, -250);
    EXPECT_EQ(courierBold->boxRight, 749);
    EXPECT_EQ(courierBold->boxTop, 801);
    EXPECT_EQ(courierBold->ascent, 626);
    EXPECT_EQ(courierBold->descent, -142);
    TPDFFont* times = toolkit.AddStandardFont(8);
    EXPECT_EQ(times->boxTop, 898);
    EXPECT_EQ(times->boxBottom, -218);
    EXPECT_EQ(times->ascent, 683);
    EXPECT_EQ(times->descent, -217);
    TPDFFont* zapf = toolkit.AddStandardFont(13);
    EXPECT_EQ(zapf->boxRight, 1090);
    EXPECT_EQ(zapf->boxTop, 1010);
}

TEST(StandardFonts, WidthRangesAndValues) {
    TPDFToolkit toolkit;
    TPDFFont* helvetica = toolkit.AddStandardFont(4);
    EXPECT_EQ(helvetica->firstChar, 24);
    EXPECT_EQ(helvetica->lastChar, 255);
    EXPECT_EQ(helvetica->widths.size(), 232u);
    EXPECT_EQ(helvetica->CodeWidth('A'), 667);
    EXPECT_EQ(helvetica->CodeWidth(' '), 278);
    EXPECT_EQ(helvetica->CodeWidth(160), 278);  // no-break space measured as the space
    EXPECT_EQ(helvetica->CodeWidth(0x80), 556); // euro
    EXPECT_EQ(helvetica->CodeWidth(0x81), 0);   // unassigned in WinAnsiEncoding
    EXPECT_EQ(helvetica->CodeWidth(24), 0);
    EXPECT_EQ(helvetica->CodeWidth(10), 0);
    TPDFFont* courier = toolkit.AddStandardFont(0);
    for (int code = 32; code < 127; ++code)
        EXPECT_EQ(courier->CodeWidth(static_cast<unsigned char>(code)), 600) << code;
    TPDFFont* times = toolkit.AddStandardFont(8);
    EXPECT_EQ(times->CodeWidth('R'), 667);
    EXPECT_EQ(times->CodeWidth('u'), 500);
    EXPECT_EQ(times->CodeWidth(0xE8), 444); // e grave
    TPDFFont* symbol = toolkit.AddStandardFont(12);
    EXPECT_EQ(symbol->firstChar, 32);
    EXPECT_EQ(symbol->lastChar, 254);
    EXPECT_EQ(symbol->CodeWidth('a'), 631); // alpha
    EXPECT_EQ(symbol->CodeWidth(255), 0);
    TPDFFont* zapf = toolkit.AddStandardFont(13);
    EXPECT_EQ(zapf->CodeWidth(' '), 278);
    EXPECT_EQ(zapf->CodeWidth('!'), 974);
}

TEST(StandardFonts, FilterDropsCodesWithoutGlyph) {
    TPDFToolkit toolkit;
    TPDFFont* helvetica = toolkit.AddStandardFont(4);
    EXPECT_EQ(helvetica->Filter("a\tb\x01\x81\x7F"
                                "c\xE8"),
              "abc\xE8");
    EXPECT_EQ(helvetica->Filter("\r\n\x02"), "");
    EXPECT_EQ(helvetica->TextWidthUnits("AA "), 667 * 2 + 278);
}

TEST(FontSelection, PageResourceEntry) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    TPDFFont* font = toolkit.AddStandardFont(8);
    std::string page = doc->pageTree.Page(1)->ToText();
    std::string entry = "/Font <<\n/" + font->resourceName + " 6 0 R\n>>\n";
    EXPECT_NE(page.find("/ProcSet [ /PDF /Text /ImageB /ImageC /ImageI ]\n" + entry), std::string::npos)
        << page;
    // Selecting again does not add a second entry.
    EXPECT_EQ(toolkit.SelectFont(font), 1);
    EXPECT_EQ(doc->pageTree.Page(1)->ToText(), page);
}

TEST(FontSelection, FontResourcesBehindReferenceAndWrongKind) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    TPDFDictionary* shared = doc->structure.NewDictionary();
    TPDFIndRef sharedRef = doc->Register(shared); // object 6
    TPDFDictionary* resources = AsDictionary(doc->pageTree.Page(1)->Get("Resources"));
    resources->Set("Font", doc->structure.NewIndRef(sharedRef.number));
    TPDFFont* font = toolkit.AddStandardFont(4);
    EXPECT_NE(AsIndRef(shared->Get(font->resourceName)), nullptr); // the reference was followed
    resources->Set("Font", doc->structure.NewNumeric(3));
    toolkit.SelectFont(font);
    ASSERT_NE(AsDictionary(resources->Get("Font")), nullptr); // a non-dictionary value is replaced
    EXPECT_EQ(AsIndRef(AsDictionary(resources->Get("Font"))->Get(font->resourceName))->number,
              font->reference.number);
}

TEST(FontSelection, PageInheritingResourcesKeepsThem) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    TPDFDictionary* page = doc->pageTree.Page(1);
    TPDFObject* inherited = page->Get("Resources");
    TPDFDictionary* pagesNode = doc->pageTree.rootNode;
    pagesNode->Set("Resources", inherited);
    page->Remove("Resources");
    TPDFFont* font = toolkit.AddStandardFont(8);
    TPDFDictionary* own = AsDictionary(page->Get("Resources"));
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own, inherited);
    EXPECT_NE(own->Get("ProcSet"), nullptr); // what the page inherited is still there
    EXPECT_NE(AsDictionary(own->Get("Font"))->Get(font->resourceName), nullptr);
}

TEST(FontSelection, FontOfAnotherDocumentRefused) {
    TPDFToolkit toolkit;
    TPDFFont* foreign = toolkit.AddStandardFont(0);
    toolkit.NewDocument();
    EXPECT_EQ(toolkit.SelectFont(foreign), 0);
    EXPECT_EQ(toolkit.SelectFont(nullptr), 0);
}

TEST(FontSelection, NewPageRegistersSelectedFontAtSizeTwelve) {
    TPDFToolkit toolkit;
    TPDFFont* font = toolkit.AddStandardFont(8);
    toolkit.SetTextSize(6);
    ASSERT_EQ(toolkit.NewPage(), 2);
    TPDFDocument* doc = toolkit.SelectedDocument();
    EXPECT_NE(doc->pageTree.Page(2)->ToText().find("/" + font->resourceName + " 6 0 R"), std::string::npos);
    EXPECT_DOUBLE_EQ(doc->pageTree.Painter().Size(), 12);
    EXPECT_EQ(doc->pageTree.Painter().Font(), font);
}

TEST(FontSelection, SelectPageKeepsTextSize) {
    TPDFToolkit toolkit;
    toolkit.AddStandardFont(8);
    toolkit.NewPage();
    toolkit.SetTextSize(9);
    toolkit.SelectPage(1);
    EXPECT_DOUBLE_EQ(toolkit.SelectedDocument()->pageTree.Painter().Size(), 9);
}

TEST(TextSize, AddsHelveticaWhenNoFontAndFixesNonPositiveSizes) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SetTextSize(0), 1);
    ASSERT_EQ(toolkit.SelectedDocument()->fonts.size(), 1u);
    EXPECT_EQ(toolkit.SelectedFont()->baseFont, "Helvetica");
    EXPECT_DOUBLE_EQ(toolkit.SelectedDocument()->pageTree.Painter().Size(), 1);
    EXPECT_EQ(toolkit.SetTextSize(-4), 1);
    EXPECT_DOUBLE_EQ(toolkit.SelectedDocument()->pageTree.Painter().Size(), 1);
    EXPECT_EQ(toolkit.SetTextSize(7.5), 1);
    EXPECT_DOUBLE_EQ(toolkit.SelectedDocument()->pageTree.Painter().Size(), 7.5);
}

TEST(TextHeight, TimesRomanSixPointsInInches) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.AddStandardFont(8);
    toolkit.SetTextSize(6);
    EXPECT_NEAR(toolkit.GetTextHeight(), 0.093, 1e-12);
}

TEST(TextHeight, DefaultHelveticaAtTwelvePoints) {
    TPDFToolkit toolkit;
    EXPECT_NEAR(toolkit.GetTextHeight(), (931 + 225) * 12 / 1000.0, 1e-12);
    EXPECT_EQ(toolkit.SelectedFont()->baseFont, "Helvetica");
}

TEST(TextAlign, CodesStoredOrLeft) {
    TPDFToolkit toolkit;
    TPDFPainter& painter = toolkit.SelectedDocument()->pageTree.Painter();
    for (int code : {1, 2, 3, 4, 5}) {
        EXPECT_EQ(toolkit.SetTextAlign(code), 1);
        EXPECT_EQ(painter.Align(), code);
    }
    for (int code : {0, 6, -1, 100}) {
        EXPECT_EQ(toolkit.SetTextAlign(code), 1);
        EXPECT_EQ(painter.Align(), 0);
    }
}

} // namespace
