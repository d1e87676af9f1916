#include "platform/rgb_page_image.h"

#include <cstdint>

#include "platform/linux/cairo_canvas.h"
#include "platform/linux/cairo_page_recording.h"

class RgbPageImage::Impl {
public:
    Impl(int width, int height) {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(width, 0), std::max(height, 0));
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS || width <= 0 || height <= 0) {
            cairo_surface_destroy(surface_);
            surface_ = nullptr;
            return;
        }
        context_ = cairo_create(surface_);
        CairoCanvas::prepareContext(context_);
        cairo_set_source_rgb(context_, 1, 1, 1);
        cairo_paint(context_);
        canvas_ = std::make_unique<CairoCanvas>(fonts_, CairoCanvas::immediate(context_, PaintMode::Colour));
    }
    ~Impl() {
        canvas_.reset();
        if (context_ != nullptr) {
            cairo_destroy(context_);
        }
        if (surface_ != nullptr) {
            cairo_surface_destroy(surface_);
        }
    }

    cairo_surface_t* surface_ = nullptr;
    cairo_t* context_ = nullptr;
    FontCatalog fonts_;
    std::unique_ptr<CairoCanvas> canvas_;
};

RgbPageImage::RgbPageImage(int width, int height) : impl_(std::make_unique<Impl>(width, height)) {}

RgbPageImage::~RgbPageImage() = default;

bool RgbPageImage::empty() const {
    return impl_->surface_ == nullptr;
}

int RgbPageImage::width() const {
    return empty() ? 0 : cairo_image_surface_get_width(impl_->surface_);
}

int RgbPageImage::height() const {
    return empty() ? 0 : cairo_image_surface_get_height(impl_->surface_);
}

DrawColor RgbPageImage::pixel(int x, int y) const {
    if (empty() || x < 0 || y < 0 || x >= width() || y >= height()) {
        return kDrawWhite;
    }
    cairo_surface_flush(impl_->surface_);
    const unsigned char* row = cairo_image_surface_get_data(impl_->surface_) +
                               static_cast<std::size_t>(y) * cairo_image_surface_get_stride(impl_->surface_);
    const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[x];
    return RgbColor(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                    static_cast<int>(p & 0xFF));
}

bool RgbPageImage::writePng(const std::string& path) const {
    if (empty()) {
        return false;
    }
    cairo_surface_flush(impl_->surface_);
    return cairo_surface_write_to_png(impl_->surface_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

void RgbPageImage::play(const PageRecording& recording, int x, int y) {
    if (empty()) {
        return;
    }
    cairo_t* cr = impl_->context_;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    static_cast<const CairoPageRecording&>(recording).replay(cr, PaintMode::Colour, 0, 0, false);
    cairo_restore(cr);
}

void RgbPageImage::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    if (!empty()) {
        impl_->canvas_->drawImage(image, x, y, width, height);
    }
}

DrawingCanvas* RgbPageImage::canvas() {
    return empty() ? nullptr : impl_->canvas_.get();
}
