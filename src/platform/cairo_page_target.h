#pragma once

#include <cairo.h>

class CairoMetafile;

// Where a recorded page is played back: a page bitmap for PDF output, a printer page for direct printing.
class CairoPageTarget {
public:
    virtual ~CairoPageTarget() = default;

    // Plays the recording back with its origin at device point (x, y).
    virtual void drawMetafile(const CairoMetafile& metafile, int x, int y) = 0;
    // Stretches an image into the device rectangle (x, y, width, height).
    virtual void drawImage(cairo_surface_t* image, int x, int y, int width, int height) = 0;
};
