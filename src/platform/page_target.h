#pragma once

#include "platform/raster_image.h"

class DrawingCanvas;
class PageRecording;

// Where a recorded page is played back: the one-bit page bitmap of PDF output, a printer page of direct
// printing, or an RGB image for previews and tests.
class PageTarget {
public:
    virtual ~PageTarget() = default;

    // Plays the recording back with its origin at device point (x, y).
    virtual void play(const PageRecording& recording, int x, int y) = 0;
    // Stretches a picture into the device rectangle (x, y, width, height).
    virtual void drawImage(const RasterImage& image, int x, int y, int width, int height) = 0;
    // A canvas drawing straight onto the target in device units, or nullptr when the target has none
    // (the page bitmap takes recordings and pictures only).
    virtual DrawingCanvas* canvas() = 0;
};
