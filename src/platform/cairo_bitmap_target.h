#pragma once

#include <functional>

#include "platform/cairo_mono_bitmap.h"
#include "platform/cairo_page_target.h"

// A monochrome page bitmap: everything is drawn in colour without antialiasing, in horizontal bands, and
// each pixel becomes black or white by its brightness.
class CairoBitmapTarget : public CairoPageTarget {
public:
    CairoBitmapTarget(int width, int height);

    void drawMetafile(const CairoMetafile& metafile, int x, int y) override;
    void drawImage(cairo_surface_t* image, int x, int y, int width, int height) override;

    const MonoBitmap& bitmap() const { return bitmap_; }

private:
    // Runs the painter once per band, with the band's context translated so that it draws in page
    // coordinates, and folds each band back into the bitmap.
    void paintBands(const std::function<void(cairo_t*)>& painter);

    MonoBitmap bitmap_;
    bool blank_ = true;
};
