#include "platform/linux/cairo_context_target.h"

#include "platform/linux/cairo_page_recording.h"

CairoContextTarget::CairoContextTarget(cairo_t* context, std::function<void()> beforeDrawing)
    : context_(context), beforeDrawing_(std::move(beforeDrawing)) {
    CairoCanvas::prepareContext(context_);
    canvas_ = std::make_unique<CairoCanvas>(fonts_, CairoCanvas::immediate(context_, PaintMode::Colour));
}

CairoContextTarget::~CairoContextTarget() = default;

void CairoContextTarget::play(const PageRecording& recording, int x, int y) {
    beforeDrawing_();
    cairo_save(context_);
    cairo_translate(context_, x, y);
    static_cast<const CairoPageRecording&>(recording).replay(context_, PaintMode::Colour, 0, 0, false);
    cairo_restore(context_);
}

void CairoContextTarget::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    beforeDrawing_();
    canvas_->drawImage(image, x, y, width, height);
}

DrawingCanvas* CairoContextTarget::canvas() {
    beforeDrawing_();
    return canvas_.get();
}
