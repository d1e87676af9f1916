// Page zones, the list of document lines to print and the layout of one document line.
#include <cmath>
#include <limits>

#include "docdata/code_tables.h"
#include "layout/composition_error.h"
#include "layout/fixed_text.h"
#include "layout/line_class.h"
#include "layout/stampa_documento_base.h"
#include "util/numbers.h"

using fixed_text::Cut;
using fixed_text::Left;
using fixed_text::Right;
using fixed_text::Trim;

namespace {

// A price that must be a number: blank reads as 0, anything else that is not a number stops the
// composition of the document.
double StrictNumber(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty())
        return 0.0;
    const double value = ParseNumber(trimmed, std::numeric_limits<double>::quiet_NaN());
    if (std::isnan(value))
        throw ECompositionError("price not a number: \"" + trimmed + "\"");
    return value;
}

struct ColumnLayout {
    int codeColumn, codeWidth;
    int descriptionColumn;
    int unitColumn;
    int quantityColumn, quantityWidth;
    int priceColumn, priceWidth;
    int discountColumn;
    int amountColumn, amountWidth;
    int vatColumn4, vatColumn;
};

constexpr ColumnLayout kWideLayout{1, 13, 16, 83, 86, 9, 95, 12, 108, 114, 13, 128, 129};
constexpr ColumnLayout kNarrowLayout{1, 6, 8, 35, 37, 7, 45, 11, 57, 64, 11, 75, 76};

} // namespace

void TStampaDocumentoBase::ComputeZones(int pageRows) {
    int a = pageRows;
    HeaderTop = 1;
    BodyTop = 23;
    if (hasFooterText()) {
        FooterTop = a - 4;
        a -= 4;
    }
    BodyRows = a - BodyTop - 1;
    if (isPricedDocument()) {
        BodyRows -= 6;
        TotalsTop = a - 6;
    }
    if ((isKind4() || isKind5()) && (layoutKind == "P" || layoutKind == "U")) {
        const int t = BottomTransportRows();
        TransportTop = a - t - 1;
        BodyRows -= t + 2;
        if (isPricedDocument())
            TotalsTop -= t + 2;
    }
}

void TStampaDocumentoBase::BuildBodyLineIndexes(bool pricesIncludeVat) {
    printableLines.clear();
    const int offset = pricesIncludeVat ? 1 : 0;
    // Empty lines at the end print nothing but empty rows and pages: a file of empty lines is one page.
    int count = document.Lines.Count();
    while (count > 0 && IsEmptyDocumentLine(lineAt(count - 1)))
        --count;
    for (int i = 0; i < count; ++i) {
        const TRecRigaDocObject& line = lineAt(i);
        if (!IsSpecialLine(line.ArticleCode) && !IsStarLine(line.ArticleCode))
            continue;
        if (IsArrowKindLine(line.ArticleCode) && Trim(line.Description).empty())
            continue;
        printableLines.push_back(fixed_text::Decimal(i + offset));
    }
    if (pricesIncludeVat && !printableLines.empty()) {
        document.Lines.Insert(0, "");
        TRecRigaDocObject* heading = document.Lines.Line(0);
        heading->ArticleCode = ":";
        heading->Description = "(PREZZI IVA COMPRESA)";
        printableLines.insert(printableLines.begin(), "0");
    }
}

int TStampaDocumentoBase::DecimalsIn(const std::string& text) const {
    const size_t separator = text.find(GetDecimalSeparator());
    return separator == std::string::npos ? 0 : static_cast<int>(text.size() - separator - 1);
}

std::string TStampaDocumentoBase::PadDecimals(const std::string& text) const {
    const int length = static_cast<int>(text.size());
    std::string s = Trim(text);
    const int wanted =
        Trim(document.DocCurrency).empty() ? document.BaseCurrencyDecimals : document.DocCurrencyDecimals;
    const int missing = wanted - DecimalsIn(s);
    if (missing <= 0)
        return text;
    const int size = static_cast<int>(s.size());
    if (s.find(GetDecimalSeparator()) != std::string::npos) {
        if (length >= missing + size)
            s += std::string(static_cast<size_t>(missing), '0');
    } else if (length >= size + missing + 1) {
        s += GetDecimalSeparator();
        s += std::string(static_cast<size_t>(missing), '0');
    }
    return Right(s, length);
}

void TStampaDocumentoBase::PrintBodyLine(int row, int lineIndex) {
    const TRecRigaDocObject& line = lineAt(lineIndex);
    const int column = option94 ? kNarrowLayout.descriptionColumn : kWideLayout.descriptionColumn;
    const int width = descriptionWidth();
    switch (ClassifyLine(line.ArticleCode)) {
    case TLineClass::Dash:
        writeBody(row, column, std::string(static_cast<size_t>(width), '-'));
        break;
    case TLineClass::Comment:
    case TLineClass::Equal:
        writeBody(row, column, line.Description);
        break;
    case TLineClass::Special:
        if (!Trim(line.Description).empty())
            writeBody(row, column, Cut(line.Description, width));
        break;
    case TLineClass::Article:
    case TLineClass::Free:
    case TLineClass::Percent:
    case TLineClass::Star:
        PrintArticleRow(row, lineIndex);
        break;
    case TLineClass::Other:
        break;
    }
}

void TStampaDocumentoBase::PrintArticleRow(int row, int lineIndex) {
    const TRecRigaDocObject& line = lineAt(lineIndex);
    const TLineClass lineClass = ClassifyLine(line.ArticleCode);
    const bool isArticle = lineClass == TLineClass::Article;
    const bool isArticleOrFree = isArticle || lineClass == TLineClass::Free;
    const bool isPercent = lineClass == TLineClass::Percent;
    const bool isStar = lineClass == TLineClass::Star;
    const bool hasDiscount = !Trim(line.Discount).empty();
    const int kind = static_cast<int>(document.PriceKind);
    const ColumnLayout& layout = option94 ? kNarrowLayout : kWideLayout;
    const int priceWidth = option94 ? 10 : 11;

    // 1. Values.
    const double quantity = ParseNumber(line.Quantity, 0.0);
    const double price = isPercent ? 0.0 : StrictNumber(line.UnitPrice);
    const double amount = line.Amount;

    // 2. Line rules.
    int unitPriceRule = 0;
    if (!isKind5() && layoutFlag2 && isArticleOrFree && isPriceModeNot1() && isPricedDocument() &&
        quantity == 1)
        unitPriceRule = isDigitOne() && hasDiscount ? 1 : 2;
    const bool zeroPriceLine = layoutFlag1 && isArticleOrFree && isPriceModeNot1() && price == 0 &&
                               (isPricedDocument() || (isKind5() && kind == 2));
    const bool zeroQuantityLine =
        isArticleOrFree && layoutFlag1 && quantity == 0 && price == 0 && (isKind5() || kind == 0);

    // 3. Quantity.
    std::string quantityText;
    if (!isPercent && unitPriceRule == 0 && !zeroQuantityLine) {
        quantityText = FormatNumber(0, 8, NumberModeQuantity, true, quantity);
        if (!quantityText.empty() && isStar)
            quantityText = Trim(quantityText) + "%";
        if (!Trim(quantityText).empty())
            quantityText =
                quantityText.size() >= 9 ? Right(Cut(quantityText, 9), 9) : Right(quantityText, 8) + " ";
    }

    // 4. Price.
    std::string priceText;
    if (!isPercent && isPriceModeNot1() && unitPriceRule != 2 && !zeroPriceLine) {
        const double value = hasDiscount && document.AltPriceMode == 1 ? StrictNumber(line.AltPrice) : price;
        priceText = FormatNumber(7, 21, NumberModePrice, true, value);
        if (!option93)
            priceText = PadDecimals(priceText);
        if (static_cast<int>(Trim(priceText).size()) > priceWidth) {
            priceText = FormatNumber(7, priceWidth, NumberModeQuantity, true, value);
            if (!option93)
                priceText = PadDecimals(priceText);
        }
        priceText = Right(Cut(Trim(priceText), priceWidth + 1), priceWidth + 1);
    }

    // 5. Discount, amount and VAT code.
    std::string discountText, amountText, vatText;
    if (isPricedDocument()) {
        if (((isArticleOrFree && isDigitOne()) || isPercent) && unitPriceRule != 2 && !zeroPriceLine)
            discountText = line.Discount;
        if (!zeroPriceLine)
            amountText = formatAmount(layout.amountWidth, amount);
        const bool hideVat = (isKind5() && kind == 0) || (isKind1or2() && kind == 2) || zeroPriceLine;
        if (!isPercent && !hideVat)
            vatText = line.VatCode;
    } else if (isKind5() && kind != 1) {
        if ((isArticleOrFree || isPercent) && !zeroPriceLine)
            discountText = line.Discount;
    } else if (isKind6to8() && kind == 2) {
        if (((isArticleOrFree && isDigitOne()) || isPercent) && unitPriceRule != 2 && !zeroPriceLine)
            discountText = line.Discount;
    }

    // 6. Columns, in this order: a field that runs long is overwritten by the next one.
    if (isArticle)
        writeBody(row, layout.codeColumn, Left(line.ArticleCode, layout.codeWidth));
    const std::string description = option94 ? Cut(line.Description, descriptionWidth()) : line.Description;
    writeBody(row, layout.descriptionColumn, Left(description, descriptionWidth()));
    writeBody(row, layout.unitColumn, Left(line.Unit, 2));
    writeBody(row, layout.quantityColumn, Right(quantityText, layout.quantityWidth));
    writeBody(row, layout.priceColumn, Right(priceText, layout.priceWidth));
    writeBody(row, layout.discountColumn, Right(discountText, 6));
    writeBody(row, layout.amountColumn, Right(amountText, layout.amountWidth));
    if (vatText.size() == 4)
        writeBody(row, layout.vatColumn4, Left(vatText, 4));
    else
        writeBody(row, layout.vatColumn, Left(vatText, 3));
}
