#pragma once

#include <functional>
#include <memory>

#include <windows.h>

#include "platform/drawing_canvas.h"
#include "platform/page_target.h"

// A page target on a device context someone else owns (a printer page), in its device units. Before
// anything reaches the context, `beforeDrawing` is told, so that the owner knows the page is not blank.
class DcPageTarget : public PageTarget {
public:
    DcPageTarget(HDC dc, std::function<void()> beforeDrawing);
    ~DcPageTarget() override;
    DcPageTarget(const DcPageTarget&) = delete;
    DcPageTarget& operator=(const DcPageTarget&) = delete;

    // PlayEnhMetaFile into the recording's own size at (x, y), in device units.
    void play(const PageRecording& recording, int x, int y) override;
    // StretchDIBits of the picture as a top-down 32-bit DIB, in device units.
    void drawImage(const RasterImage& image, int x, int y, int width, int height) override;
    // The canvas draws straight onto the context: handing it out counts as drawing.
    DrawingCanvas* canvas() override;

private:
    HDC dc_;
    std::function<void()> beforeDrawing_;
    std::unique_ptr<DrawingCanvas> canvas_;
};
