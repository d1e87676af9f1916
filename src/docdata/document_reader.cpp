#include "docdata/document_reader.h"

#include "docdata/code_tables.h"
#include "docdata/document_limits.h"
#include "docdata/issuer_data.h"
#include "util/dates.h"
#include "util/numbers.h"

#include <algorithm>

namespace {

// Beyond the document lines the file holds, at most this many empty lines are added for the line count.
constexpr int ExtraEmptyLines = 1000;

// First file line of the document lines.
constexpr int FirstDocumentLine = 100;

// Typed access to the fields of the file; field numbers are the file's, counted from 0.
class FieldReader {
public:
    explicit FieldReader(const TImportaSeq& file) : file(file) {}

    std::string Text(int line, int field, int maxLen = 0) const {
        return file.GetField(line, field + 1, maxLen);
    }

    int32_t Integer(int line, int field) const { return ParseInteger(Text(line, field), 0); }

    // Both "," and "." stand for the decimal separator.
    std::string DecimalText(int line, int field) const {
        std::string text = Text(line, field);
        const char separator = GetDecimalSeparator();
        for (char& c : text)
            if (c == ',' || c == '.')
                c = separator;
        return text;
    }

    double Amount(int line, int field) const { return ParseNumber(DecimalText(line, field), 0); }

    bool IsEmptyLine(int line) const { return file.Lines[static_cast<size_t>(line - 1)].empty(); }

    TDateTime Date(int line, int field) const {
        TDateTime date = NullDate;
        return ReadDate(Text(line, field), date) ? date : UnreadableDate;
    }

private:
    const TImportaSeq& file;
};

void ReadIdentity(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.DocTypeCode = in.Text(1, 1, 1);
    doc.DocKind = TranslateFileDocType(doc.DocTypeCode);
    doc.DocTitle = in.Text(2, 1);
    doc.DocCurrencyDecimals = ClampToRange(in.Integer(6, 1), 0, MaxCurrencyDecimals);
    doc.DocCurrency = in.Text(6, 2);
    doc.ExchangeRate = in.Amount(6, 3);
    doc.BaseCurrencyDecimals = ClampToRange(in.Integer(7, 1), 0, MaxCurrencyDecimals);
    doc.BaseCurrency = in.Text(7, 2);
}

void ReadIssuer(const FieldReader& in) {
    IssuerData.Name1 = in.Text(8, 1);
    IssuerData.Name2 = in.Text(8, 2);
    IssuerData.Street = in.Text(8, 3);
    IssuerData.Town = in.Text(8, 4);
    IssuerData.Province = in.Text(8, 5);
    IssuerData.FiscalCode = in.Text(8, 6);
    IssuerData.VatNumber = in.Text(8, 7);
    IssuerData.Extra1 = in.Text(8, 8);
    IssuerData.Extra2 = in.Text(8, 9);
}

void ReadTransport(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.TransportBy = DecodeTransportBy(in.Text(11, 1, 1));
    doc.PackageCount = in.Text(11, 2);
    doc.Weight = in.Text(11, 3);
    doc.FreightTerms = in.Text(11, 4);
    doc.GoodsAppearance = in.Text(11, 6);
    doc.TransportReason = in.Text(11, 7);
    doc.TransportDate = in.Date(12, 1);
    doc.AuxText13 = in.Text(13, 1);
    doc.CarrierName = in.Text(13, 2);
    doc.CarrierStreet = in.Text(13, 3);
    doc.CarrierTown = in.Text(13, 4);
    doc.CarrierProvince = in.Text(13, 5);
    doc.CarrierTaxId = in.Text(13, 6);
    doc.CarrierExtra1 = in.Text(13, 7);
    doc.CarrierExtra2 = in.Text(13, 8);
    doc.AuxCode14 = in.Text(14, 1, 1);
}

void ReadCustomer(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.CustomerCode = in.Text(15, 1);
    doc.CustomerName1 = in.Text(16, 1);
    doc.CustomerName2 = in.Text(17, 1);
    doc.CustomerStreet = in.Text(18, 1);
    doc.CustomerTown = in.Text(19, 1);
    doc.CustomerProvince = in.Text(20, 1);
    doc.CustomerVatNumber = in.Text(21, 1);
    doc.CustomerFiscalCode = in.Text(21, 2);
    doc.CustomerTaxClass = in.Text(22, 1);
    doc.AuxText24 = in.Text(24, 1);
    doc.AuxText25 = in.Text(25, 1);
    const std::string bank = in.Text(26, 1);
    auto part = [&bank](size_t from, size_t length) {
        return from < bank.size() ? bank.substr(from, length) : std::string();
    };
    doc.BankIbanPrefix = part(0, 5);
    doc.BankAbi = part(5, 5);
    doc.BankCab = part(10, 5);
    doc.BankAccount = part(15, 12);
    doc.AuxText27 = in.Text(27, 1);
    doc.AuxText28 = in.Text(28, 1);
    doc.CustomerVatCountry = in.Text(29, 1);
}

void ReadNotesAndOffice(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.PriceKind = DecodePriceKind(in.Text(33, 1, 1));
    bool line34Yes = false;
    if (doc.DocKind == 1) {
        const std::string answer = in.Text(34, 1);
        line34Yes = !answer.empty() && answer[0] == 'S';
    }
    doc.AuxText35 = in.Text(35, 1);
    doc.LegalStreet = in.Text(36, 1);
    doc.LegalTown = in.Text(37, 1);
    doc.LegalProvince = in.Text(38, 1);
    doc.PricesIncludeVat = DecodePricesIncludeVat(in.Text(39, 1, 1));
    doc.AgentCode = in.Text(40, 1);
    doc.AuxText41 = in.Text(41, 1);
    doc.HeaderNote1 = in.Text(42, 1);
    const bool kindFA = IsKindGroupFA(doc.DocKind);
    if (!kindFA) {
        doc.HeaderNote2 = in.Text(43, 1);
        doc.HeaderNote3 = in.Text(44, 1);
    }
    doc.LegalName1 = in.Text(45, 1);
    doc.LegalName2 = in.Text(46, 1);
    if (kindFA)
        doc.HeaderNote2 = in.Text(47, 1);
    else if (doc.DocKind == 1 && line34Yes)
        doc.HeaderNote3 = in.Text(47, 1);
}

void ReadPayments(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.AmountPaid = in.Amount(48, 1);
    for (int index = 1; index <= 5; ++index) {
        doc.SetDueDate(index, in.Date(47 + 2 * index, 1));
        doc.SetDueAmount(index, in.Amount(48 + 2 * index, 1));
    }
    doc.BalanceDue = in.Amount(59, 1);
    doc.Allowance = in.Amount(60, 1);
    doc.PreviousBalance = in.Amount(61, 1);
    doc.AuxText62 = in.Text(62, 1);
    doc.AuxText63 = in.Text(63, 1);
    doc.AuxText64 = in.Text(64, 1);
    doc.AuxDate65 = in.Date(65, 1);
    doc.AuxText66 = in.Text(66, 1);
    doc.AuxText67 = in.Text(67, 1);
    doc.WithholdingRate = in.Amount(68, 1);
    doc.WithholdingRateSuppress = in.Amount(68, 2);
    if (IsKindGroupFA(doc.DocKind))
        doc.HeaderNote3 = in.Text(69, 1);
}

void ReadTotals(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.DocDate = in.Date(73, 1);
    const std::string number = in.Text(73, 2);
    if (!number.empty()) {
        if (number[0] >= 'A' && number[0] <= 'Z') {
            doc.DocSeries = number.substr(0, 1);
            doc.DocNumber = ParseInteger(number.substr(1), 0);
        } else {
            doc.DocSeries = number;
            doc.DocNumber = 0;
        }
    }
    const double taxableTotal = in.Amount(73, 3);
    doc.VatTotal = in.Amount(73, 4);
    doc.GrandTotal = taxableTotal + doc.VatTotal;
    doc.WithholdingAmount = -in.Amount(73, 5);
    doc.AuxAmount7 = in.Amount(73, 7);
    doc.AuxAmount8 = in.Amount(73, 8);
    for (int k = 1; k <= 5; ++k) {
        const int line = 73 + k;
        TVatRow& row = doc.VatRows[static_cast<size_t>(k - 1)];
        row.Code = in.Text(line, 1);
        doc.VatDescriptions[static_cast<size_t>(k - 1)] = in.Text(line, 2);
        row.Taxable = in.Amount(line, 3);
        row.Tax = in.Amount(line, 4);
    }
}

// Line 79: the decimal separator and, when a second character follows, the thousands separator.
void ReadSeparators(const FieldReader& in) {
    const std::string separators = in.Text(79, 1);
    if (separators.empty())
        return;
    SetNumberSeparators(separators[0], separators.size() > 1 ? separators[1] : '\0');
}

void ReadSecondCurrency(const FieldReader& in, TRecDocObjectBase& doc) {
    doc.AltCurrency = in.Text(80, 1);
    doc.AltTotal = in.Amount(81, 1);
    doc.AltWithholding = in.Amount(82, 1);
    for (int line = 83; line <= 87; ++line) {
        const std::string code = in.Text(line, 1);
        if (code.empty())
            continue;
        doc.AltVatCodes.push_back(code);
        doc.AltVatTaxables.push_back(FormatGeneral(in.Amount(line, 3)));
        doc.AltVatTaxes.push_back(FormatGeneral(in.Amount(line, 4)));
    }
}

void ReadRunParameters(const FieldReader& in, RunParameters& params) {
    for (int i = 0; i < 8; ++i)
        params.ColumnHeadings[static_cast<size_t>(i)] = in.Text(88, i + 1);
    params.LogoFile = in.Text(89, 1);
    params.ReservedTopLines = ClampToRange(in.Integer(90, 1), 0, MaxPageRows);
    params.ReservedBottomLines = ClampToRange(in.Integer(91, 1), 0, MaxPageRows);
    for (int i = 0; i < 5; ++i)
        params.LayoutSwitches[static_cast<size_t>(i)] = in.Integer(92 + i, 1) == 1;
    params.OutputPdfPath = in.Text(97, 1);
}

void ReadDocumentLines(const FieldReader& in, int fileLineCount, TRecDocObjectBase& doc,
                       RunParameters& params) {
    int count = std::max(in.Integer(98, 1), 0);
    params.DocumentLineCount = count;
    doc.Lines.Clear();
    // A document beyond the limit is refused by the run: none of its lines is worth reading.
    if (count > MaxDocumentLines)
        return;
    // A line count far beyond the file's own lines must not make the reader allocate without bound.
    const int linesInFile = fileLineCount >= FirstDocumentLine ? fileLineCount - FirstDocumentLine + 1 : 0;
    if (count > linesInFile + ExtraEmptyLines)
        count = linesInFile + ExtraEmptyLines;
    for (int i = 1; i <= count; ++i) {
        const int index = doc.Lines.Add("");
        const int line = FirstDocumentLine - 1 + i;
        // A line missing from the file, or empty, stays a cleared line.
        if (line > fileLineCount || in.IsEmptyLine(line))
            continue;
        TRecRigaDocObject& row = *doc.Lines.Line(index);
        row.ArticleCode = in.Text(line, 0);
        row.Description = in.Text(line, 1);
        row.Unit = in.Text(line, 2);
        row.Quantity = in.DecimalText(line, 3);
        row.UnitPrice = in.DecimalText(line, 4);
        row.Discount = in.DecimalText(line, 5);
        row.VatCode = in.Text(line, 6);
        row.Column11 = in.Text(line, 7);
        row.AltPrice = in.DecimalText(line, 10);
        row.Amount = in.Amount(line, 9);
    }
}

} // namespace

void ReadDocument(const TImportaSeq& file, TRecDocObjectBase& doc, RunParameters& params) {
    if (file.Count() == 0)
        return;
    const FieldReader in(file);
    ReadIdentity(in, doc);
    ReadIssuer(in);
    ReadTransport(in, doc);
    ReadCustomer(in, doc);
    ReadNotesAndOffice(in, doc);
    ReadPayments(in, doc);
    ReadTotals(in, doc);
    // From here on amounts are read with the separators of line 79.
    ReadSeparators(in);
    ReadSecondCurrency(in, doc);
    ReadRunParameters(in, params);
    ReadDocumentLines(in, file.Count(), doc, params);
    if (doc.DocCurrency.empty()) {
        doc.DocCurrency = doc.BaseCurrency;
        doc.DocCurrencyDecimals = doc.BaseCurrencyDecimals;
    }
}

void ReadDocumentFile(const std::string& fileName, TRecDocObjectBase& doc, RunParameters& params) {
    // Lines after the last document line the limit allows are never read.
    const TImportaSeq file(fileName, false, FirstDocumentLine - 1 + MaxDocumentLines);
    ReadDocument(file, doc, params);
}
