#include "app/print_run_direct.h"

#include "layout/composition_error.h"
#include "platform/printer.h"

#include <algorithm>

namespace {

// Frees the page buffer and forgets the printer page when the run ends, on every exit path.
struct DirectRunRelease {
    TStampaDocumentoBase& engine;
    ~DirectRunRelease() {
        engine.page.reset();
        engine.printerCanvas = {};
    }
};

} // namespace

bool PrintDirectly(TStampaDocumentoBase& engine, int copies, int rowCount,
                   const TStampaDocumentoBase::ColumnHeadingList& ColumnHeadings) {
    TPrinter& printer = Printer();
    if (printer.page() == nullptr)
        return false;
    const PrinterPageMetrics metrics = printer.jobMetrics();
    const int margin = metrics.resolutionX / 6;
    // Text rows turn into device positions as on the printer's device context: from the top margin.
    engine.printerCanvas = {nullptr, metrics.resolutionY, std::max(0, metrics.offsetY)};

    DirectRunRelease release{engine};
    try {
        engine.PreparePages(rowCount, ColumnHeadings);
        bool result = true;
        for (int passesLeft = copies; passesLeft > 0 && result; --passesLeft) {
            result = engine.ComposePass([&] {
                engine.printerCanvas.target = printer.page();
                const bool rendered =
                    engine.RenderPage(engine.page->lineCount(), metrics.printableWidth - 2 * margin, margin,
                                      metrics.printableHeight);
                // Every copy starts on a new sheet; none follows the last page of the last copy.
                const bool sheetReady = (engine.isLastPage() && passesLeft == 1) || printer.newPage();
                return rendered && sheetReady;
            });
        }
        return result;
    } catch (const ECompositionError&) {
        return false;
    }
}
