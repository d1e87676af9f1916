#include "engine_fixture.h"

TEST_F(EngineTest, ConstructorDefaults) {
    TStampaDocumentoBase fresh("retino.bmp", "01.02.24", true);
    EXPECT_EQ(fresh.layoutKind, "N");
    EXPECT_EQ(fresh.dateText, "01.02.24");
    EXPECT_TRUE(fresh.pdfOutput);
    EXPECT_TRUE(fresh.halftone);
    EXPECT_EQ(fresh.footerSize, 100);
    EXPECT_EQ(fresh.footerAlignment, 2);
    EXPECT_EQ(fresh.topRows, 0);
    EXPECT_FALSE(fresh.option94);
    EXPECT_FALSE(fresh.hasFooterText());
}

TEST_F(EngineTest, DigitOneShowsDiscounts) {
    TRecDocObjectBase record;
    engine.loadDocument(record, 1);
    EXPECT_TRUE(engine.isDigitOne());
    engine.loadDocument(record, 0);
    EXPECT_FALSE(engine.isDigitOne());
    engine.loadDocument(record, 2);
    EXPECT_FALSE(engine.isDigitOne());
}

TEST_F(EngineTest, LoadDocumentKeepsItsOwnCopy) {
    TRecDocObjectBase record;
    record.Lines.Add("");
    engine.loadDocument(record, 1);
    record.Lines.Clear();
    EXPECT_EQ(engine.document.Lines.Count(), 1);
}

TEST_F(EngineTest, PricedDocumentPredicate) {
    engine.document.PriceKind = 0;
    EXPECT_TRUE(engine.isPricedDocument());
    engine.document.PriceKind = 2;
    EXPECT_FALSE(engine.isPricedDocument());
    engine.document.DocKind = 1;
    EXPECT_TRUE(engine.isPricedDocument());
    engine.document.PriceKind = 1;
    EXPECT_FALSE(engine.isPricedDocument());
    EXPECT_FALSE(engine.isPriceModeNot1());
}

TEST_F(EngineTest, SingleCurrencyNeedsKind1To4AndTheBaseCurrency) {
    EXPECT_TRUE(engine.isSingleCurrency());
    engine.document.DocCurrency = "USD";
    EXPECT_FALSE(engine.isSingleCurrency());
    engine.document.DocCurrency = "EUR";
    engine.document.DocKind = 5;
    EXPECT_FALSE(engine.isSingleCurrency());
}

TEST_F(EngineTest, DocumentNumberText) {
    engine.document.DocSeries = "B";
    engine.document.DocNumber = 123;
    EXPECT_EQ(engine.documentNumberText(), "B123");
    engine.document.DocNumber = 0;
    EXPECT_EQ(engine.documentNumberText(), "B");
    engine.document.DocSeries = "";
    engine.document.DocNumber = 7;
    EXPECT_EQ(engine.documentNumberText(), "7");
}

TEST_F(EngineTest, BodyWriterPitchFollowsTheColumnLayout) {
    engine.writeBody(0, 1, "A");
    EXPECT_TRUE(engine.page->rowSecondPitch(0));
    engine.option94 = true;
    engine.writeBody(1, 1, "A");
    EXPECT_FALSE(engine.page->rowSecondPitch(1));
    engine.writeTotals(2, 1, "A");
    engine.writeHeader(3, 1, "A");
    engine.writeAddress(4, 1, "A");
    EXPECT_FALSE(engine.page->rowSecondPitch(2));
    EXPECT_FALSE(engine.page->rowSecondPitch(3));
    EXPECT_FALSE(engine.page->rowSecondPitch(4));
}

TEST_F(EngineTest, FormatAmountUsesTheDocumentDecimals) {
    EXPECT_EQ(engine.formatAmount(10, 123456), "  1.234,56");
    EXPECT_EQ(engine.formatAmount(10, -123456), " -1.234,56");
}
