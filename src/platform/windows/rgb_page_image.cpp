#include "platform/rgb_page_image.h"

#include <algorithm>
#include <cstring>

#include "platform/windows/dib_section.h"
#include "platform/windows/gdi_canvas.h"
#include "platform/windows/gdi_page_recording.h"
#include "platform/windows/wic_codecs.h"

class RgbPageImage::Impl {
public:
    Impl(int width, int height) : picture_(width, height, 32) {
        if (picture_.empty()) {
            return;
        }
        std::memset(picture_.bits(), 0xFF, picture_.size());
        canvas_ = std::make_unique<GdiCanvas>(picture_.dc());
    }

    DibSection picture_;
    std::unique_ptr<GdiCanvas> canvas_;
};

RgbPageImage::RgbPageImage(int width, int height) : impl_(std::make_unique<Impl>(width, height)) {}

RgbPageImage::~RgbPageImage() = default;

bool RgbPageImage::empty() const {
    return impl_->picture_.empty();
}

int RgbPageImage::width() const {
    return impl_->picture_.width();
}

int RgbPageImage::height() const {
    return impl_->picture_.height();
}

DrawColor RgbPageImage::pixel(int x, int y) const {
    if (empty() || x < 0 || y < 0 || x >= width() || y >= height()) {
        return kDrawWhite;
    }
    GdiFlush();
    const std::uint8_t* p =
        impl_->picture_.bits() + static_cast<std::size_t>(y) * impl_->picture_.stride() + 4 * x;
    return RgbColor(p[2], p[1], p[0]);
}

bool RgbPageImage::writePng(const std::string& path) const {
    if (empty()) {
        return false;
    }
    GdiFlush();
    return WicWritePng(path, impl_->picture_.bits(), width(), height(), impl_->picture_.stride());
}

void RgbPageImage::play(const PageRecording& recording, int x, int y) {
    if (!empty()) {
        static_cast<const GdiPageRecording&>(recording).play(impl_->picture_.dc(), x, y, PlayMode::Colour);
    }
}

void RgbPageImage::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    if (!empty()) {
        impl_->canvas_->drawImage(image, x, y, width, height);
    }
}

DrawingCanvas* RgbPageImage::canvas() {
    return empty() ? nullptr : impl_->canvas_.get();
}
