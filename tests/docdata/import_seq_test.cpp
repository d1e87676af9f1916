#include <gtest/gtest.h>

#include <filesystem>

#include "docdata/document_reader.h"
#include "temp_document.h"

namespace {

// Field fieldNo (from 0, as in the file) of a one-line file.
std::string FieldOf(const std::string& line, int fieldNo, int maxLen = 0) {
    return TImportaSeq::FromText(line).GetField(1, fieldNo + 1, maxLen);
}

TEST(FieldExtraction, ApostropheQuotesWithDoubledApostrophe) {
    const std::string line = "'AB','C''D'";
    EXPECT_EQ(FieldOf(line, 0), "AB");
    EXPECT_EQ(FieldOf(line, 1), "C'D");
    EXPECT_EQ(FieldOf(line, 2), "");
}

TEST(FieldExtraction, SeparatorFollowsTheFirstClosingQuote) {
    const std::string line = "\"01\";\"12,50\";\"A,B\"";
    EXPECT_EQ(FieldOf(line, 1), "12,50");
    EXPECT_EQ(FieldOf(line, 2), "A,B");
    // A comma is an ordinary character when the separator is a semicolon.
    EXPECT_EQ(FieldOf("\"01\";\"A\",\"B\"", 1), "A");
}

TEST(FieldExtraction, EachLineHasItsOwnQuoteAndSeparator) {
    const TImportaSeq file = TImportaSeq::FromText("'A'|'B'\n\"C\",\"D\"\n#E#;#F#");
    ASSERT_EQ(file.Count(), 3);
    EXPECT_EQ(file.GetField(1, 2, 0), "B");
    EXPECT_EQ(file.GetField(2, 2, 0), "D");
    EXPECT_EQ(file.GetField(3, 2, 0), "F");
}

TEST(FieldExtraction, SeparatorsInsideQuotesDoNotCount) {
    const std::string line = "\"0\",\"A,B\",\"C\"";
    EXPECT_EQ(FieldOf(line, 1), "A,B");
    EXPECT_EQ(FieldOf(line, 2), "C");
    // An escaped quote keeps the field open.
    EXPECT_EQ(FieldOf("\"0\",\"X\"\",Y\",\"Z\"", 1), "X\",Y");
    EXPECT_EQ(FieldOf("\"0\",\"X\"\",Y\",\"Z\"", 2), "Z");
}

TEST(FieldExtraction, NoClosingQuoteOrQuoteAtTheEndGivesComma) {
    EXPECT_EQ(FieldOf("\"AB", 0), "AB");
    EXPECT_EQ(FieldOf("\"AB,C", 1), ""); // the comma stands inside the open quote
    EXPECT_EQ(FieldOf("\"AB\"", 0), "AB");
    EXPECT_EQ(FieldOf("\"AB\"", 1), "");
}

TEST(FieldExtraction, SeparatorAsLastCharacterClosesNoField) {
    EXPECT_EQ(FieldOf("\"A\",\"B\",", 1), "B");
    EXPECT_EQ(FieldOf("\"A\",\"B\",", 2), "");
}

TEST(FieldExtraction, EmptyFieldsAndEmptyLines) {
    EXPECT_EQ(FieldOf("\"A\",\"\",\"C\"", 1), "");
    EXPECT_EQ(FieldOf("\"A\",\"\",\"C\"", 2), "C");
    EXPECT_EQ(FieldOf("", 0), "");
    EXPECT_EQ(FieldOf("\"", 0), "");
    EXPECT_EQ(FieldOf("\"", 1), "");
}

TEST(FieldExtraction, UnquotedFieldLosesItsFirstCharacter) {
    // The value runs from the second character to the next quote of the line.
    EXPECT_EQ(FieldOf("\"0\",ABC,\"D\"", 1), "BC,");
    EXPECT_EQ(FieldOf("\"0\",ABC", 1), "BC");
}

TEST(FieldExtraction, TextAfterTheClosingQuoteIsIgnored) {
    EXPECT_EQ(FieldOf("\"0\",\"AB\"XY,\"C\"", 1), "AB");
    EXPECT_EQ(FieldOf("\"0\",\"AB\"XY,\"C\"", 2), "C");
}

TEST(FieldExtraction, ValuesAreTrimmedAndUpperCased) {
    EXPECT_EQ(FieldOf("\"0\",\" \tvia roma \xe8 1\x01 \"", 1), "VIA ROMA \xe8 1");
    EXPECT_EQ(FieldOf("\"0\",\"a1\"", 1, 1), "A");
    EXPECT_EQ(FieldOf("\"0\",\"  abc\"", 1, 2), "AB"); // cut after trimming
    EXPECT_EQ(FieldOf("\"0\",\"abc\"", 1, 0), "ABC");
}

TEST(FieldExtraction, FieldAndLineNumbersOutOfRange) {
    const TImportaSeq file = TImportaSeq::FromText("\"A\",\"B\"");
    EXPECT_EQ(file.GetField(0, 1, 0), "");
    EXPECT_EQ(file.GetField(2, 1, 0), "");
    EXPECT_EQ(file.GetField(1, 0, 0), "");
    EXPECT_EQ(file.GetField(1, -3, 0), "");
    EXPECT_EQ(file.GetField(-1, 1, 0), "");
}

TEST(FieldExtraction, NulBytesAreOrdinaryCharacters) {
    const std::string line("\"0\",\"A\0B\",\"C\"", 13);
    EXPECT_EQ(FieldOf(line, 1), std::string("A\0B", 3));
    EXPECT_EQ(FieldOf(line, 2), "C");
}

TEST(LineSplitting, CrLfCrAndLf) {
    const std::vector<std::string> lines = SplitDocumentLines("A\r\nB\rC\nD");
    EXPECT_EQ(lines, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(SplitDocumentLines("A\r\n"), (std::vector<std::string>{"A"}));
    EXPECT_EQ(SplitDocumentLines("A\n\nB\r\r"), (std::vector<std::string>{"A", "", "B", ""}));
    EXPECT_EQ(SplitDocumentLines("\n\r"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(SplitDocumentLines("").empty());
}

TEST(ImportaSeq, LoadsAFileAndKeepsIt) {
    TempDocument doc;
    doc.WriteRaw("\"1\",\"F\"\r\n\"2\",\"TITOLO\"\r\n");
    const TImportaSeq file(doc.Path(), false);
    EXPECT_EQ(file.Count(), 2);
    EXPECT_EQ(file.GetField(2, 2, 0), "TITOLO");
    EXPECT_TRUE(std::filesystem::exists(doc.Path()));
}

TEST(ImportaSeq, ReadsOnlyUpToTheLinesAsked) {
    // A line end split between two pieces of reading (CR the last byte of the first 64 KiB, LF the first
    // of the next) is one line end.
    TempDocument doc;
    doc.WriteRaw(std::string(65535, 'A') + "\r\nB\n\nC\n" + std::string(1 << 20, '\n'));
    const TImportaSeq whole(doc.Path(), false);
    EXPECT_EQ(whole.Count(), 4 + (1 << 20));
    EXPECT_EQ(whole.Lines[0].size(), 65535u);
    EXPECT_EQ(whole.Lines[1], "B");
    const TImportaSeq firstThree(doc.Path(), false, 3);
    EXPECT_EQ(firstThree.Lines, (std::vector<std::string>{std::string(65535, 'A'), "B", ""}));
}

TEST(ImportaSeq, DeletesTheFileWhenAsked) {
    TempDocument doc;
    doc.WriteRaw("\"1\",\"F\"\n");
    const TImportaSeq file(doc.Path(), true);
    EXPECT_EQ(file.Count(), 1);
    EXPECT_FALSE(std::filesystem::exists(doc.Path()));
}

TEST(ImportaSeq, MissingFileOrFolderGivesNoLines) {
    const TImportaSeq missing(::testing::TempDir() + "stampadoc_no_such_file.txt", true);
    EXPECT_EQ(missing.Count(), 0);
    EXPECT_EQ(missing.GetField(1, 1, 0), "");
    const TImportaSeq folder(::testing::TempDir(), false);
    EXPECT_EQ(folder.Count(), 0);
}

} // namespace
