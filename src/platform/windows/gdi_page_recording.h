#pragma once

#include <memory>

#include <windows.h>

#include "platform/page_recording.h"
#include "platform/windows/gdi_canvas.h"
#include "platform/windows/gdi_handles.h"

// How a recording reaches a target: in its colours, or for a one-bit page with every pen, brush and text
// colour made black or white by its brightness (pictures keep their colours).
enum class PlayMode { Colour, Ink };

// The recorded page as an enhanced metafile whose device is the screen: its frame is the page's
// width x height device units, so that playback onto a rectangle of that many pixels maps one device
// unit onto one pixel.
class GdiPageRecording : public PageRecording {
public:
    GdiPageRecording() = default;
    ~GdiPageRecording() override;

    DrawingCanvas* begin(int width, int height) override;
    void end() override;
    void clear() override;
    bool empty() const override { return !drawn_ && !(canvas_ && canvas_->drewAnything()); }
    int width() const override { return width_; }
    int height() const override { return height_; }

    // The finished recording; nullptr while it is open or when nothing was recorded.
    HENHMETAFILE metafile() const { return drawn_ ? metafile_.get() : nullptr; }
    // Plays the page onto a context with its origin at device point (x, y); nothing while it is open.
    void play(HDC target, int x, int y, PlayMode mode) const;

private:
    HDC recordingDc_ = nullptr;
    std::unique_ptr<GdiCanvas> canvas_;
    EnhMetafileHandle metafile_;
    bool drawn_ = false;
    int width_ = 0;
    int height_ = 0;
};
