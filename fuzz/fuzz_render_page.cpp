// Loads arbitrary bytes as a PDF file and interprets every page into a sink that checks what it is
// given (finite numbers, invertible matrices, images whose samples fit their size, paired saves), then
// draws it through the canvas onto a small RGB picture, as a printer page would receive it.

#include <cstddef>
#include <cstdint>
#include <string>

#include "../tests/support/checking_render_sink.h"
#include "pdf/model/document.h"
#include "pdf/reader/loader.h"
#include "pdf/render/canvas_render_sink.h"
#include "pdf/render/page_renderer.h"
#include "platform/rgb_page_image.h"

namespace {

// Tighter bounds than a printer's, so that each input runs quickly.
RenderLimits FuzzLimits() {
    RenderLimits limits;
    limits.maxOperators = 200'000;
    limits.maxPathPoints = 1'000'000;
    limits.maxGlyphs = 1'000'000;
    limits.maxImagePixels = 4u << 20;
    limits.maxImagePixelsDrawn = 32u << 20;
    limits.maxDecodedBytes = 64u << 20;
    return limits;
}

constexpr int kMaxPages = 50;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const RenderLimits limits = FuzzLimits();
    TPDFDocument document;
    if (!TPDFLoader::Load(document, std::string(reinterpret_cast<const char*>(data), size)) ||
        !document.pageTree.Build())
        return 0;
    // A sheet-like matrix: 2 dots per point, y downward.
    const RenderMatrix pageToDevice{2, 0, 0, -2, 0, 2000};
    for (int page = 1; page <= document.pageTree.PageCount() && page <= kMaxPages; ++page) {
        CheckingRenderSink sink;
        RenderPdfPage(document, page, sink, pageToDevice, limits);
        sink.Finish();
        if (!sink.Problems().empty())
            __builtin_trap();
        // A quarter of a dot per point: an A4 page is a picture of 149 x 211 pixels.
        RgbPageImage picture(160, 220);
        if (DrawingCanvas* canvas = picture.canvas()) {
            CanvasRenderSink canvasSink(*canvas);
            RenderPdfPage(document, page, canvasSink, RenderMatrix{0.25, 0, 0, -0.25, 0, 215}, limits);
        }
    }
    return 0;
}
