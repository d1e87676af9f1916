#include "engine_fixture.h"

#include "util/dates.h"

TEST_F(EngineTest, PageNumberText) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    EXPECT_EQ(engine.PageNumberText(), "");
    engine.pageCount = 7;
    engine.currentPage = 3;
    EXPECT_EQ(engine.PageNumberText(), "3/7");
    engine.pageCount = 9;
    engine.currentPage = 9;
    EXPECT_EQ(engine.PageNumberText(), "9/9");
    engine.pageCount = 12;
    engine.currentPage = 3;
    EXPECT_EQ(engine.PageNumberText(), "3");
}

TEST_F(EngineTest, PageNumberStandsRightAlignedAtColumn77) {
    engine.pageCount = 7;
    engine.currentPage = 3;
    engine.PrintHeader();
    EXPECT_EQ(columns(1, 77, 79), "3/7");
    engine.pageCount = 12;
    engine.PrintHeader();
    EXPECT_EQ(columns(1, 77, 79), "  3");
}

TEST_F(EngineTest, TitleGetsNumberMarkOnlyWhenItFits) {
    engine.pageCount = 1;
    engine.document.DocSeries = "A";
    engine.document.DocNumber = 123;                 // "A123": four characters
    engine.document.DocTitle = "FATTURA ACCOMPAGNA"; // 18 characters: 18 + 1 + 4 + 2 > 24
    engine.PrintHeader();
    EXPECT_EQ(columns(1, 40, 63), "FATTURA ACCOMPAGNA A123 ");
    engine.page->clear();
    engine.document.DocTitle = "FATTURA XY"; // 10 characters
    engine.PrintHeader();
    EXPECT_EQ(columns(1, 40, 63), "FATTURA XY N.A123       ");
}

TEST_F(EngineTest, EmptyNumberGetsNoMark) {
    engine.document.DocTitle = "DDT";
    engine.PrintHeader();
    EXPECT_EQ(columns(1, 40, 45), "DDT   ");
}

TEST_F(EngineTest, DateStandsAtColumn66) {
    engine.document.DocDate = EncodeDay(5, 3, 2024);
    engine.PrintHeader();
    EXPECT_EQ(columns(1, 66, 75), "05.03.2024");
}

TEST_F(EngineTest, CustomerRowShowsTheCountryOnlyForClassTwo) {
    engine.document.CustomerVatNumber = "01234567890";
    engine.document.CustomerVatCountry = "DE";
    engine.document.CustomerTaxClass = "E24";
    engine.document.CustomerCode = "C001";
    engine.document.AgentCode = "AG7";
    engine.PrintHeader();
    EXPECT_EQ(columns(4, 41, 51), "01234567890");
    EXPECT_EQ(columns(4, 58, 61), "C001");
    EXPECT_EQ(columns(4, 70, 72), "AG7");
    engine.document.CustomerTaxClass = "C13";
    engine.PrintHeader();
    EXPECT_EQ(columns(4, 41, 53), "DE01234567890");
}

TEST_F(EngineTest, CustomerBlockOnFirstPageAndSegueLater) {
    engine.document.CustomerName1 = "ROSSI SPA";
    engine.document.CustomerTown = "MILANO";
    engine.document.CustomerProvince = "MI";
    engine.pageCount = 2;
    engine.currentPage = 1;
    engine.PrintHeader();
    EXPECT_EQ(columns(13, 46, 54), "ROSSI SPA");
    EXPECT_EQ(columns(16, 46, 75), "MILANO" + std::string(22, ' ') + "MI");
    engine.page->clear();
    engine.currentPage = 2;
    engine.PrintHeader();
    EXPECT_EQ(trimmedRow(13), "");
    EXPECT_EQ(trimmedRow(14), std::string(58, ' ') + "SEGUE");
    EXPECT_EQ(trimmedRow(7), ""); // notes only on page 1
    engine.page->clear();
    engine.layoutFlag7 = true;
    engine.PrintHeader();
    EXPECT_EQ(columns(13, 46, 54), "ROSSI SPA");
}

TEST_F(EngineTest, ShortThirdNoteStartsAtColumn40) {
    engine.document.HeaderNote1 = "NOTE ONE";
    engine.document.HeaderNote3 = "SHORT NOTE";
    engine.PrintHeader();
    EXPECT_EQ(trimmedRow(7), std::string(39, ' ') + "NOTE ONE");
    EXPECT_EQ(trimmedRow(9), std::string(39, ' ') + "SHORT NOTE");
}

TEST_F(EngineTest, LongThirdNoteEndsAtColumn79) {
    engine.document.HeaderNote3 = std::string(49, 'X') + "Y"; // 50 characters
    engine.PrintHeader();
    EXPECT_EQ(trimmedRow(9), std::string(29, ' ') + std::string(49, 'X') + "Y");
}

TEST_F(EngineTest, ThirdNoteOf85CharactersLosesItsStart) {
    std::string note;
    for (int i = 0; i < 85; ++i)
        note += static_cast<char>('A' + i % 26);
    engine.document.HeaderNote3 = note;
    engine.PrintHeader();
    EXPECT_EQ(trimmedRow(9), note.substr(6));
    EXPECT_EQ(trimmedRow(9).size(), 79u);
}

TEST_F(EngineTest, DocumentIndexRecord) {
    engine.document.DocKind = 4;
    engine.document.DocDate = EncodeDay(1, 2, 2024);
    engine.document.DocSeries = "A";
    engine.document.DocNumber = 12;
    engine.document.CustomerCode = "C1";
    engine.document.CustomerName1 = "ROSSI";
    engine.document.CustomerName2 = "";
    engine.document.CustomerVatNumber = "0123";
    engine.document.DocCurrency = "EUR";
    EXPECT_EQ(engine.DocumentIndexRecord(3), "~A~,~01.02.2024~,~A12~,~C1~,~ROSSI~,~~,~0123~,~EUR~,~3~");
}
