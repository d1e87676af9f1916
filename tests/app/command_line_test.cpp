#include "app/command_line.h"
#include "app/decode_quotes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RunSettingsAtStart, ValuesBeforeTheCommandLine) {
    const RunSettings settings = ParseCommandLine({});
    EXPECT_EQ(settings.inputFile, "");
    EXPECT_EQ(settings.printerName, "");
    EXPECT_EQ(settings.layoutFlags, "");
    EXPECT_EQ(settings.copies, -1);
    EXPECT_EQ(settings.rowsPerPage, -1);
    EXPECT_EQ(settings.reprintKind, "");
    EXPECT_FALSE(settings.optionP);
    EXPECT_EQ(settings.leftMargin, 150);
    EXPECT_FALSE(settings.currency);
    EXPECT_EQ(settings.LogoFile, "");
    EXPECT_EQ(settings.footerText1, "");
    EXPECT_EQ(settings.footerText2, "");
    EXPECT_EQ(settings.footerText3, "");
    EXPECT_FALSE(settings.footerCompressed);
    EXPECT_EQ(settings.footerSize, 100);
    EXPECT_EQ(settings.footerAlignment, 2);
    EXPECT_TRUE(settings.halftone);
    EXPECT_TRUE(settings.usageFlag);
}

TEST(SwitchParsing, EverySwitchFillsItsSetting) {
    const RunSettings settings =
        ParseCommandLine({"/S=PREDEFINITA", "/I=doc.txt", "/F=101200N0", "/C=2", "/P=1", "/R=66", "/T=F"});
    EXPECT_EQ(settings.printerName, "PREDEFINITA");
    EXPECT_EQ(settings.inputFile, "DOC.TXT");
    EXPECT_EQ(settings.layoutFlags, "101200N0");
    EXPECT_EQ(settings.copies, 2);
    EXPECT_TRUE(settings.optionP);
    EXPECT_EQ(settings.rowsPerPage, 66);
    EXPECT_EQ(settings.reprintKind, "F");
}

TEST(SwitchParsing, WholeArgumentIsUpperCasedFirst) {
    // "/c=3" is "/C=" once upper-cased, and values arrive upper-cased.
    const RunSettings settings =
        ParseCommandLine({"/c=3", "/i=/tmp/Fattura.txt", "/s=hp laserjet", "/f=101200n0"});
    EXPECT_EQ(settings.copies, 3);
    EXPECT_EQ(settings.inputFile, "/TMP/FATTURA.TXT");
    EXPECT_EQ(settings.printerName, "HP LASERJET");
    EXPECT_EQ(settings.layoutFlags, "101200N0");
}

TEST(SwitchParsing, OnlyAsciiLettersAreUpperCased) {
    // 0xE0 is a grave in Windows-1252: it stays as it is.
    const RunSettings settings = ParseCommandLine({"/s=stampante \xE0"});
    EXPECT_EQ(settings.printerName, "STAMPANTE \xE0");
}

TEST(SwitchParsing, ValuesAreTrimmed) {
    const RunSettings settings =
        ParseCommandLine({"/I=  a.txt\t", "/F= 1 ", "/C= 4 ", "/R=\t60 ", "/S=  P  "});
    EXPECT_EQ(settings.inputFile, "A.TXT");
    EXPECT_EQ(settings.layoutFlags, "1");
    EXPECT_EQ(settings.copies, 4);
    EXPECT_EQ(settings.rowsPerPage, 60);
    EXPECT_EQ(settings.printerName, "P");
}

TEST(SwitchParsing, ReprintKindTakesOneCharacter) {
    EXPECT_EQ(ParseCommandLine({"/T=AB"}).reprintKind, "A");
    // The one character taken is the blank, which trimming removes.
    EXPECT_EQ(ParseCommandLine({"/T= X"}).reprintKind, "");
    EXPECT_EQ(ParseCommandLine({"/T="}).reprintKind, "");
    EXPECT_EQ(ParseCommandLine({"/t=b"}).reprintKind, "B");
}

TEST(SwitchParsing, UnreadableCountsGiveMinusOne) {
    const RunSettings settings = ParseCommandLine({"/C=tre", "/R=12x"});
    EXPECT_EQ(settings.copies, -1);
    EXPECT_EQ(settings.rowsPerPage, -1);
    EXPECT_EQ(ParseCommandLine({"/C="}).copies, -1);
    EXPECT_EQ(ParseCommandLine({"/C=2.5"}).copies, -1);
    EXPECT_EQ(ParseCommandLine({"/C=99999999999"}).copies, -1);
}

TEST(SwitchParsing, CountsReadSignsAndHexadecimal) {
    EXPECT_EQ(ParseCommandLine({"/C=-2"}).copies, -2);
    EXPECT_EQ(ParseCommandLine({"/C=$A"}).copies, 10);
    // Upper-casing turns "0x" into "0X", which reads as hexadecimal too.
    EXPECT_EQ(ParseCommandLine({"/R=0x40"}).rowsPerPage, 64);
    EXPECT_EQ(ParseCommandLine({"/C=0"}).copies, 0);
}

TEST(SwitchParsing, OptionPIsTrueOnlyForOne) {
    EXPECT_TRUE(ParseCommandLine({"/P=1"}).optionP);
    EXPECT_TRUE(ParseCommandLine({"/P= 1 "}).optionP);
    EXPECT_FALSE(ParseCommandLine({"/P=01"}).optionP);
    EXPECT_FALSE(ParseCommandLine({"/P=S"}).optionP);
    EXPECT_FALSE(ParseCommandLine({"/P="}).optionP);
}

TEST(SwitchParsing, LastOccurrenceWins) {
    const RunSettings settings = ParseCommandLine({"/I=a.txt", "/P=1", "/C=2", "/I=b.txt", "/P=0", "/C=x"});
    EXPECT_EQ(settings.inputFile, "B.TXT");
    EXPECT_FALSE(settings.optionP);
    EXPECT_EQ(settings.copies, -1);
}

TEST(SwitchParsing, UnknownAndShortArgumentsAreIgnored) {
    const RunSettings settings =
        ParseCommandLine({"", "/", "/S", "-S=X", "/X=1", "S=/I=", " /I=a.txt", "/I=b.txt"});
    EXPECT_EQ(settings.printerName, "");
    EXPECT_EQ(settings.inputFile, "B.TXT");
}

TEST(SwitchParsing, ValueMayHoldAnotherSwitch) {
    // Only the first three characters name the switch.
    const RunSettings settings = ParseCommandLine({"/S=/I=X.TXT"});
    EXPECT_EQ(settings.printerName, "/I=X.TXT");
    EXPECT_EQ(settings.inputFile, "");
}

TEST(SwitchParsing, PrinterNameCarriesQuotesAsA0Bytes) {
    const RunSettings settings = ParseCommandLine({"/S=\xA0ufficio\xA0 laser"});
    EXPECT_EQ(settings.printerName, "\"UFFICIO\" LASER");
}

TEST(DecodeQuotes, TrimsThenReplacesA0) {
    EXPECT_EQ(decodeQuotes(" A\xA0 "), "A\"");
    EXPECT_EQ(decodeQuotes("\xA0\xA0"), "\"\"");
    EXPECT_EQ(decodeQuotes("\t\r\n"), "");
    EXPECT_EQ(decodeQuotes("no quotes"), "no quotes");
}

} // namespace
