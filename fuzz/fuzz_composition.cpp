// Composes every page of arbitrary document files under arbitrary layout flags and rows per page, as the
// layout preview does, and renders each page as PDF output would (at a quarter of its resolution), so
// that no document can crash the composition or the form, write outside the page or hang it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/engine_settings.h"
#include "app/preview_output.h"
#include "docdata/document_reader.h"
#include "layout/composition_error.h"
#include "layout/stampa_documento_base.h"
#include "util/numbers.h"

namespace {

// The first bytes choose the rows per page and the eight layout flag characters.
constexpr size_t kSettingBytes = 9;
const char kFlagCharacters[] = "0012NCPU";

// An A4 page in 1/600 inch, and the part of the resolution the page is rendered at.
constexpr int kPageWidth = 4960;
constexpr int kPageHeight = 7016;
constexpr int kResolutionDivisor = 4;
// Pages rendered of each document: later pages draw the same form.
constexpr int kRenderedPages = 8;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kSettingBytes)
        return 0;
    SetNumberSeparators(',', '.');
    const int rows = data[0] % 120;
    RunSettings settings;
    for (size_t i = 1; i < kSettingBytes; ++i)
        settings.layoutFlags += kFlagCharacters[data[i] % 8];

    const std::string text(reinterpret_cast<const char*>(data + kSettingBytes), size - kSettingBytes);
    TRecDocObjectBase document;
    RunParameters parameters;
    ReadDocument(TImportaSeq::FromText(text), document, parameters);

    TStampaDocumentoBase engine("retino.bmp", "", true);
    HandSettingsToEngine(engine, MakeEngineSettings(settings, parameters), document);
    const int margin = engine.leftMargin / kResolutionDivisor;
    const int width = (kPageWidth - 60) / kResolutionDivisor - 2 * margin;
    std::string pages;
    try {
        engine.ComposePages(rows, parameters.ColumnHeadings, [&] {
            pages += FormatPreviewPage(engine, engine.currentPage, engine.pageCount);
            if (engine.currentPage <= kRenderedPages)
                engine.RenderPage(engine.page->lineCount(), width, margin, kPageHeight / kResolutionDivisor);
            return engine.pageCount <= 5000;
        });
    } catch (const ECompositionError&) {
        // A price that is not a number, or a page without body rows: the run fails, as it should.
    }
    return 0;
}
