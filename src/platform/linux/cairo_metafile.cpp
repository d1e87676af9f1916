#include "platform/cairo_metafile.h"

CairoMetafile::~CairoMetafile() {
    clear();
}

cairo_t* CairoMetafile::begin(int width, int height) {
    clear();
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    // Unbounded, like a metafile: what is drawn right of or below the nominal size is kept.
    cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_t* context = cairo_create(surface);
    if (cairo_status(context) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(context);
        cairo_surface_destroy(surface);
        return nullptr;
    }
    surface_ = surface;
    context_ = context;
    width_ = width;
    height_ = height;
    return context_;
}

void CairoMetafile::end() {
    if (context_ != nullptr) {
        cairo_destroy(context_);
        context_ = nullptr;
    }
}

void CairoMetafile::clear() {
    end();
    if (surface_ != nullptr) {
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
    }
    width_ = 0;
    height_ = 0;
}
