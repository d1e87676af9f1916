#include "platform/cairo_surface_target.h"

#include "platform/cairo_metafile.h"

CairoSurfaceTarget::CairoSurfaceTarget(cairo_surface_t* surface)
    : surface_(cairo_surface_reference(surface)) {}

CairoSurfaceTarget::~CairoSurfaceTarget() {
    cairo_surface_destroy(surface_);
}

void CairoSurfaceTarget::drawMetafile(const CairoMetafile& metafile, int x, int y) {
    if (metafile.surface() == nullptr) {
        return;
    }
    cairo_t* cr = cairo_create(surface_);
    cairo_set_source_surface(cr, metafile.surface(), x, y);
    cairo_paint(cr);
    cairo_destroy(cr);
}

void CairoSurfaceTarget::drawImage(cairo_surface_t* image, int x, int y, int width, int height) {
    if (image == nullptr || width <= 0 || height <= 0) {
        return;
    }
    const int imageWidth = cairo_image_surface_get_width(image);
    const int imageHeight = cairo_image_surface_get_height(image);
    if (imageWidth <= 0 || imageHeight <= 0) {
        return;
    }
    cairo_t* cr = cairo_create(surface_);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, static_cast<double>(width) / imageWidth, static_cast<double>(height) / imageHeight);
    cairo_set_source_surface(cr, image, 0, 0);
    // Padding keeps the edges of a stretched image from fading into the page.
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_destroy(cr);
}
