// Composing every page of a twelve-page invoice (counting pass and page text), without rendering.

#include <benchmark/benchmark.h>

#include <string>

#include "docdata/document_reader.h"
#include "layout/stampa_documento_base.h"
#include "util/numbers.h"

namespace {

void BM_ComposeTwelvePages(benchmark::State& state) {
    TRecDocObjectBase record;
    RunParameters params;
    ReadDocumentFile(std::string(STAMPADOC_SOURCE_DIR) + "/tests/data/layout/dodici_pagine.txt", record,
                     params);
    int pages = 0;
    for (auto _ : state) {
        TStampaDocumentoBase engine("retino.bmp", "", false);
        engine.setCaptionDefaults(true);
        engine.loadDocument(record, 1);
        engine.ComposePages(72, params.ColumnHeadings, [&] {
            benchmark::DoNotOptimize(engine.page->rowText(23));
            return true;
        });
        pages = engine.pageCount;
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_ComposeTwelvePages)->Unit(benchmark::kMillisecond);

} // namespace
