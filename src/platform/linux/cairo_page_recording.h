#pragma once

#include <memory>
#include <vector>

#include "platform/linux/cairo_canvas.h"
#include "platform/page_recording.h"

// The recorded page: the paint steps of its canvas in order, each with the device rows it touches, so
// that a banded target plays only the steps that reach the band.
class CairoPageRecording : public PageRecording {
public:
    DrawingCanvas* begin(int width, int height) override;
    void end() override;
    void clear() override;
    bool empty() const override { return steps_.empty(); }
    int width() const override { return width_; }
    int height() const override { return height_; }

    // Runs the steps that reach the device rows [top, bottom) of the recording (all when bottom <= top).
    // While `blank` the page under those rows is white, and steps that only paint light colours are
    // skipped in ink mode until something else has been drawn.
    void replay(cairo_t* context, PaintMode mode, double top, double bottom, bool blank) const;

private:
    struct Step {
        PaintRows rows;
        PaintStep paint;
    };

    FontCatalog fonts_;
    std::unique_ptr<CairoCanvas> canvas_;
    std::vector<Step> steps_;
    int width_ = 0;
    int height_ = 0;
};
