// Totals and VAT restated in a second currency, printed in the body after the document lines.
#include "layout/fixed_text.h"
#include "layout/stampa_documento_base.h"
#include "util/numbers.h"

using fixed_text::Cut;
using fixed_text::Left;
using fixed_text::Right;
using fixed_text::Trim;

void TStampaDocumentoBase::BuildCurrencyTotalsLines() {
    totalsLines.clear();
    if (Trim(document.AltCurrency).empty() || !isPricedDocument())
        return;
    const int decimals = document.AltCurrency == "EUR" ? 2 : 0;
    const auto amount = [decimals](int width, double value) {
        return FormatNumber(decimals, width, NumberModeMoney, true, value);
    };
    const std::string heading = "TOTALI IN " + Right(document.AltCurrency, 3) + ":";
    const std::string total = amount(11, document.AltTotal);
    const int kind = static_cast<int>(document.PriceKind);
    const bool noVatRows = document.AltVatCodes.empty();

    const bool simple = (isKind1or2() && kind == 2) ||
                        (isKind5() && kind == 0 && document.AltWithholding == 0) ||
                        (noVatRows && document.AltWithholding == 0);
    if (simple) {
        totalsLines.push_back(heading + " " + Left(Cut(total, 11), 11));
        return;
    }

    const std::string totalPart = "TOT " + Left(total, 11);
    for (size_t i = 0; i < document.AltVatCodes.size(); ++i) {
        const double taxable = ParseNumber(document.AltVatTaxables[i], 0.0);
        const double tax = ParseNumber(document.AltVatTaxes[i], 0.0);
        std::string line = Left(Cut(i == 0 ? heading : std::string(), 20), 20) +
                           Right(Cut(amount(13, taxable), 13), 13) + "    IVA " +
                           Left(Cut(document.AltVatCodes[i], 3), 3) + Right(amount(10, tax), 10) + "   ";
        if (i + 1 == document.AltVatCodes.size() && document.AltWithholding == 0)
            line += totalPart;
        totalsLines.push_back(line);
    }
    if (document.AltWithholding != 0) {
        const std::string first = noVatRows ? heading : std::string(" ");
        totalsLines.push_back(Right(first, 35) + "- RIT.ACC" +
                              Right(Cut(amount(10, document.AltWithholding), 10), 10) + "    " +
                              Right(totalPart, 14));
    }
}
