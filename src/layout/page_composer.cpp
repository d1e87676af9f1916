// The composing steps of the print run: the lists, the zones, the counting pass and the pages of a pass.
#include "layout/composition_error.h"
#include "layout/stampa_documento_base.h"

namespace {

struct BodyCursors {
    int address = 0;
    int transport = 0;
    int totals = 0;
    int line = 0;
    bool done = false;

    bool operator==(const BodyCursors&) const = default;
};

} // namespace

void TStampaDocumentoBase::PreparePages(int rowCount, const ColumnHeadingList& ColumnHeadings) {
    page = std::make_unique<TPagina>();
    BuildBodyLineIndexes(document.PricesIncludeVat == 1);
    page->setLineCount(rowCount);
    BuildAddressLines();
    BuildTransportLines();
    BuildCurrencyTotalsLines();
    captions->codeCaption = ColumnHeadings[0];
    captions->descriptionCaption = ColumnHeadings[1];
    captions->unitCaption = ColumnHeadings[2];
    captions->quantityCaption = ColumnHeadings[3];
    captions->priceCaption = ColumnHeadings[4];
    captions->discountCaption = ColumnHeadings[5];
    captions->amountCaption = ColumnHeadings[6];
    captions->vatCaption = ColumnHeadings[7];
    ComputeZones(page->lineCount() - topRows - bottomRows);
    if (BodyRows < 1)
        throw ECompositionError("no body rows on the page");

    // Counting pass. Every call of the filler moves at least one cursor on while BodyRows >= 1; a call
    // that moves none would repeat for ever and fails instead.
    BodyCursors cursors;
    pageCount = 0;
    while (!cursors.done) {
        const BodyCursors before = cursors;
        page->clear();
        FillBody(cursors.address, cursors.transport, cursors.done, cursors.totals, cursors.line);
        ++pageCount;
        if (cursors == before)
            throw ECompositionError("the body does not move on to the next page");
    }
}

bool TStampaDocumentoBase::ComposePass(const PageSink& sink) {
    BodyCursors cursors;
    ShowDueCaptions = true;
    ShowVatCaptions = true;
    for (currentPage = 1; currentPage <= pageCount; ++currentPage) {
        pageBodyMark = -1;
        page->clear();
        PrintHeader();
        FillBody(cursors.address, cursors.transport, cursors.done, cursors.totals, cursors.line);
        if (isPricedDocument())
            PrintTotalsBox();
        if ((isKind4() || isKind5()) && (layoutKind == "P" || layoutKind == "U"))
            PrintBottomTransport();
        if (!sink())
            return false;
    }
    return true;
}

bool TStampaDocumentoBase::ComposePages(int rowCount, const ColumnHeadingList& ColumnHeadings,
                                        const PageSink& sink) {
    struct PageRelease {
        std::unique_ptr<TPagina>& page;
        ~PageRelease() { page.reset(); }
    } release{page};
    PreparePages(rowCount, ColumnHeadings);
    return ComposePass(sink);
}
