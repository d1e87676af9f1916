#include <gtest/gtest.h>

#include "docdata/document_limits.h"
#include "docdata/document_reader.h"
#include "docdata/issuer_data.h"
#include "temp_document.h"
#include "util/pivot_year_guard.h"
#include "util/separators_guard.h"

namespace {

const std::string SampleInvoice = std::string(STAMPADOC_TEST_DATA) + "/docdata/fattura_completa.txt";

// Every reader test starts with the C-locale separators and the pivot of a run in 2000.
class DocumentReaderTest : public ::testing::Test {
protected:
    SeparatorsGuard separators{'.', '\0'};
    PivotYearGuard pivot{1925};
    TRecDocObjectBase doc;
    RunParameters params;

    void Read(const std::string& path) { ReadDocumentFile(path, doc, params); }
};

void ExpectDate(double date, int day, int month, int year) {
    EXPECT_EQ(DayOf(date), day);
    EXPECT_EQ(MonthOf(date), month);
    EXPECT_EQ(YearOf(date), year);
}

TEST_F(DocumentReaderTest, SampleInvoiceIdentityAndCurrency) {
    Read(SampleInvoice);
    EXPECT_EQ(doc.DocTypeCode, "F");
    EXPECT_EQ(doc.DocKind, 3);
    EXPECT_EQ(doc.DocTitle, "FATTURA ACCOMPAGNATORIA");
    // Line 6 leaves the currency empty: the accounting currency of line 7 takes its place.
    EXPECT_EQ(doc.DocCurrency, "EUR");
    EXPECT_EQ(doc.DocCurrencyDecimals, 2);
    EXPECT_EQ(doc.BaseCurrency, "EUR");
    EXPECT_EQ(doc.BaseCurrencyDecimals, 2);
    EXPECT_EQ(doc.ExchangeRate, 1);
    ExpectDate(doc.DocDate, 5, 3, 2007);
    EXPECT_EQ(doc.DocSeries, "A");
    EXPECT_EQ(doc.DocNumber, 123);
}

TEST_F(DocumentReaderTest, SampleInvoiceIssuerSwapsFiscalCodeAndVatNumber) {
    IssuerData = TDatiGlobali{};
    Read(SampleInvoice);
    EXPECT_EQ(IssuerData.Name1, "ROSSI S.P.A.");
    EXPECT_EQ(IssuerData.Name2, "DIVISIONE NORD");
    EXPECT_EQ(IssuerData.Street, "VIA ROMA 1");
    EXPECT_EQ(IssuerData.Town, "MILANO");
    EXPECT_EQ(IssuerData.Province, "MI");
    EXPECT_EQ(IssuerData.FiscalCode, "RSSMRA80A01F205X");
    EXPECT_EQ(IssuerData.VatNumber, "01234567890");
    EXPECT_EQ(IssuerData.Extra1, "TEL. 02 123");
    EXPECT_EQ(IssuerData.Extra2, "CAP. SOC. 10.000");
}

TEST_F(DocumentReaderTest, SampleInvoiceTransportAndCarrier) {
    Read(SampleInvoice);
    EXPECT_EQ(doc.TransportBy, 1);
    EXPECT_EQ(doc.PackageCount, "12");
    EXPECT_EQ(doc.Weight, "150 KG");
    EXPECT_EQ(doc.FreightTerms, "FRANCO");
    EXPECT_EQ(doc.GoodsAppearance, "SCATOLE");
    EXPECT_EQ(doc.TransportReason, "VENDITA");
    EXPECT_EQ(doc.TransportMeansText, "");
    ExpectDate(doc.TransportDate, 5, 3, 2007);
    EXPECT_EQ(doc.AuxText13, "AUX13");
    EXPECT_EQ(doc.CarrierName, "BARTOLINI");
    EXPECT_EQ(doc.CarrierStreet, "VIA PO 2");
    EXPECT_EQ(doc.CarrierTown, "TORINO");
    EXPECT_EQ(doc.CarrierProvince, "TO");
    EXPECT_EQ(doc.CarrierTaxId, "09876543210");
    EXPECT_EQ(doc.CarrierExtra1, "EXTRA UNO");
    EXPECT_EQ(doc.CarrierExtra2, "EXTRA DUE");
    EXPECT_EQ(doc.AuxCode14, "Z");
}

TEST_F(DocumentReaderTest, SampleInvoiceCustomerBankAndOffice) {
    Read(SampleInvoice);
    EXPECT_EQ(doc.CustomerCode, "C0042");
    EXPECT_EQ(doc.CustomerName1, "BIANCHI MARIO");
    EXPECT_EQ(doc.CustomerName2, "FERRAMENTA");
    EXPECT_EQ(doc.CustomerStreet, "CORSO ITALIA 10");
    EXPECT_EQ(doc.CustomerTown, "BOLOGNA");
    EXPECT_EQ(doc.CustomerProvince, "BO");
    EXPECT_EQ(doc.CustomerVatNumber, "01234567890");
    EXPECT_EQ(doc.CustomerFiscalCode, "BNCMRA70B02A944Y");
    EXPECT_EQ(doc.CustomerTaxClass, "C13 E24");
    EXPECT_EQ(doc.CustomerVatCountry, "IT");
    EXPECT_EQ(doc.BankIbanPrefix, "IT60X");
    EXPECT_EQ(doc.BankAbi, "05428");
    EXPECT_EQ(doc.BankCab, "11101");
    EXPECT_EQ(doc.BankAccount, "000000123456");
    EXPECT_EQ(doc.AuxText24 + doc.AuxText25 + doc.AuxText27 + doc.AuxText28, "AUX24AUX25AUX27AUX28");
    EXPECT_EQ(doc.AuxText35 + doc.AuxText41, "AUX35AUX41");
    EXPECT_EQ(doc.LegalName1, "SEDE LEGALE SRL");
    EXPECT_EQ(doc.LegalName2, "SECONDO NOME");
    EXPECT_EQ(doc.LegalStreet, "VIA LEGALE 3");
    EXPECT_EQ(doc.LegalTown, "ROMA");
    EXPECT_EQ(doc.LegalProvince, "RM");
    EXPECT_EQ(doc.AgentCode, "AG7");
    EXPECT_EQ(doc.PriceKind, 0);
    EXPECT_EQ(doc.PricesIncludeVat, 1);
}

TEST_F(DocumentReaderTest, SampleInvoiceNotesOfAnInvoice) {
    Read(SampleInvoice);
    EXPECT_EQ(doc.HeaderNote1, "NOTA UNO");
    // For kinds 3 and 4 lines 43 and 44 are not read: note 2 comes from line 47, note 3 from line 69.
    EXPECT_EQ(doc.HeaderNote2, "NOTA 47");
    EXPECT_EQ(doc.HeaderNote3, "NOTA 69");
}

TEST_F(DocumentReaderTest, SampleInvoicePaymentsAndBalances) {
    Read(SampleInvoice);
    EXPECT_EQ(doc.AmountPaid, 150000);
    ExpectDate(doc.GetDueDate(1), 31, 3, 2007);
    EXPECT_EQ(doc.GetDueAmount(1), 60000);
    ExpectDate(doc.GetDueDate(2), 30, 4, 2007);
    EXPECT_EQ(doc.GetDueAmount(2), 90000);
    EXPECT_EQ(doc.GetDueDate(3), UnreadableDate); // 31.02.07
    EXPECT_EQ(doc.GetDueAmount(3), 0);            // "abc"
    EXPECT_EQ(doc.GetDueDate(4), NullDate);
    EXPECT_EQ(doc.GetDueDate(5), NullDate);
    EXPECT_EQ(doc.BalanceDue, -2500);
    EXPECT_EQ(doc.Allowance, 50);
    EXPECT_EQ(doc.PreviousBalance, -1000);
    ExpectDate(doc.AuxDate65, 31, 12, 2006);
    EXPECT_EQ(doc.AuxText62 + doc.AuxText63 + doc.AuxText64 + doc.AuxText66 + doc.AuxText67,
              "AUX62AUX63AUX64AUX66AUX67");
    EXPECT_EQ(doc.WithholdingRate, 20);
    EXPECT_EQ(doc.WithholdingRateSuppress, 0);
}

TEST_F(DocumentReaderTest, SampleInvoiceTotalsAndVatRows) {
    Read(SampleInvoice);
    EXPECT_EQ(doc.VatTotal, 22000);
    EXPECT_EQ(doc.GrandTotal, 122000);
    EXPECT_EQ(doc.WithholdingAmount, 20000); // the negation of the file's -20000
    EXPECT_EQ(doc.AuxAmount7, 7);
    EXPECT_EQ(doc.AuxAmount8, 8);
    EXPECT_EQ(doc.VatRows[0].Code, "22");
    EXPECT_EQ(doc.VatDescriptions[0], "IVA 22%");
    EXPECT_EQ(doc.VatRows[0].Taxable, 100000);
    EXPECT_EQ(doc.VatRows[0].Tax, 22000);
    EXPECT_EQ(doc.VatRows[1].Code, "4");
    EXPECT_EQ(doc.VatDescriptions[1], "IVA 4%");
    EXPECT_EQ(doc.VatRows[2].Code, "");
    EXPECT_EQ(doc.VatRows[4].Tax, 0);
}

TEST_F(DocumentReaderTest, SampleInvoiceSecondCurrency) {
    Read(SampleInvoice);
    EXPECT_EQ(GetDecimalSeparator(), ',');
    EXPECT_EQ(GetThousandSeparator(), '.');
    EXPECT_EQ(doc.AltCurrency, "USD");
    EXPECT_EQ(doc.AltTotal, 1234.5);
    EXPECT_EQ(doc.AltWithholding, -200);
    // Line 84 has no code and is skipped; line 85 still adds its row.
    EXPECT_EQ(doc.AltVatCodes, (std::vector<std::string>{"22", "4"}));
    EXPECT_EQ(doc.AltVatTaxables, (std::vector<std::string>{"1234,5", "0,5"}));
    EXPECT_EQ(doc.AltVatTaxes, (std::vector<std::string>{"271,59", "0"}));
}

TEST_F(DocumentReaderTest, SampleInvoiceRunParameters) {
    Read(SampleInvoice);
    EXPECT_EQ(params.ColumnHeadings, (std::array<std::string, 8>{"CODICE", "DESCRIZIONE", "UM", "QUANTITA'",
                                                                 "PREZZO", "SCONTO", "IMPORTO", "IVA"}));
    EXPECT_EQ(params.LogoFile, "C:\\LOGHI\\LOGO.JPG");
    EXPECT_EQ(params.ReservedTopLines, 2);
    EXPECT_EQ(params.ReservedBottomLines, 1);
    // True exactly for the value 1 ("$1" converts to 1; 2 and empty do not count).
    EXPECT_EQ(params.LayoutSwitches, (std::array<bool, 5>{true, false, false, true, false}));
    EXPECT_EQ(params.OutputPdfPath, "C:\\OUT\\FATTURE.PDF");
}

TEST_F(DocumentReaderTest, SampleInvoiceDocumentLines) {
    Read(SampleInvoice);
    ASSERT_EQ(doc.Lines.Count(), 3);
    const TRecRigaDocObject& first = *doc.Lines.Line(0);
    EXPECT_EQ(first.ArticleCode, "ART1");
    EXPECT_EQ(first.Description, "VITE 6X20 \xe0 TESTA");
    EXPECT_EQ(first.Unit, "PZ");
    // Decimal texts carry the separator of line 79 whichever the file used.
    EXPECT_EQ(first.Quantity, "10,5");
    EXPECT_EQ(first.UnitPrice, "1,25");
    EXPECT_EQ(first.Discount, "10");
    EXPECT_EQ(first.VatCode, "22");
    EXPECT_EQ(first.Column11, "C11");
    EXPECT_EQ(first.AltPrice, "1,1");
    EXPECT_EQ(first.Amount, 12500);
    EXPECT_EQ(doc.Lines.Strings(0), "");
    EXPECT_EQ(GetLineArticleCode(doc.Lines, 1), "%");
    EXPECT_EQ(GetLineAmount(doc.Lines, 1), -1000);
    EXPECT_EQ(GetLineArticleCode(doc.Lines, 2), "");
    EXPECT_EQ(GetLineDescription(doc.Lines, 2), "RIGA DESCRITTIVA");
}

TEST_F(DocumentReaderTest, LowerCaseFileLetterIsUpperCasedBeforeDecoding) {
    TempDocument file;
    file.Line(1, "\"1\",\"c\"");
    Read(file.Write());
    EXPECT_EQ(doc.DocTypeCode, "C");
    EXPECT_EQ(doc.DocKind, 6);
}

TEST_F(DocumentReaderTest, MaxLenAppliesBeforeDecoding) {
    TempDocument file;
    file.Line(1, "\"1\",\"ix\"")
        .Line(11, "\"11\",\"VV\"")
        .Line(39, "\"39\",\"LX\"")
        .Line(33, "\"33\",\"21\"");
    Read(file.Write());
    EXPECT_EQ(doc.DocTypeCode, "I");
    EXPECT_EQ(doc.DocKind, 4);
    EXPECT_EQ(doc.TransportBy, 1);
    EXPECT_EQ(doc.PricesIncludeVat, 1);
    EXPECT_EQ(doc.PriceKind, 2);
}

TEST_F(DocumentReaderTest, DocumentNumberForms) {
    const std::pair<const char*, std::pair<const char*, int>> cases[] = {
        {"B123", {"B", 123}}, {"123", {"123", 0}}, {"B", {"B", 0}},
        {"BX1", {"B", 0}},    {"/5", {"/5", 0}},   {"", {"", 0}}};
    for (const auto& [text, expected] : cases) {
        TempDocument file;
        file.Line(73, std::string("\"73\",\"\",\"") + text + "\"");
        TRecDocObjectBase record;
        ReadDocumentFile(file.Write(), record, params);
        EXPECT_EQ(record.DocSeries, expected.first) << text;
        EXPECT_EQ(record.DocNumber, expected.second) << text;
    }
}

TEST_F(DocumentReaderTest, AmountsReadEitherSeparatorButNeverThousandsOrExponents) {
    SeparatorsGuard italian(',', '.');
    TempDocument file;
    file.Line(48, "\"48\";\"12,50\"")
        .Line(59, "\"59\",\"1.234,56\"")
        .Line(60, "\"60\",\"1E3\"")
        .Line(61, "\"61\",\"123456789012345678901\"")
        .Line(68, "\"68\",\"12.5\",\"7\"");
    Read(file.Write());
    EXPECT_EQ(doc.AmountPaid, 12.5);
    EXPECT_EQ(doc.BalanceDue, 0);
    EXPECT_EQ(doc.Allowance, 0);
    EXPECT_EQ(doc.PreviousBalance, 0);
    EXPECT_EQ(doc.WithholdingRate, 12.5);
    EXPECT_EQ(doc.WithholdingRateSuppress, 7);
}

TEST_F(DocumentReaderTest, SemicolonSeparatedAmountReadsWhateverTheDecimalSeparator) {
    for (char decimal : {'.', ','}) {
        SeparatorsGuard current(decimal, '\0');
        TempDocument file;
        file.Line(48, "\"48\";\"12,50\"");
        TRecDocObjectBase record;
        ReadDocumentFile(file.Write(), record, params);
        EXPECT_EQ(record.AmountPaid, 12.5) << decimal;
    }
}

TEST_F(DocumentReaderTest, LineSeventyNineChangesSeparatorsForLaterLinesOnly) {
    SeparatorsGuard previous('.', ' ');
    TempDocument file;
    file.Line(48, "\"48\",\"1 234.5\"")
        .Line(79, "\"79\",\",.\"")
        .Line(81, "\"81\",\"1 234.5\"")
        .Line(82, "\"82\",\"1.5\"")
        .Line(83, "\"83\",\"22\",\"\",\"12.5\",\"2\"");
    Read(file.Write());
    EXPECT_EQ(doc.AmountPaid, 1234.5); // read with the blank as thousands separator
    EXPECT_EQ(doc.AltTotal, 0);        // the blank is no longer a thousands separator
    EXPECT_EQ(doc.AltWithholding, 1.5);
    EXPECT_EQ(doc.AltVatTaxables, (std::vector<std::string>{"12,5"}));
    EXPECT_EQ(GetDecimalSeparator(), ',');
    EXPECT_EQ(GetThousandSeparator(), '.');
}

TEST_F(DocumentReaderTest, LineSeventyNineWithOneCharacterOrNone) {
    {
        SeparatorsGuard previous(',', '.');
        TempDocument file;
        file.Line(79, "\"79\",\".\"");
        Read(file.Write());
        EXPECT_EQ(GetDecimalSeparator(), '.');
        EXPECT_EQ(GetThousandSeparator(), '\0');
    }
    {
        SeparatorsGuard previous(',', '.');
        TempDocument file;
        file.Line(79, "\"79\",\"\"");
        TRecDocObjectBase record;
        ReadDocumentFile(file.Write(), record, params);
        EXPECT_EQ(GetDecimalSeparator(), ',');
        EXPECT_EQ(GetThousandSeparator(), '.');
    }
}

TEST_F(DocumentReaderTest, LineSeventyNineCannotMakeADigitASeparator) {
    SeparatorsGuard previous(',', '.');
    TempDocument file;
    file.Line(79, "\"79\",\"0.\"").Line(81, "\"81\",\"10\"");
    Read(file.Write());
    EXPECT_EQ(GetDecimalSeparator(), ',');
    EXPECT_EQ(doc.AltTotal, 10);
}

TEST_F(DocumentReaderTest, HeaderNotesOfOtherKinds) {
    const auto notes = [this](const char* letter, const char* line34) {
        TempDocument file;
        file.Line(1, std::string("\"1\",\"") + letter + "\"")
            .Line(34, std::string("\"34\",\"") + line34 + "\"")
            .Line(43, "\"43\",\"N43\"")
            .Line(44, "\"44\",\"N44\"")
            .Line(47, "\"47\",\"N47\"")
            .Line(69, "\"69\",\"N69\"");
        TRecDocObjectBase record;
        ReadDocumentFile(file.Write(), record, params);
        return record.HeaderNote2 + "/" + record.HeaderNote3;
    };
    EXPECT_EQ(notes("S", "SI"), "N43/N47");
    EXPECT_EQ(notes("S", "NO"), "N43/N44");
    EXPECT_EQ(notes("S", ""), "N43/N44");
    EXPECT_EQ(notes("R", "S"), "N43/N44");
    EXPECT_EQ(notes("B", "S"), "N43/N44");
    EXPECT_EQ(notes("F", "S"), "N47/N69");
    EXPECT_EQ(notes("I", "S"), "N47/N69"); // file letter I is kind 4
}

TEST_F(DocumentReaderTest, LineCountAddsEmptyLinesForMissingFileLines) {
    TempDocument file;
    file.Line(98, "\"98\",\"2\"")
        .Line(100, "\"A1\",\"PRIMA\",\"PZ\",\"1\",\"2\",\"\",\"22\",\"\",\"\",\"300\"");
    Read(file.Write());
    ASSERT_EQ(doc.Lines.Count(), 2);
    EXPECT_EQ(GetLineDescription(doc.Lines, 0), "PRIMA");
    EXPECT_EQ(GetLineAmount(doc.Lines, 0), 300);
    const TRecRigaDocObject& second = *doc.Lines.Line(1);
    EXPECT_EQ(second.ArticleCode + second.Description + second.Unit + second.Quantity + second.UnitPrice +
                  second.Discount + second.VatCode + second.Column11 + second.AltPrice,
              "");
    EXPECT_EQ(second.Amount, 0);
}

TEST_F(DocumentReaderTest, LineCountBelowOneGivesNoLines) {
    for (const char* count : {"0", "-5", "X", ""}) {
        TempDocument file;
        file.Line(98, std::string("\"98\",\"") + count + "\"").Line(100, "\"A1\",\"PRIMA\"");
        TRecDocObjectBase record;
        record.Lines.Add("");
        ReadDocumentFile(file.Write(), record, params);
        EXPECT_EQ(record.Lines.Count(), 0) << count;
    }
}

TEST_F(DocumentReaderTest, LineCountIsCappedAtTheFileLinesPlusAThousand) {
    TempDocument file;
    file.Line(98, "\"98\",\"100000\"").Line(101, "\"A2\",\"SECONDA\"");
    Read(file.Write());
    // The file holds two document lines (100 and 101): at most 1002 lines.
    ASSERT_EQ(doc.Lines.Count(), 1002);
    EXPECT_EQ(GetLineArticleCode(doc.Lines, 1), "A2");
    EXPECT_EQ(GetLineArticleCode(doc.Lines, 1001), "");
    EXPECT_EQ(params.DocumentLineCount, 100000);
}

TEST_F(DocumentReaderTest, LineCountBeyondTheLimitReadsNoLine) {
    for (const char* count : {"100001", "2147483647", "$7FFFFFFF"}) {
        TempDocument file;
        file.Line(98, std::string("\"98\",\"") + count + "\"").Line(100, "\"A1\",\"PRIMA\"");
        TRecDocObjectBase record;
        ReadDocumentFile(file.Write(), record, params);
        EXPECT_EQ(record.Lines.Count(), 0) << count;
        EXPECT_GT(params.DocumentLineCount, MaxDocumentLines) << count;
    }
}

TEST_F(DocumentReaderTest, LayoutIntegersAreClampedToWhatTheLayoutCanUse) {
    const struct {
        const char* text;
        int32_t rows;     // lines 90 and 91
        int32_t decimals; // lines 6 and 7
    } cases[] = {
        {"-2147483648", 0, 0}, {"2147483647", MaxPageRows, MaxCurrencyDecimals}, {"-1", 0, 0}, {"3", 3, 3}};
    for (const auto& c : cases) {
        TempDocument file;
        const std::string value = std::string("\"") + c.text + "\"";
        file.Line(6, "\"6\"," + value + ",\"USD\"").Line(7, "\"7\"," + value + ",\"EUR\"");
        file.Line(90, "\"90\"," + value).Line(91, "\"91\"," + value);
        Read(file.Write());
        EXPECT_EQ(params.ReservedTopLines, c.rows) << c.text;
        EXPECT_EQ(params.ReservedBottomLines, c.rows) << c.text;
        EXPECT_EQ(doc.DocCurrencyDecimals, c.decimals) << c.text;
        EXPECT_EQ(doc.BaseCurrencyDecimals, c.decimals) << c.text;
    }
}

TEST_F(DocumentReaderTest, IntegerFieldsUseTheIntegerConversion) {
    TempDocument file;
    file.Line(6, "\"6\",\" 3\",\"usd\"")
        .Line(7, "\"7\",\"0x10\",\"eur\"")
        .Line(90, "\"90\",\"2.5\"")
        .Line(91, "\"91\",\"-$2\"")
        .Line(92, "\"92\",\"01\"")
        .Line(93, "\"93\",\"1X\"");
    Read(file.Write());
    EXPECT_EQ(doc.DocCurrencyDecimals, 3);
    EXPECT_EQ(doc.DocCurrency, "USD");
    EXPECT_EQ(doc.BaseCurrencyDecimals, 16);
    EXPECT_EQ(params.ReservedTopLines, 0);
    EXPECT_EQ(params.ReservedBottomLines, 0); // -2, clamped
    EXPECT_TRUE(params.LayoutSwitches[0]);
    EXPECT_FALSE(params.LayoutSwitches[1]);
}

TEST_F(DocumentReaderTest, EmptyOrMissingFileLeavesEverythingAsGiven) {
    params.LogoFile = "KEEP";
    params.ReservedTopLines = 9;
    params.LayoutSwitches[2] = true;
    IssuerData.Name1 = "PREVIOUS";
    TempDocument empty;
    Read(empty.WriteRaw(""));
    Read(::testing::TempDir() + "stampadoc_missing_document.txt");
    EXPECT_EQ(params.LogoFile, "KEEP");
    EXPECT_EQ(params.ReservedTopLines, 9);
    EXPECT_TRUE(params.LayoutSwitches[2]);
    EXPECT_EQ(IssuerData.Name1, "PREVIOUS");
    EXPECT_EQ(doc.DocDate, NullDate);
    EXPECT_EQ(doc.Lines.Count(), 0);
}

TEST_F(DocumentReaderTest, AFileWithLinesOverwritesEveryParameter) {
    params.LogoFile = "OLD";
    params.ColumnHeadings[3] = "OLD";
    params.LayoutSwitches[2] = true;
    IssuerData.Name1 = "PREVIOUS";
    TempDocument file;
    file.Line(1, "\"1\",\"F\"");
    Read(file.Write());
    EXPECT_EQ(params.LogoFile, "");
    EXPECT_EQ(params.ColumnHeadings[3], "");
    EXPECT_FALSE(params.LayoutSwitches[2]);
    EXPECT_EQ(IssuerData.Name1, "");
    EXPECT_EQ(doc.DocDate, NullDate);
    EXPECT_EQ(doc.TransportDate, NullDate);
}

TEST_F(DocumentReaderTest, DatesThatDoNotReadBecomeUnreadableDate) {
    TempDocument file;
    file.Line(12, "\"12\",\"2007-03-05\"").Line(73, "\"73\",\"fi.02.2004\"").Line(65, "\"65\",\"  \"");
    Read(file.Write());
    EXPECT_EQ(doc.TransportDate, UnreadableDate);
    ExpectDate(doc.DocDate, 29, 2, 2004); // upper-cased before reading
    EXPECT_EQ(doc.AuxDate65, NullDate);
}

TEST_F(DocumentReaderTest, ArbitraryBytesNeverBreakTheReader) {
    std::string junk;
    for (int i = 0; i < 4000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    TempDocument file;
    Read(file.WriteRaw(junk));
    TempDocument longLine;
    std::string content = "\"1\",\"F\"\n\"2\",\"" + std::string(2'000'000, 'x') + "\n";
    for (int i = 3; i <= 97; ++i)
        content += "\"\"\"\"\"\"\"\"\"\n";
    content += "\"98\",\"5\"\r" + std::string(100, '\0');
    TRecDocObjectBase record;
    ReadDocumentFile(longLine.WriteRaw(content), record, params);
    EXPECT_EQ(record.DocTitle.size(), 2'000'000u);
    EXPECT_EQ(record.Lines.Count(), 5);
}

} // namespace
