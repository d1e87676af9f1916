#pragma once

#include <cairo.h>

// A recorded page picture in device units: a Cairo recording surface, drawn on while open and played
// back onto any target afterwards.
class CairoMetafile {
public:
    CairoMetafile() = default;
    ~CairoMetafile();
    CairoMetafile(const CairoMetafile&) = delete;
    CairoMetafile& operator=(const CairoMetafile&) = delete;

    // Drops the previous recording and opens an empty one whose nominal size is width x height device
    // units (drawing outside it is kept); answers the
    // drawing context, or nullptr when Cairo cannot make one (the metafile then stays empty).
    cairo_t* begin(int width, int height);
    // Closes the drawing context; the recording stays.
    void end();
    void clear();

    cairo_t* context() const { return context_; }
    // The recording, or nullptr when nothing was recorded.
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    cairo_surface_t* surface_ = nullptr;
    cairo_t* context_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
