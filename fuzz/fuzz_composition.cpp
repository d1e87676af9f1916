// Composes every page of arbitrary document files under arbitrary layout flags and rows per page, as the
// layout preview does, so that no document can crash the composition, write outside the page or hang it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/engine_settings.h"
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

    TStampaDocumentoBase engine("retino.bmp", "", false);
    HandSettingsToEngine(engine, MakeEngineSettings(settings, parameters), document);
    std::string pages;
    try {
        engine.ComposePages(rows, parameters.ColumnHeadings, [&] {
            pages += FormatPreviewPage(engine, engine.currentPage, engine.pageCount);
            return engine.pageCount <= 5000;
        });
    } catch (const ECompositionError&) {
        // A price that is not a number, or a page without body rows: the run fails, as it should.
    }
    return 0;
}
