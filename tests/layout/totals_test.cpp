#include "engine_fixture.h"

#include "util/dates.h"

namespace {

// Columns 59 to 78 of a totals row: the total-row group.
std::string TotalColumns(const std::string& row) {
    return row.substr(58, 20);
}

} // namespace

TEST_F(EngineTest, VatRowWithShortNumericCode) {
    EXPECT_EQ(engine.VatSummaryRow("22", "IVA 22%", 100000, 22000), "   22  %          1.000,00    220,00  ");
}

TEST_F(EngineTest, VatRowWithDescription) {
    EXPECT_EQ(engine.VatSummaryRow("N4", "ESENTE", 50000, 0), "   N4  ESENTE       500,00      0,00  ");
}

TEST_F(EngineTest, VatRowWithLargeTaxableAndEightCharacterDescription) {
    EXPECT_EQ(engine.VatSummaryRow("ABCD", "NON IMPO", 1234567890, 0),
              " ABCD NON IMPO 12345678,90      0,00  ");
}

TEST_F(EngineTest, VatRowTaxPartWidens) {
    // Tax above 99999999 in the smallest unit: right-aligned in 11 and one blank.
    EXPECT_EQ(engine.VatSummaryRow("22", "", 100, 123456789).substr(26), " 1234567,89 ");
}

TEST_F(EngineTest, VatRowWithVeryLongDescriptionKeepsTheAmount) {
    const std::string row = engine.VatSummaryRow("N2", "NON SOGGETTO ART.7 TER", 12345, 0);
    EXPECT_EQ(row, "   N2  NON SOGGE    123,45      0,00  ");
    EXPECT_EQ(row.size(), 38u);
}

TEST_F(EngineTest, FiveVatRowsStartOneRowHigher) {
    for (int k = 0; k < 5; ++k) {
        engine.document.VatRows[static_cast<size_t>(k)].Code = std::to_string(10 + k);
        engine.document.VatRows[static_cast<size_t>(k)].Taxable = 100;
    }
    engine.PrintVatRows(67);
    EXPECT_FALSE(engine.ShowVatCaptions);
    EXPECT_EQ(columns(66, 21, 25), "   10");
    EXPECT_EQ(columns(70, 21, 25), "   14");
}

TEST_F(EngineTest, VatRowsSkipEmptyCodes) {
    engine.document.VatRows[1].Code = "22";
    engine.document.VatRows[1].Taxable = 100;
    engine.PrintVatRows(67);
    EXPECT_TRUE(engine.ShowVatCaptions);
    EXPECT_EQ(columns(67, 21, 25), "   22");
    EXPECT_EQ(trimmedRow(68), "");
}

TEST_F(EngineTest, TotalRowsWithoutWithholding) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.GrandTotal = 122000;
    engine.document.VatTotal = 22000;
    engine.PrintTotalRows(67);
    EXPECT_EQ(TotalColumns(row(67)), "            1.000,00");
    EXPECT_EQ(TotalColumns(row(68)), "              220,00");
    EXPECT_EQ(trimmedRow(69), "");
    EXPECT_EQ(TotalColumns(row(70)), "            1.220,00");
    EXPECT_EQ(engine.TotalsCaptions[1], "NETTO");
    EXPECT_EQ(engine.TotalsCaptions[2], "IVA");
    EXPECT_EQ(engine.TotalsCaptions[4], "TOTALE");
}

TEST_F(EngineTest, TotalRowsWithWithholding) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.GrandTotal = 122000;
    engine.document.VatTotal = 22000;
    engine.document.WithholdingAmount = 20000; // the file held -200,00
    engine.document.WithholdingRate = 20;
    engine.TotalsTop = 66;
    engine.PrintTotalsBox();
    EXPECT_EQ(TotalColumns(row(66)), "            1.000,00"); // net one row up
    EXPECT_EQ(TotalColumns(row(67)), "              220,00");
    EXPECT_EQ(TotalColumns(row(68)), "            1.220,00");
    EXPECT_EQ(TotalColumns(row(69)), "       20%   -200,00");
    EXPECT_EQ(TotalColumns(row(70)), "            1.020,00");
    EXPECT_EQ(engine.TotalsCaptions,
              (std::array<std::string, 5>{"NETTO", "IVA", "TOTALE", "RIT.ACC", "PAGARE"}));
}

TEST_F(EngineTest, WithholdingRateCanBeSuppressed) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.WithholdingAmount = 20000;
    engine.document.WithholdingRate = 20;
    engine.document.WithholdingRateSuppress = 1;
    engine.PrintTotalRows(67);
    EXPECT_EQ(TotalColumns(row(69)), "             -200,00");
    EXPECT_EQ(engine.TotalsCaptions[3], "RIT.ACC");
}

TEST_F(EngineTest, WithholdingCaptionShrinksWithLongTexts) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.WithholdingRate = 12.5;
    engine.document.WithholdingAmount = 1234567890; // -12.345.678,90: 14 characters with the rate 12,5%
    engine.PrintTotalRows(67);
    EXPECT_EQ(engine.TotalsCaptions[3], "RA");
    EXPECT_EQ(TotalColumns(row(69)), "   12,5%-12345678,90");
}

TEST_F(EngineTest, LargeNetCutsItsCaption) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.GrandTotal = 12345678901;
    engine.PrintTotalRows(67);
    EXPECT_EQ(engine.TotalsCaptions[1], "NETT");
    EXPECT_EQ(TotalColumns(row(67)), "      123.456.789,01");
    EXPECT_EQ(engine.TotalsCaptions[4], "TOTAL"); // 14 characters: caption cut to 5
    EXPECT_EQ(TotalColumns(row(70)), "      123.456.789,01");
}

TEST_F(EngineTest, TotalCaptionKeptWithRoom) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.GrandTotal = 123456789; // 1.234.567,89: 12 characters
    engine.PrintTotalRows(67);
    EXPECT_EQ(engine.TotalsCaptions[4], "TOTALE");
    EXPECT_EQ(TotalColumns(row(70)), "        1.234.567,89");
}

TEST_F(EngineTest, OverflowTotalCutsCaptionToFour) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.GrandTotal = -12345678901; // -123.456.789,01: 15 characters
    engine.PrintTotalRows(67);
    EXPECT_EQ(engine.TotalsCaptions[4], "TOTA");
    EXPECT_EQ(TotalColumns(row(70)), "     -123.456.789,01");
}

TEST_F(EngineTest, CurrencySymbolBeforeTheTotal) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.currency = true;
    engine.currencySymbol = "EUR";
    engine.document.GrandTotal = 100;
    engine.PrintTotalRows(67);
    EXPECT_EQ(TotalColumns(row(70)), "            EUR 1,00");
}

TEST_F(EngineTest, ForeignCurrencyNote) {
    engine.pageCount = 1;
    engine.currentPage = 1;
    engine.document.DocCurrency = "USD";
    engine.PrintTotalRows(67);
    EXPECT_EQ(columns(66, 65, 76), "(VALUTA=USD)");
}

TEST_F(EngineTest, PagesBeforeTheLastShowSegue) {
    engine.pageCount = 2;
    engine.currentPage = 1;
    engine.document.GrandTotal = 100;
    engine.TotalsCaptions = {"X", "X", "X", "X", "X"};
    engine.TotalsTop = 66;
    engine.PrintTotalsBox();
    EXPECT_EQ(trimmedRow(70), std::string(68, ' ') + "SEGUE");
    EXPECT_EQ(trimmedRow(67), "");
    EXPECT_EQ(engine.TotalsCaptions, (std::array<std::string, 5>{"TOTALI:", "", "", "", ""}));
}

TEST_F(EngineTest, BalanceOfZeroWithoutInstalmentsStillShowsSaldare) {
    engine.PrintDueRows(67);
    EXPECT_EQ(columns(67, 1, 20), " SALDARE        0,00");
    EXPECT_EQ(trimmedRow(68), "");
}

TEST_F(EngineTest, NegativeBalanceShowsCredit) {
    engine.document.BalanceDue = -5000;
    engine.document.AmountPaid = 1000;
    engine.PrintDueRows(67);
    EXPECT_EQ(columns(67, 1, 20), "  PAGATO       10,00");
    EXPECT_EQ(columns(68, 1, 20), " VS.CRED       50,00");
}

TEST_F(EngineTest, BalanceAloneWithoutPaymentsIsNotRepeated) {
    engine.document.BalanceDue = 5000;
    engine.PrintDueRows(67);
    EXPECT_EQ(trimmedRow(67), "");
}

TEST_F(EngineTest, PaymentGroupOrder) {
    engine.document.PreviousBalance = -1000;
    engine.document.AmountPaid = 2000;
    engine.document.Allowance = 300;
    engine.document.BalanceDue = 4000;
    engine.document.SetDueDate(1, EncodeDay(31, 1, 2026));
    engine.document.SetDueAmount(1, 4000);
    engine.PrintDueRows(67);
    EXPECT_EQ(columns(66, 1, 20), "CREDPREC       10,00"); // five rows: one row up
    EXPECT_EQ(columns(67, 1, 20), "  PAGATO       20,00");
    EXPECT_EQ(columns(68, 1, 20), " ABBUONO        3,00");
    EXPECT_EQ(columns(69, 1, 20), "31.01.26       40,00");
    EXPECT_EQ(columns(70, 1, 20), " SALDARE       40,00");
    EXPECT_FALSE(engine.ShowDueCaptions);
}

TEST_F(EngineTest, CashSaleShowsIncassoAndNoInstalments) {
    engine.document.DocKind = 1;
    engine.document.AmountPaid = 2000;
    engine.document.SetDueDate(1, EncodeDay(31, 1, 2026));
    engine.document.SetDueAmount(1, 4000);
    engine.PrintDueRows(67);
    EXPECT_EQ(columns(67, 1, 20), " INCASSO       20,00");
    EXPECT_EQ(trimmedRow(68), "");
}

TEST_F(EngineTest, FiveInstalmentsLeaveNoRoomForTheBalance) {
    engine.document.BalanceDue = 5000;
    engine.document.AmountPaid = 100;
    for (int i = 1; i <= 5; ++i) {
        engine.document.SetDueDate(i, EncodeDay(i, 3, 2026));
        engine.document.SetDueAmount(i, 1000);
    }
    engine.PrintDueRows(67);
    EXPECT_EQ(columns(66, 1, 20), "01.03.26       10,00");
    EXPECT_EQ(columns(70, 1, 20), "05.03.26       10,00");
    EXPECT_FALSE(engine.ShowDueCaptions);
}

TEST_F(EngineTest, Option92HidesTheBalances) {
    engine.option92 = true;
    engine.document.BalanceDue = 5000;
    engine.document.AmountPaid = 100;
    engine.PrintDueRows(67);
    EXPECT_EQ(trimmedRow(67), "");
}

TEST_F(EngineTest, SecondCurrencySimpleForm) {
    engine.document.AltCurrency = "EUR";
    engine.document.AltTotal = 123456;
    engine.BuildCurrencyTotalsLines();
    ASSERT_EQ(engine.totalsLines.size(), 1u);
    EXPECT_EQ(engine.totalsLines[0], "TOTALI IN EUR:    1.234,56");
}

TEST_F(EngineTest, SecondCurrencyOtherThanEuroHasNoDecimals) {
    engine.document.AltCurrency = "ITL";
    engine.document.AltTotal = 2390000;
    engine.BuildCurrencyTotalsLines();
    ASSERT_EQ(engine.totalsLines.size(), 1u);
    EXPECT_EQ(engine.totalsLines[0], "TOTALI IN ITL:   2.390.000");
}

TEST_F(EngineTest, SecondCurrencyVatRowsAndWithholding) {
    engine.document.AltCurrency = "EUR";
    engine.document.AltTotal = 12200;
    engine.document.AltVatCodes = {"22", "4"};
    engine.document.AltVatTaxables = {"10000", "500"};
    engine.document.AltVatTaxes = {"2200", "20"};
    engine.document.AltWithholding = -2000;
    engine.BuildCurrencyTotalsLines();
    ASSERT_EQ(engine.totalsLines.size(), 3u);
    EXPECT_EQ(engine.totalsLines[0], "TOTALI IN EUR:" + std::string(6 + 7, ' ') + "100,00    IVA 22 " +
                                         std::string(5, ' ') + "22,00   ");
    EXPECT_EQ(engine.totalsLines[1],
              std::string(20 + 9, ' ') + "5,00    IVA 4  " + std::string(6, ' ') + "0,20   ");
    EXPECT_EQ(engine.totalsLines[2],
              std::string(35, ' ') + "- RIT.ACC    -20,00    TOT" + std::string(6, ' ') + "122,00");
}

TEST_F(EngineTest, NoSecondCurrencyLinesWithoutTotals) {
    engine.document.AltCurrency = "EUR";
    engine.document.PriceKind = 1;
    engine.BuildCurrencyTotalsLines();
    EXPECT_TRUE(engine.totalsLines.empty());
}
