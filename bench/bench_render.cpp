// Milliseconds to render one full invoice page at 600 dots per inch and encode it into formStream.

#include <benchmark/benchmark.h>

#include <string>

#include "docdata/document_reader.h"
#include "layout/stampa_documento_base.h"

namespace {

constexpr int kRows = 72;
constexpr int kMargin = 120;
constexpr int kPageWidth = 4960; // A4 at 600 units per inch
constexpr int kPageHeight = 7015;

void BM_RenderInvoicePage(benchmark::State& state) {
    TRecDocObjectBase record;
    RunParameters params;
    ReadDocumentFile(std::string(STAMPADOC_SOURCE_DIR) + "/tests/data/render/fattura.txt", record, params);
    TStampaDocumentoBase engine(std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp", "", true);
    engine.setCaptionDefaults(true);
    engine.loadDocument(record, 1);
    engine.option94 = params.LayoutSwitches[2];
    engine.option95 = params.LayoutSwitches[3];
    engine.footerText1 = "Ferramenta Lombarda S.r.l. - Registro Imprese di Bergamo n. 03456780165";
    engine.leftMargin = kMargin;
    engine.ComposePages(kRows, params.ColumnHeadings, [&] {
        for (auto _ : state) {
            engine.RenderPage(kRows, kPageWidth - 60 - 2 * kMargin, kMargin, kPageHeight);
            benchmark::DoNotOptimize(engine.formStream.data());
        }
        return false;
    });
    state.counters["bytes"] = static_cast<double>(engine.formStream.size());
}

} // namespace

BENCHMARK(BM_RenderInvoicePage)->Unit(benchmark::kMillisecond);
