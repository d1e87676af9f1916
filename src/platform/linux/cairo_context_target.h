#pragma once

#include <functional>
#include <memory>

#include <cairo.h>

#include "platform/linux/cairo_canvas.h"
#include "platform/page_target.h"

// A page target drawing on a Cairo context someone else owns (a printer page), in the context's user
// units. Before anything reaches the context, `beforeDrawing` is told, so that the owner knows the page
// is no longer blank.
class CairoContextTarget : public PageTarget {
public:
    CairoContextTarget(cairo_t* context, std::function<void()> beforeDrawing);
    ~CairoContextTarget() override;
    CairoContextTarget(const CairoContextTarget&) = delete;
    CairoContextTarget& operator=(const CairoContextTarget&) = delete;

    void play(const PageRecording& recording, int x, int y) override;
    void drawImage(const RasterImage& image, int x, int y, int width, int height) override;
    // The canvas draws straight onto the context: handing it out counts as drawing.
    DrawingCanvas* canvas() override;

private:
    cairo_t* context_;
    std::function<void()> beforeDrawing_;
    FontCatalog fonts_;
    std::unique_ptr<CairoCanvas> canvas_;
};
