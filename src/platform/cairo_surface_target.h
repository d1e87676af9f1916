#pragma once

#include "platform/cairo_page_target.h"

// Any Cairo surface as a page target (a printer page, or an image in tests); colours are kept.
class CairoSurfaceTarget : public CairoPageTarget {
public:
    // Takes a reference to the surface for its own lifetime.
    explicit CairoSurfaceTarget(cairo_surface_t* surface);
    ~CairoSurfaceTarget() override;
    CairoSurfaceTarget(const CairoSurfaceTarget&) = delete;
    CairoSurfaceTarget& operator=(const CairoSurfaceTarget&) = delete;

    void drawMetafile(const CairoMetafile& metafile, int x, int y) override;
    void drawImage(cairo_surface_t* image, int x, int y, int width, int height) override;

private:
    cairo_surface_t* surface_;
};
