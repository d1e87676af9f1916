#include <gtest/gtest.h>

#include "docdata/code_tables.h"
#include "util/separators_guard.h"

namespace {

TEST(DocumentKind, LettersDecodeToNumbers) {
    const char* letters[] = {"S", "R", "F", "A", "B", "I", "O", "P"};
    for (int kind = 1; kind <= 8; ++kind) {
        EXPECT_EQ(DecodeDocKind(letters[kind - 1]), kind);
        EXPECT_EQ(DocKindLetter(kind), letters[kind - 1]);
    }
    EXPECT_EQ(DecodeDocKind(""), 0);
    EXPECT_EQ(DecodeDocKind("X"), 0);
    EXPECT_EQ(DecodeDocKind("s"), 0);
    EXPECT_EQ(DecodeDocKind("FA"), 3); // only the first character counts
    EXPECT_EQ(DocKindLetter(0), "");
    EXPECT_EQ(DocKindLetter(9), "");
    EXPECT_EQ(DocKindLetter(-1), "");
}

TEST(DocumentKind, FileLettersAreTranslated) {
    const char* fileLetters[] = {"S", "R", "F", "A", "I", "B", "C", "O", "P"};
    const int kinds[] = {1, 2, 3, 4, 4, 5, 6, 7, 8};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(TranslateFileDocType(fileLetters[i]), kinds[i]) << fileLetters[i];
    EXPECT_EQ(TranslateFileDocType("C"), 6);
    EXPECT_EQ(DocKindLetter(TranslateFileDocType("C")), "I");
    EXPECT_EQ(TranslateFileDocType("I"), 4);
    EXPECT_EQ(DocKindLetter(TranslateFileDocType("I")), "A");
    EXPECT_EQ(TranslateFileDocType(""), 0);
    EXPECT_EQ(TranslateFileDocType("Z"), 0);
    EXPECT_EQ(TranslateFileDocType("CX"), 6); // only the first character counts
    EXPECT_EQ(TranslateFileDocType("c"), 0);
}

TEST(DocumentKind, KindGroups) {
    for (int kind = 0; kind <= 9; ++kind) {
        EXPECT_EQ(IsKindGroupSR(kind), kind == 1 || kind == 2) << kind;
        EXPECT_EQ(IsKindGroupFA(kind), kind == 3 || kind == 4) << kind;
        EXPECT_EQ(IsKindGroupSRFA(kind), kind >= 1 && kind <= 4) << kind;
        EXPECT_EQ(IsKindGroupAB(kind), kind == 4 || kind == 5) << kind;
        EXPECT_EQ(IsKindGroupIOP(kind), kind >= 6 && kind <= 8) << kind;
        EXPECT_EQ(IsKindF(kind), kind == 3) << kind;
        EXPECT_EQ(IsKindA(kind), kind == 4) << kind;
        EXPECT_EQ(IsKindB(kind), kind == 5) << kind;
    }
}

TEST(CodeTables, PriceKind) {
    EXPECT_EQ(DecodePriceKind("1"), 0);
    EXPECT_EQ(DecodePriceKind("2"), 2);
    EXPECT_EQ(DecodePriceKind("3"), 1);
    EXPECT_EQ(DecodePriceKind(""), 1);
    EXPECT_EQ(DecodePriceKind("N"), 1);
}

TEST(CodeTables, PricesIncludeVat) {
    EXPECT_EQ(DecodePricesIncludeVat("L"), 1);
    EXPECT_EQ(DecodePricesIncludeVat("l"), 1);
    EXPECT_EQ(DecodePricesIncludeVat("LL"), 0);
    EXPECT_EQ(DecodePricesIncludeVat(""), 0);
}

TEST(CodeTables, TransportByIsComparedExactly) {
    EXPECT_EQ(DecodeTransportBy("V"), 1);
    EXPECT_EQ(DecodeTransportBy("M"), 2);
    EXPECT_EQ(DecodeTransportBy("D"), 3);
    EXPECT_EQ(DecodeTransportBy("A"), 4);
    EXPECT_EQ(DecodeTransportBy(" A "), 4);
    EXPECT_EQ(DecodeTransportBy("VV"), 0);
    EXPECT_EQ(DecodeTransportBy("v"), 0);
    EXPECT_EQ(DecodeTransportBy(""), 0);
}

TEST(CodeTables, TransportByCaption) {
    EXPECT_EQ(TransportByCaption(1, "X"), "");
    EXPECT_EQ(TransportByCaption(2, "X"), "MITTENTE");
    EXPECT_EQ(TransportByCaption(3, "X"), "DESTINATARIO");
    EXPECT_EQ(TransportByCaption(4, "FURGONE"), "FURGONE");
    EXPECT_EQ(TransportByCaption(0, "X"), "");
}

TEST(CodeTables, TaxClassPrecedence) {
    EXPECT_EQ(ClassifyTaxClass("T"), 3);
    EXPECT_EQ(ClassifyTaxClass("T C13"), 2);
    EXPECT_EQ(ClassifyTaxClass("ART. C13"), 2);
    EXPECT_EQ(ClassifyTaxClass("E24 C13"), 2);
    EXPECT_EQ(ClassifyTaxClass("XE24"), 1);
    EXPECT_EQ(ClassifyTaxClass("C1 3"), 0);
    EXPECT_EQ(ClassifyTaxClass(""), 0);
}

TEST(LineKinds, FirstCharacterOfTheTrimmedCode) {
    EXPECT_TRUE(IsBlankCode(""));
    EXPECT_TRUE(IsBlankCode(" \t"));
    EXPECT_FALSE(IsBlankCode("A"));
    EXPECT_TRUE(IsArticleCode("A12"));
    EXPECT_TRUE(IsArticleCode(" 9"));
    EXPECT_FALSE(IsArticleCode("a12"));
    EXPECT_FALSE(IsArticleCode("\xc0"));
    EXPECT_TRUE(IsPercentLine("%X"));
    EXPECT_TRUE(IsDashLine("-"));
    EXPECT_TRUE(IsColonLine(" :A"));
    EXPECT_TRUE(IsEqualsLine("="));
    EXPECT_TRUE(IsEqualsLine(" = "));
    EXPECT_FALSE(IsEqualsLine("=="));
}

TEST(LineKinds, ArrowLines) {
    EXPECT_TRUE(IsArrowKindLine(">F"));
    for (const char* code : {">I", ">O", ">U", ">V"})
        EXPECT_TRUE(IsArrowKindLine(code)) << code;
    EXPECT_FALSE(IsArrowKindLine(">FX"));
    EXPECT_FALSE(IsArrowKindLine(">"));
    EXPECT_FALSE(IsArrowKindLine(">A"));
    EXPECT_TRUE(IsArrowLine(">"));
    EXPECT_TRUE(IsArrowLine(">FX"));
}

TEST(LineKinds, SpecialLines) {
    for (const char* code : {"-", ":", "A1", "", "%", "=", ">V"})
        EXPECT_TRUE(IsSpecialLine(code)) << code;
    for (const char* code : {">", ">X", "*", "==", "+"})
        EXPECT_FALSE(IsSpecialLine(code)) << code;
}

TEST(ShortNumeric, Examples) {
    SeparatorsGuard separators(',', '.');
    EXPECT_TRUE(IsShortNumeric("N22", true));
    EXPECT_FALSE(IsShortNumeric("N22", false));
    EXPECT_FALSE(IsShortNumeric("12345", true));
    EXPECT_FALSE(IsShortNumeric("", true));
    EXPECT_FALSE(IsShortNumeric("N", true));
    EXPECT_TRUE(IsShortNumeric(" 4,5 ", false));
    EXPECT_FALSE(IsShortNumeric("4.5", false));
    EXPECT_TRUE(IsShortNumeric("1234", false));
}

TEST(ShortNumeric, FollowsTheCurrentDecimalSeparator) {
    SeparatorsGuard separators('.', '\0');
    EXPECT_TRUE(IsShortNumeric("4.5", false));
    EXPECT_FALSE(IsShortNumeric("4,5", false));
}

} // namespace
