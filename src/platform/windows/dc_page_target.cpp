#include "platform/windows/dc_page_target.h"

#include "platform/page_recording.h"
#include "platform/windows/gdi_page_parts.h"

namespace {

// Device units while it lives, whatever mapping and world transform a canvas left on the context.
class PlainDeviceUnits {
public:
    explicit PlainDeviceUnits(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {
        SetGraphicsMode(dc_, GM_ADVANCED);
        ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
        SetMapMode(dc_, MM_TEXT);
        SetViewportOrgEx(dc_, 0, 0, nullptr);
        SetWindowOrgEx(dc_, 0, 0, nullptr);
    }
    ~PlainDeviceUnits() {
        if (saved_ != 0)
            RestoreDC(dc_, saved_);
    }
    PlainDeviceUnits(const PlainDeviceUnits&) = delete;
    PlainDeviceUnits& operator=(const PlainDeviceUnits&) = delete;

private:
    HDC dc_;
    int saved_;
};

} // namespace

DcPageTarget::DcPageTarget(HDC dc, std::function<void()> beforeDrawing)
    : dc_(dc), beforeDrawing_(std::move(beforeDrawing)) {}

DcPageTarget::~DcPageTarget() = default;

void DcPageTarget::play(const PageRecording& recording, int x, int y) {
    beforeDrawing_();
    const HENHMETAFILE metafile = RecordedMetafile(recording);
    if (metafile == nullptr)
        return;
    const PlainDeviceUnits units(dc_);
    const RECT frame = {x, y, x + recording.width(), y + recording.height()};
    PlayEnhMetaFile(dc_, metafile, &frame);
}

void DcPageTarget::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    beforeDrawing_();
    if (image.empty() || width <= 0 || height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return;
    // 0x00RRGGBB in memory is blue, green, red, unused: the layout of a 32-bit DIB.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height; // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const PlainDeviceUnits units(dc_);
    SetStretchBltMode(dc_, HALFTONE);
    SetBrushOrgEx(dc_, 0, 0, nullptr);
    StretchDIBits(dc_, x, y, width, height, 0, 0, image.width, image.height, image.pixels.data(), &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

DrawingCanvas* DcPageTarget::canvas() {
    beforeDrawing_();
    if (!canvas_)
        canvas_ = MakeDeviceCanvas(dc_);
    return canvas_.get();
}
