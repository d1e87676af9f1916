#include "platform/linux/cairo_page_recording.h"

std::unique_ptr<PageRecording> PageRecording::create() {
    return std::make_unique<CairoPageRecording>();
}

DrawingCanvas* CairoPageRecording::begin(int width, int height) {
    clear();
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    width_ = width;
    height_ = height;
    canvas_ = std::make_unique<CairoCanvas>(
        fonts_,
        [this](const PaintRows& rows, PaintStep step) {
            steps_.push_back({rows, std::move(step)});
        },
        true);
    return canvas_.get();
}

void CairoPageRecording::end() {
    if (canvas_ != nullptr) {
        canvas_->flushText();
        canvas_.reset();
    }
}

void CairoPageRecording::clear() {
    end();
    steps_.clear();
    width_ = 0;
    height_ = 0;
}

void CairoPageRecording::replay(cairo_t* context, PaintMode mode, double top, double bottom,
                                bool blank) const {
    const bool banded = bottom > top;
    for (const Step& step : steps_) {
        if (banded && step.rows.bounded && (step.rows.bottom <= top || step.rows.top >= bottom)) {
            continue;
        }
        if (mode == PaintMode::Ink && blank && step.rows.lightOnly) {
            continue;
        }
        step.paint(context, mode);
        blank = blank && step.rows.lightOnly;
    }
}
