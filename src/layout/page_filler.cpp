// The page filler: the address block, the transport block, the document lines and the second-currency
// totals flow through the body of the pages in this order.
#include <string>

#include "docdata/code_tables.h"
#include "layout/fixed_text.h"
#include "layout/stampa_documento_base.h"
#include "util/numbers.h"

namespace {

const std::string kSeparatorRule(48, '-');

} // namespace

void TStampaDocumentoBase::FillBody(int& AddressCursor, int& TransportCursor, bool& Done, int& TotalsCursor,
                                    int& LineCursor) {
    const int blockColumn = option94 ? 1 : 16;
    const int addressCount = static_cast<int>(addressLines.size());
    const int t = static_cast<int>(transportLines.size());
    const int n = static_cast<int>(printableLines.size());
    const int m = static_cast<int>(totalsLines.size());
    int i = 0;
    auto full = [&] { return RowsLeft(i) <= 0; };

    // 1. Address block, then at most one separator row.
    if (AddressCursor < addressCount) {
        while (AddressCursor < addressCount) {
            if (full())
                return;
            writeBody(BodyTop + i, blockColumn, addressLines[static_cast<size_t>(AddressCursor)]);
            ++AddressCursor;
            ++i;
            if (full())
                return;
        }
        if (t >= 1) {
            if (!option96) {
                writeBody(BodyTop + i, blockColumn, kSeparatorRule);
                ++i;
            }
        } else if (n >= 1) {
            if (!option95)
                writeBody(BodyTop + i, blockColumn, kSeparatorRule);
            ++i;
        }
    }

    // 2. Transport block: moved whole to the next page when it fits a page but not the rest of this one.
    if (TransportCursor < t) {
        if (RowsLeft(i) < t && t <= BodyRows)
            return;
        while (TransportCursor < t) {
            if (full())
                return;
            writeBody(BodyTop + i, blockColumn, transportLines[static_cast<size_t>(TransportCursor)]);
            ++TransportCursor;
            ++i;
            if (full())
                return;
        }
        if (n >= 1) {
            if (!option95)
                writeBody(BodyTop + i, blockColumn, kSeparatorRule);
            ++i;
        }
    }

    // 3. Document lines. Dash lines and blank comments that would start a page are dropped.
    if (LineCursor < n) {
        while (LineCursor < n) {
            if (full()) {
                while (LineCursor < n && isPageBreakFiller(LineCursor))
                    ++LineCursor;
                if (LineCursor < n)
                    return;
                break;
            }
            if (pageBodyMark == -1)
                pageBodyMark = BodyTop + i;
            PrintBodyLine(BodyTop + i, printableLineIndex(LineCursor));
            ++LineCursor;
            ++i;
        }
        if (!full() && m > 0 && RowsLeft(i) > m)
            ++i;
    }

    // 4. Second-currency totals: moved whole to the next page when they fit a page.
    if (TotalsCursor < m) {
        if (RowsLeft(i) < m && m <= BodyRows)
            return;
        while (TotalsCursor < m) {
            if (full())
                return;
            writeBody(BodyTop + i, 1, totalsLines[static_cast<size_t>(TotalsCursor)]);
            ++TotalsCursor;
            ++i;
        }
    }

    Done = AddressCursor == addressCount && TransportCursor == t && LineCursor == n && TotalsCursor == m;
}

int TStampaDocumentoBase::printableLineIndex(int cursor) const {
    return ParseInteger(printableLines[static_cast<size_t>(cursor)], -1);
}

bool TStampaDocumentoBase::isPageBreakFiller(int cursor) const {
    const TRecRigaDocObject& line = lineAt(printableLineIndex(cursor));
    return IsDashLine(line.ArticleCode) ||
           (IsColonLine(line.ArticleCode) && fixed_text::Trim(line.Description).empty());
}
