#include "engine_fixture.h"

#include "layout/composition_error.h"

namespace {

// Column ranges of the 132-column layout.
constexpr int kQuantity = 86, kQuantityEnd = 94;
constexpr int kPrice = 95, kPriceEnd = 106;
constexpr int kDiscount = 108, kDiscountEnd = 113;
constexpr int kAmount = 114, kAmountEnd = 126;

} // namespace

TEST_F(EngineTest, DecimalsIn) {
    EXPECT_EQ(engine.DecimalsIn("12,345"), 3);
    EXPECT_EQ(engine.DecimalsIn("12"), 0);
    EXPECT_EQ(engine.DecimalsIn("12,"), 0);
    EXPECT_EQ(engine.DecimalsIn("1.234,5"), 1);
}

TEST_F(EngineTest, PadDecimalsAddsMissingZeros) {
    EXPECT_EQ(engine.PadDecimals("        12,5"), "       12,50");
    EXPECT_EQ(engine.PadDecimals("          12"), "       12,00");
    EXPECT_EQ(engine.PadDecimals("   12"), "12,00");
}

TEST_F(EngineTest, PadDecimalsKeepsTextWithoutRoom) {
    EXPECT_EQ(engine.PadDecimals("12,5"), "12,5");
    EXPECT_EQ(engine.PadDecimals("  12"), "  12");
    EXPECT_EQ(engine.PadDecimals("  TROPPOGRAN"), "  TROPPOGRAN");
}

TEST_F(EngineTest, PadDecimalsLeavesEnoughDecimalsUnchanged) {
    EXPECT_EQ(engine.PadDecimals("  1,234 "), "  1,234 ");
    engine.document.DocCurrencyDecimals = 0;
    EXPECT_EQ(engine.PadDecimals("     5"), "     5");
}

TEST_F(EngineTest, PadDecimalsTakesBaseDecimalsWithoutDocumentCurrency) {
    engine.document.DocCurrency = "";
    engine.document.DocCurrencyDecimals = 0;
    engine.document.BaseCurrencyDecimals = 3;
    EXPECT_EQ(engine.PadDecimals("   1,5"), " 1,500");
}

TEST_F(EngineTest, ArticleRowIn132Columns) {
    const int i = addLine("ART1", "VITI INOX", "2", "12,5", 2500, "22", "");
    engine.document.Lines.Line(i)->Unit = "PZ";
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, 1, 15), "ART1           ");
    EXPECT_EQ(columns(30, 16, 24), "VITI INOX");
    EXPECT_EQ(columns(30, 83, 84), "PZ");
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), "       2 ");
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "       12,50");
    EXPECT_EQ(columns(30, kDiscount, kDiscountEnd), "      ");
    EXPECT_EQ(columns(30, kAmount, kAmountEnd), "        25,00");
    EXPECT_EQ(columns(30, 127, 131), "  22 ");
    EXPECT_TRUE(engine.page->rowSecondPitch(30));
}

TEST_F(EngineTest, Option93KeepsThePriceUnpadded) {
    engine.option93 = true;
    const int i = addLine("ART1", "X", "1", "12,5", 1250, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "        12,5");
}

TEST_F(EngineTest, FourCharacterVatCodeStartsOneColumnLeft) {
    const int i = addLine("ART1", "X", "1", "1", 100, "22AB");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, 127, 132), " 22AB ");
}

TEST_F(EngineTest, LongPriceFallsBackToUngroupedText) {
    const int i = addLine("ART1", "X", "1", "1234567,5", 100, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "  1234567,50");
}

TEST_F(EngineTest, PriceTooLargeShowsTheOverflowWord) {
    const int i = addLine("ART1", "X", "1", "123456789,123", 100, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "  TROPPOGRAN");
}

TEST_F(EngineTest, QuantityOfOneHidesQuantityAndPrice) {
    engine.layoutFlag2 = true;
    const int i = addLine("ART1", "X", "1", "10", 1000, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kPriceEnd), std::string(21, ' '));
    EXPECT_EQ(columns(30, kAmount, kAmountEnd), "        10,00");
}

TEST_F(EngineTest, QuantityOfOneWithShownDiscountKeepsThePrice) {
    engine.layoutFlag2 = true;
    const int i = addLine("ART1", "X", "1", "10", 900, "22", "10");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), std::string(9, ' '));
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "       10,00");
    EXPECT_EQ(columns(30, kDiscount, kDiscountEnd), "    10");
}

TEST_F(EngineTest, QuantityOfOneWithHiddenDiscountsHidesThePrice) {
    engine.layoutFlag2 = true;
    engine.document.AltPriceMode = 1; // flag position 5 was not 1
    const int i = addLine("ART1", "X", "1", "10", 900, "22", "10");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kDiscountEnd), std::string(28, ' '));
}

TEST_F(EngineTest, LayoutFlag2DoesNothingOnKindB) {
    engine.layoutFlag2 = true;
    engine.document.DocKind = 5;
    engine.document.PriceKind = 2;
    const int i = addLine("ART1", "X", "1", "10", 900, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), "       1 ");
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "       10,00");
}

TEST_F(EngineTest, ZeroPriceLineShowsNoValues) {
    engine.layoutFlag1 = true;
    const int i = addLine("ART1", "OMAGGIO", "3", "0", 0, "22", "5");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), "       3 ");
    EXPECT_EQ(columns(30, kPrice, 132), std::string(38, ' '));
}

TEST_F(EngineTest, ZeroQuantityLineHidesTheQuantityToo) {
    engine.layoutFlag1 = true;
    const int i = addLine("", "SOLO TESTO", "0", "", 0, "");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, 1, 15), std::string(15, ' '));
    EXPECT_EQ(columns(30, 16, 25), "SOLO TESTO");
    EXPECT_EQ(columns(30, 26, 132), std::string(107, ' '));
}

TEST_F(EngineTest, StarLineShowsThePercentQuantity) {
    const int i = addLine("*", "PROVVIGIONE", "50", "2", 100, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, 1, 15), std::string(15, ' '));
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), "     50% ");
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "        2,00");
    EXPECT_EQ(columns(30, kDiscount, kDiscountEnd), "      "); // discounts of article and free lines only
}

TEST_F(EngineTest, PercentLineShowsDescriptionDiscountAndAmount) {
    const int i = addLine("%", "SCONTO CASSA", "7", "NOT A NUMBER", -500, "22", "5");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, 16, 27), "SCONTO CASSA");
    EXPECT_EQ(columns(30, kQuantity, kPriceEnd), std::string(21, ' '));
    EXPECT_EQ(columns(30, kDiscount, kDiscountEnd), "     5");
    EXPECT_EQ(columns(30, kAmount, kAmountEnd), "        -5,00");
    EXPECT_EQ(columns(30, 127, 132), std::string(6, ' '));
}

TEST_F(EngineTest, AltPriceReplacesThePriceOfADiscountedLine) {
    engine.document.AltPriceMode = 1;
    const int i = addLine("ART1", "X", "2", "10", 1800, "22", "10");
    engine.document.Lines.Line(i)->AltPrice = "9";
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "        9,00");
    EXPECT_EQ(columns(30, kDiscount, kDiscountEnd), "      ");
}

TEST_F(EngineTest, BlankPricesReadAsZero) {
    engine.document.AltPriceMode = 1;
    const int i = addLine("ART1", "X", "2", "   ", 0, "22", "10");
    EXPECT_NO_THROW(engine.PrintArticleRow(30, i));
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "        0,00");
}

TEST_F(EngineTest, PriceThatIsNotANumberStopsTheComposition) {
    const int i = addLine("ART1", "X", "2", "12A", 0, "22");
    EXPECT_THROW(engine.PrintArticleRow(30, i), ECompositionError);
    engine.document.AltPriceMode = 1;
    const int j = addLine("ART1", "X", "2", "1", 0, "22", "5");
    engine.document.Lines.Line(j)->AltPrice = "X";
    EXPECT_THROW(engine.PrintArticleRow(31, j), ECompositionError);
}

TEST_F(EngineTest, QuantityThatIsNotANumberCountsAsZero) {
    const int i = addLine("ART1", "X", "ABC", "1", 0, "22");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), "       0 ");
}

TEST_F(EngineTest, NonPricedDocumentShowsNoAmountOrVat) {
    engine.document.DocKind = 4;
    engine.document.PriceKind = 1;
    const int i = addLine("ART1", "X", "2", "10", 2000, "22", "5");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kQuantity, kQuantityEnd), "       2 ");
    EXPECT_EQ(columns(30, kPrice, 132), std::string(38, ' '));
}

TEST_F(EngineTest, KindBWithPricesShowsTheDiscountOnly) {
    engine.document.DocKind = 5;
    engine.document.PriceKind = 2;
    const int i = addLine("ART1", "X", "2", "10", 2000, "22", "5");
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, kPrice, kPriceEnd), "       10,00");
    EXPECT_EQ(columns(30, kDiscount, kDiscountEnd), "     5");
    EXPECT_EQ(columns(30, kAmount, 132), std::string(19, ' '));
}

TEST_F(EngineTest, EightyColumnRow) {
    engine.option94 = true;
    const int i = addLine("ARTICOLO1", "DESCRIZIONE MOLTO LUNGA DA TAGLIARE", "2", "12,5", 2500, "22", "");
    engine.document.Lines.Line(i)->Unit = "PZ";
    engine.PrintArticleRow(30, i);
    EXPECT_EQ(columns(30, 1, 7), "ARTICOL"); // the code runs on and the description overwrites it
    EXPECT_EQ(columns(30, 8, 33), "DESCRIZIONE MOLTO LUNGA DA");
    EXPECT_EQ(columns(30, 35, 36), "PZ");
    EXPECT_EQ(columns(30, 37, 44), "       2");
    EXPECT_EQ(columns(30, 45, 55), "      12,50");
    EXPECT_EQ(columns(30, 64, 74), "      25,00");
    EXPECT_EQ(columns(30, 75, 79), " 22  ");
    EXPECT_FALSE(engine.page->rowSecondPitch(30));
}

TEST_F(EngineTest, OtherLineKindsPrintDescriptionsOnly) {
    const int dash = addLine("-", "IGNORED");
    const int comment =
        addLine(":", "A COMMENT THAT IS LONGER THAN SIXTY-FIVE CHARACTERS AND IS NOT CUT AT ALL");
    const int special = addLine(">F", std::string(70, 'S'));
    const int unknown = addLine("#", "NOT PRINTED");
    engine.PrintBodyLine(30, dash);
    engine.PrintBodyLine(31, comment);
    engine.PrintBodyLine(32, special);
    engine.PrintBodyLine(33, unknown);
    EXPECT_EQ(trimmedRow(30), std::string(15, ' ') + std::string(65, '-'));
    EXPECT_EQ(trimmedRow(31),
              std::string(15, ' ') +
                  "A COMMENT THAT IS LONGER THAN SIXTY-FIVE CHARACTERS AND IS NOT CUT AT ALL");
    EXPECT_EQ(trimmedRow(32), std::string(15, ' ') + std::string(65, 'S'));
    EXPECT_EQ(trimmedRow(33), "");
}

TEST_F(EngineTest, PrintableLinesAndTheVatIncludedHeading) {
    addLine("ART1", "A");
    addLine("#", "NOT PRINTED");
    addLine(">F", "");
    addLine(">V", "SHOWN");
    addLine("*", "STAR");
    engine.BuildBodyLineIndexes(true);
    EXPECT_EQ(engine.printableLines, (std::vector<std::string>{"0", "1", "4", "5"}));
    EXPECT_EQ(engine.document.Lines.Line(0)->ArticleCode, ":");
    EXPECT_EQ(engine.document.Lines.Line(0)->Description, "(PREZZI IVA COMPRESA)");
    EXPECT_EQ(engine.document.Lines.Line(4)->Description, "SHOWN");
}

TEST_F(EngineTest, EmptyLinesAtTheEndAreNotPrinted) {
    addLine("", "");
    addLine("ART1", "A");
    addLine(" ", "");
    addLine("", "", "", "", 0, "", "");
    addLine("ART2", "B");
    for (int i = 0; i < 10000; ++i)
        addLine("", "");
    engine.BuildBodyLineIndexes(false);
    // Empty lines between others stay as spacing rows.
    EXPECT_EQ(engine.printableLines, (std::vector<std::string>{"0", "1", "2", "3", "4"}));
    addLine("", "", "", "", 1); // an amount is something to print
    engine.BuildBodyLineIndexes(false);
    EXPECT_EQ(engine.printableLines.size(), 10006u);
}

TEST_F(EngineTest, NoHeadingWithoutPrintableLines) {
    addLine("#", "NOT PRINTED");
    engine.BuildBodyLineIndexes(true);
    EXPECT_TRUE(engine.printableLines.empty());
    EXPECT_EQ(engine.document.Lines.Count(), 1);
}

TEST_F(EngineTest, ZonesOf72Rows) {
    engine.ComputeZones(72);
    EXPECT_EQ(engine.HeaderTop, 1);
    EXPECT_EQ(engine.BodyTop, 23);
    EXPECT_EQ(engine.BodyRows, 42);
    EXPECT_EQ(engine.TotalsTop, 66);
    engine.document.PriceKind = 1;
    engine.ComputeZones(72);
    EXPECT_EQ(engine.BodyRows, 48);
}

TEST_F(EngineTest, ZonesWithFooterAndBottomTransport) {
    engine.footerText1 = "FOOTER";
    engine.document.DocKind = 4;
    engine.layoutKind = "P";
    engine.document.CarrierTaxId = "01234567890";
    engine.ComputeZones(72);
    EXPECT_EQ(engine.FooterTop, 68);
    EXPECT_EQ(engine.TransportTop, 68 - 9 - 1);
    EXPECT_EQ(engine.BodyRows, 68 - 23 - 1 - 6 - 11);
    EXPECT_EQ(engine.TotalsTop, 68 - 6 - 11);
}
