#pragma once

// The document record: every value of one fiscal document, its lines and its second-currency VAT rows.
// A plain bag of fields filled by the document file reader and read by the print engine.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "docdata/code_tables.h"
#include "util/dates.h"

// One document line.
class TRecRigaDocObject {
public:
    // Every text column becomes empty, Amount and Amount2 0.
    void Clear() { *this = TRecRigaDocObject(); }

    std::string ArticleCode; // its first character also marks the kind of line
    std::string Description;
    std::string Unit;
    std::string Quantity;  // decimal text, separator normalised
    std::string Column5;   // spare
    std::string Column6;   // spare
    std::string Column7;   // spare
    std::string UnitPrice; // decimal text
    std::string Discount;  // decimal text
    std::string VatCode;
    std::string Column11;
    std::string AltPrice; // decimal text; printed instead of UnitPrice in the alternative price mode
    double Amount = 0;    // line amount in the currency's smallest unit
    double Amount2 = 0;   // spare
};

// The owning list of document lines: every entry holds a string (unused by the system) and one line
// object, which the list frees on Delete, Clear and destruction. A line that was never written is a
// cleared line that takes no memory of its own: it is created when it is first reached for writing, so
// that thousands of empty lines cost almost nothing. Copies are deep.
class TListaRigheDoc {
public:
    TListaRigheDoc() = default;
    TListaRigheDoc(const TListaRigheDoc& other);
    TListaRigheDoc& operator=(const TListaRigheDoc& other);
    TListaRigheDoc(TListaRigheDoc&&) noexcept = default;
    TListaRigheDoc& operator=(TListaRigheDoc&&) noexcept = default;
    ~TListaRigheDoc() = default;

    int Count() const { return static_cast<int>(entries.size()); }

    // Appends S with a new cleared line and returns its index.
    int Add(const std::string& s);

    // Inserts S at Index (0 to Count) with a new cleared line; other indexes are ignored.
    void Insert(int index, const std::string& s);

    // Frees the line at Index and removes the entry; other indexes are ignored.
    void Delete(int index);

    // Frees every line, first to last, and empties the list.
    void Clear();

    // Clear, then a deep copy of every entry of Source in order.
    void Assign(const TListaRigheDoc& source);

    // The entry's string, empty for an index out of range.
    std::string Strings(int index) const;

    // The entry's line, nullptr for an index out of range. The const form gives a shared cleared line
    // for a line never written.
    TRecRigaDocObject* Line(int index);
    const TRecRigaDocObject* Line(int index) const;

private:
    struct Entry {
        std::string Text;
        std::unique_ptr<TRecRigaDocObject> Object;
    };
    std::vector<Entry> entries;
};

// Column accessors: getters give the column of the line at the 0-based Index, or empty text (0 for
// the amounts) when Index is out of range; setters store only for an index in range.
std::string GetLineText(const TListaRigheDoc& list, int index, std::string TRecRigaDocObject::*column);
void SetLineText(TListaRigheDoc& list, int index, std::string TRecRigaDocObject::*column,
                 const std::string& value);
double GetLineAmount(const TListaRigheDoc& list, int index, double TRecRigaDocObject::*column);
void SetLineAmount(TListaRigheDoc& list, int index, double TRecRigaDocObject::*column, double value);

#define STAMPADOC_LINE_TEXT_ACCESSORS(Column)                                                                \
    inline std::string GetLine##Column(const TListaRigheDoc& list, int index) {                              \
        return GetLineText(list, index, &TRecRigaDocObject::Column);                                         \
    }                                                                                                        \
    inline void SetLine##Column(TListaRigheDoc& list, int index, const std::string& value) {                 \
        SetLineText(list, index, &TRecRigaDocObject::Column, value);                                         \
    }
STAMPADOC_LINE_TEXT_ACCESSORS(ArticleCode)
STAMPADOC_LINE_TEXT_ACCESSORS(Description)
STAMPADOC_LINE_TEXT_ACCESSORS(Unit)
STAMPADOC_LINE_TEXT_ACCESSORS(Quantity)
STAMPADOC_LINE_TEXT_ACCESSORS(Column5)
STAMPADOC_LINE_TEXT_ACCESSORS(Column6)
STAMPADOC_LINE_TEXT_ACCESSORS(Column7)
STAMPADOC_LINE_TEXT_ACCESSORS(UnitPrice)
STAMPADOC_LINE_TEXT_ACCESSORS(Discount)
STAMPADOC_LINE_TEXT_ACCESSORS(VatCode)
STAMPADOC_LINE_TEXT_ACCESSORS(Column11)
STAMPADOC_LINE_TEXT_ACCESSORS(AltPrice)
#undef STAMPADOC_LINE_TEXT_ACCESSORS

inline double GetLineAmount(const TListaRigheDoc& list, int index) {
    return GetLineAmount(list, index, &TRecRigaDocObject::Amount);
}
inline void SetLineAmount(TListaRigheDoc& list, int index, double value) {
    SetLineAmount(list, index, &TRecRigaDocObject::Amount, value);
}
inline double GetLineAmount2(const TListaRigheDoc& list, int index) {
    return GetLineAmount(list, index, &TRecRigaDocObject::Amount2);
}
inline void SetLineAmount2(TListaRigheDoc& list, int index, double value) {
    SetLineAmount(list, index, &TRecRigaDocObject::Amount2, value);
}

// One row of the VAT summary.
struct TVatRow {
    std::string Code;
    double Taxable = 0; // taxable amount ("IMPONIBILE"), smallest currency unit
    double Tax = 0;     // tax ("IMPOSTA"), smallest currency unit
};

// The document record. The five-element arrays are 0-based: element k (1 to 5) of the document file's
// numbering is [k - 1]. Money amounts are counts of the currency's smallest unit.
class TRecDocObjectBase {
public:
    // A new record is cleared: strings empty, numbers 0, dates NullDate, no lines.
    TRecDocObjectBase() = default;

    // Strings empty, numbers 0, dates NullDate, lines and string lists emptied.
    void Clear() { *this = TRecDocObjectBase(); }

    // Copies every field of Source; the lines are copied deeply, so the records share nothing afterwards.
    void Assign(const TRecDocObjectBase& source);

    // Due dates and amounts by index 1 to 5; other indexes read NullDate / 0 and are ignored when set.
    TDateTime GetDueDate(int index) const;
    void SetDueDate(int index, TDateTime value);
    double GetDueAmount(int index) const;
    void SetDueAmount(int index, double value);

    int32_t ReservedInt = 0;
    std::string ReservedText;
    uint8_t ReservedFlag = 0;
    TDocKind DocKind = 0;     // kind after the file letter's translation
    std::string DocTypeCode;  // type letter as in the file, key of the per-document INI settings
    uint8_t AltPriceMode = 0; // set by the print engine: 1 hides discounts and prints AltPrice
    std::string DocTitle;
    TDateTime DocDate = NullDate;
    std::string DocSeries; // series letter, or the whole number text when it starts otherwise
    int32_t DocNumber = 0; // printed only when above 0
    TDateTime ReservedDate = NullDate;
    uint8_t PriceKind = 0; // 0, 1 or 2
    uint8_t PricesIncludeVat = 0;
    std::string BaseCurrency;
    std::string DocCurrency; // BaseCurrency when the file leaves it empty
    double ExchangeRate = 0;
    std::string AuxText35;
    std::string HeaderNote1;
    std::string HeaderNote2;
    std::string HeaderNote3;
    std::string CustomerCode;
    std::string CustomerTaxClass;
    std::string AuxText27;
    std::string AuxText28;
    std::string AuxText24;
    std::string AuxText25;
    std::string BankIbanPrefix; // bank account code characters 1-5
    std::string BankAbi;        // 6-10
    std::string BankCab;        // 11-15
    std::string BankAccount;    // 16-27
    uint8_t ReservedFlag2 = 0;
    std::string CustomerName1;
    std::string CustomerName2;
    std::string CustomerStreet;
    std::string CustomerTown;
    std::string CustomerProvince;
    double WithholdingRate = 0;         // percent
    double WithholdingRateSuppress = 0; // not 0: the rate is not printed
    double PreviousBalance = 0;         // positive a debt, negative a credit
    double AmountPaid = 0;
    std::array<TDateTime, 5> DueDates{NullDate, NullDate, NullDate, NullDate, NullDate};
    std::array<double, 5> DueAmounts{};
    TDateTime AuxDate65 = NullDate;
    double BalanceDue = 0;
    double Allowance = 0;
    std::string AuxText63;
    std::string AuxText64;
    std::string AuxText62;
    std::string ReservedText2;
    std::string AuxText67;
    std::string ReservedText3;
    std::string AuxText66;
    uint8_t TransportBy = 0; // 0 not given, 1 carrier, 2 sender, 3 recipient, 4 other
    std::string AuxText13;
    std::string
        TransportMeansText; // printed after "MEZZO:" when TransportBy is 4; never filled by the reader
    std::string FreightTerms;
    std::string Weight;
    std::string PackageCount;
    std::string GoodsAppearance;
    std::string TransportReason;
    TDateTime TransportDate = NullDate;
    int32_t BaseCurrencyDecimals = 0;
    int32_t DocCurrencyDecimals = 0;
    std::string AuxCode14;
    std::string LegalName1;
    std::string LegalName2;
    std::string LegalStreet;
    std::string LegalTown;
    std::string LegalProvince;
    std::string CustomerVatCountry;
    std::string CustomerVatNumber;
    std::string CustomerFiscalCode;
    std::string AgentCode;
    std::string AuxText41;
    std::string CarrierName;
    std::string CarrierStreet;
    std::string CarrierTown;
    std::string CarrierProvince;
    std::string CarrierTaxId;
    std::string CarrierExtra1;
    std::string CarrierExtra2;
    std::array<std::string, 5> VatDescriptions;
    double GrandTotal = 0; // taxable total plus VAT total
    double ReservedAmount = 0;
    double AuxAmount8 = 0;
    double VatTotal = 0;
    double ReservedAmount2 = 0;
    double WithholdingAmount = 0; // the negation of the file's withholding amount
    double ReservedAmount3 = 0;
    double AuxAmount7 = 0;
    std::array<TVatRow, 5> VatRows;
    TListaRigheDoc Lines;
    std::string AltCurrency;              // second currency; "EUR" prints with 2 decimals, others with 0
    std::vector<std::string> AltVatTaxes; // decimal texts; the three lists always have the same count
    std::vector<std::string> AltVatTaxables;
    std::vector<std::string> AltVatCodes;
    double AltWithholding = 0;
    double AltTotal = 0;
};
