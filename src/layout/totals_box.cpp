// The totals box: payment group, VAT summary and total rows.
#include <algorithm>
#include <cmath>
#include <vector>

#include "docdata/code_tables.h"
#include "layout/fixed_text.h"
#include "layout/stampa_documento_base.h"
#include "util/dates.h"
#include "util/numbers.h"

using fixed_text::Cut;
using fixed_text::Left;
using fixed_text::Right;
using fixed_text::Trim;

namespace {

// A total row: a blank caption area of 7, 5 or 4 characters and the amount right-aligned in the rest of
// 20 characters. Answers the caption cut to the room of its area.
std::string TotalRow(const std::string& amount, const std::string& caption, std::string& shownCaption) {
    if (amount.size() < 13) {
        shownCaption = caption;
        return std::string(7, ' ') + Right(amount, 13);
    }
    if (amount.size() < 15) {
        shownCaption = Cut(caption, 5);
        return std::string(5, ' ') + Right(amount, 15);
    }
    shownCaption = Cut(caption, 4);
    return std::string(4, ' ') + Right(amount, 16);
}

} // namespace

bool TStampaDocumentoBase::Withholding() const {
    return isPriceMode0NotKind5() && document.WithholdingAmount != 0;
}

void TStampaDocumentoBase::PrintTotalsBox() {
    const int a = TotalsTop + 1;
    TotalsCaptions[0] = "TOTALI:";
    for (size_t slot = 1; slot < TotalsCaptions.size(); ++slot)
        TotalsCaptions[slot].clear();
    if (isLastPage()) {
        if (isSingleCurrency())
            PrintDueRows(a);
        if (isPriceMode0NotKind5())
            PrintVatRows(a);
    }
    PrintTotalRows(a);
}

void TStampaDocumentoBase::PrintDueRows(int r) {
    const auto entry = [this](const std::string& caption, double value) {
        return caption + Right(formatAmount(12, value), 12);
    };
    std::vector<std::string> instalments;
    for (int i = 1; i <= 5; ++i)
        if (document.GetDueDate(i) != NullDate)
            instalments.push_back(Left(FormatDateShort(document.GetDueDate(i)), 8) +
                                  Right(formatAmount(12, document.GetDueAmount(i)), 12));

    bool due = false, paid = false, previous = false, writeoff = false;
    if (isKind1or2()) {
        due = document.BalanceDue != 0;
        paid = due || document.AmountPaid != 0;
        writeoff = document.Allowance != 0;
        instalments.clear();
    } else if (!option92) {
        int n = static_cast<int>(instalments.size());
        if (n >= 5)
            due = false;
        else if (document.BalanceDue == 0)
            due = n == 0;
        else
            due =
                n > 0 || document.AmountPaid != 0 || document.Allowance != 0 || document.PreviousBalance != 0;
        if (due)
            ++n;
        paid = n < 5 && document.AmountPaid != 0;
        if (paid)
            ++n;
        previous = n < 5 && document.PreviousBalance != 0;
        if (previous)
            ++n;
        writeoff = n < 5 && document.Allowance != 0;
    }

    std::vector<std::string> rows;
    if (previous)
        rows.push_back(document.PreviousBalance > 0 ? entry("DEB.PREC", document.PreviousBalance)
                                                    : entry("CREDPREC", -document.PreviousBalance));
    if (paid)
        rows.push_back(entry(isKind1or2() ? " INCASSO" : "  PAGATO", document.AmountPaid));
    if (writeoff)
        rows.push_back(entry(" ABBUONO", document.Allowance));
    rows.insert(rows.end(), instalments.begin(), instalments.end());
    if (due)
        rows.push_back(document.BalanceDue >= 0 ? entry(" SALDARE", document.BalanceDue)
                                                : entry(" VS.CRED", -document.BalanceDue));

    int row = r;
    if (rows.size() == 5) {
        row = r - 1;
        ShowDueCaptions = false;
    }
    for (const std::string& text : rows)
        writeTotals(row++, 1, text);
}

std::string TStampaDocumentoBase::VatSummaryRow(const std::string& code, const std::string& description,
                                                double taxable, double tax) const {
    std::string taxPart;
    if (std::fabs(tax) <= 99999999)
        taxPart = Right(Trim(formatAmount(10, tax)), 10) + "  ";
    else if (std::fabs(tax) <= 999999999)
        taxPart = Right(Trim(formatAmount(11, tax)), 11) + " ";
    else
        taxPart = Right(Trim(formatAmount(12, tax)), 12);

    std::string middle;
    if (IsShortNumeric(code, false)) {
        middle = " " + Left("%", 5) + Right(formatAmount(14, taxable), 14);
    } else if (std::fabs(taxable) <= 999999999 || description.size() != 8) {
        // A description of 19 characters or more would leave no room for the amount: it keeps its first
        // 9 characters and the amount gets 10.
        const std::string shown = description.size() >= 19 ? Cut(description, 9) : description;
        const int length = static_cast<int>(shown.size());
        const int width = std::min(14, 19 - length);
        middle = " " + shown + std::string(static_cast<size_t>(19 - width - length), ' ') +
                 formatAmount(width, taxable);
    } else {
        middle = Left(description, 8) + Right(formatAmount(12, taxable), 12);
    }

    const std::string codePart = code.size() > 3 ? code : Left(code, 3);
    std::string row = codePart;
    if (!middle.empty() && middle.front() != ' ' && !codePart.empty() && codePart.back() != ' ')
        row += " ";
    row += middle + taxPart;
    return Right(row, 38);
}

void TStampaDocumentoBase::PrintVatRows(int r) {
    std::vector<std::string> rows;
    for (int k = 0; k < 5; ++k) {
        const std::string code = Trim(document.VatRows[static_cast<size_t>(k)].Code);
        if (code.empty())
            continue;
        rows.push_back(VatSummaryRow(code, Trim(document.VatDescriptions[static_cast<size_t>(k)]),
                                     document.VatRows[static_cast<size_t>(k)].Taxable,
                                     document.VatRows[static_cast<size_t>(k)].Tax));
    }
    int row = r;
    if (rows.size() == 5) {
        row = r - 1;
        ShowVatCaptions = false;
    }
    for (const std::string& text : rows)
        writeTotals(row++, 21, text);
}

void TStampaDocumentoBase::PrintTotalRows(int a) {
    if (!isLastPage()) {
        writeTotals(a + 3, 59, std::string(10, ' ') + Left("SEGUE", 8));
        return;
    }
    const bool w = Withholding();
    if (document.DocCurrency != document.BaseCurrency && !w)
        writeTotals(a - 1, 65, "(VALUTA=" + Right(Cut(document.DocCurrency, 3), 3) + ")");

    if (isPriceMode0NotKind5()) {
        const std::string net = Trim(formatAmount(15, document.GrandTotal - document.VatTotal));
        std::string& netCaption = TotalsCaptions[w ? 0 : 1];
        netCaption = "NETTO";
        if (net.size() > 13) {
            writeTotals(w ? a - 1 : a, 59, std::string(4, ' ') + Right(net, 16));
            netCaption = Cut(netCaption, 4);
        } else {
            writeTotals(w ? a - 1 : a, 59, std::string(5, ' ') + Right(net, 15));
        }
        const std::string vat = Trim(formatAmount(15, document.VatTotal));
        TotalsCaptions[w ? 1 : 2] = "IVA";
        writeTotals(w ? a : a + 1, 59, std::string(4, ' ') + Right(vat, 16));
    }

    if (w) {
        const std::string total = Trim(formatAmount(15, document.GrandTotal));
        writeTotals(a + 1, 59, TotalRow(total, "TOTALE", TotalsCaptions[2]));

        const std::string amount = Trim(formatAmount(12, -document.WithholdingAmount));
        const std::string rate = document.WithholdingRateSuppress != 0
                                     ? std::string()
                                     : FormatGeneral(document.WithholdingRate) + "%";
        const size_t length = rate.size() + amount.size();
        std::string left;
        if (20 >= length + 7) {
            TotalsCaptions[3] = "RIT.ACC";
            left = std::string(7, ' ') + rate;
        } else if (20 >= length + 6) {
            TotalsCaptions[3] = "RIT.ACC";
            left = std::string(6, ' ') + rate;
        } else if (20 >= length + 3) {
            TotalsCaptions[3] = "RA";
            left = std::string(3, ' ') + rate;
        } else {
            TotalsCaptions[3].clear();
            left = rate;
        }
        const int room = 20 - static_cast<int>(left.size());
        writeTotals(a + 2, 59, Left(left + Right(amount, room), 20));
    }

    std::string due = Trim(formatAmount(15, document.GrandTotal - document.WithholdingAmount));
    if (currency)
        due = currencySymbol + " " + due;
    writeTotals(a + 3, 59, TotalRow(due, w ? "PAGARE" : "TOTALE", TotalsCaptions[4]));
}
