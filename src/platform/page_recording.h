#pragma once

#include <memory>

class DrawingCanvas;

// One recorded page (GDI's enhanced metafile): drawn on through a canvas while open, played back onto
// any page target afterwards, as often as wanted.
class PageRecording {
public:
    static std::unique_ptr<PageRecording> create();
    virtual ~PageRecording() = default;

    // Drops the previous recording and opens an empty one whose viewport is width x height device units
    // (drawing outside it is kept). Answers the canvas to draw on, or nullptr when none can be made.
    virtual DrawingCanvas* begin(int width, int height) = 0;
    // Closes the canvas; the recording stays.
    virtual void end() = 0;
    virtual void clear() = 0;
    // True when nothing was recorded since the last clear.
    virtual bool empty() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
};
