#pragma once

#include <functional>
#include <memory>

#include <windows.h>

#include "platform/page_target.h"
#include "platform/windows/gdi_canvas.h"

// A page target drawing on a device context someone else owns (a printer page), in its device units.
// Before anything reaches the context, `beforeDrawing` is told, so that the owner knows the page is no
// longer blank.
class GdiDcTarget : public PageTarget {
public:
    GdiDcTarget(HDC dc, std::function<void()> beforeDrawing);
    ~GdiDcTarget() override;
    GdiDcTarget(const GdiDcTarget&) = delete;
    GdiDcTarget& operator=(const GdiDcTarget&) = delete;

    void play(const PageRecording& recording, int x, int y) override;
    void drawImage(const RasterImage& image, int x, int y, int width, int height) override;
    // The canvas draws straight onto the context: handing it out counts as drawing.
    DrawingCanvas* canvas() override;

private:
    HDC dc_;
    std::function<void()> beforeDrawing_;
    std::unique_ptr<GdiCanvas> canvas_;
};
