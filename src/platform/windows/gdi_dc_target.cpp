#include "platform/windows/gdi_dc_target.h"

#include "platform/windows/gdi_page_recording.h"

GdiDcTarget::GdiDcTarget(HDC dc, std::function<void()> beforeDrawing)
    : dc_(dc), beforeDrawing_(std::move(beforeDrawing)) {}

GdiDcTarget::~GdiDcTarget() = default;

void GdiDcTarget::play(const PageRecording& recording, int x, int y) {
    beforeDrawing_();
    static_cast<const GdiPageRecording&>(recording).play(dc_, x, y, PlayMode::Colour);
}

void GdiDcTarget::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    beforeDrawing_();
    canvas();
    canvas_->drawImage(image, x, y, width, height);
}

DrawingCanvas* GdiDcTarget::canvas() {
    beforeDrawing_();
    // Made on first use: a printer page begins only when something is drawn on it.
    if (canvas_ == nullptr) {
        canvas_ = std::make_unique<GdiCanvas>(dc_);
    }
    return canvas_.get();
}
