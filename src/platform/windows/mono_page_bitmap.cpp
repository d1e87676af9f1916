#include "platform/mono_page_bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/mono_bmp_header.h"
#include "platform/windows/dib_section.h"
#include "platform/windows/gdi_dibs.h"
#include "platform/windows/gdi_page_recording.h"

namespace {} // namespace

// The page is a one-bit DIB section with the bitmap file's own row order and padding: GDI draws on it
// directly, and after each drawing its rows are copied into the file.
class MonoPageBitmap::Impl {
public:
    void begin(std::string& bmp, int width, int height, int dotsPerInch) {
        bmp_ = &bmp;
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        const std::size_t rowBytes = ((static_cast<std::size_t>(width_) + 31) / 32) * 4;
        const std::size_t imageSize = rowBytes * height_;
        bmp.resize(kMonoBmpPixelOffset + imageSize);
        WriteMonoBmpHeader(bmp.data(), width_, height_, static_cast<std::uint32_t>(imageSize), dotsPerInch);
        if (width_ == 0 || height_ == 0) {
            return;
        }
        if (page_ == nullptr || page_->width() != width_ || page_->height() != height_) {
            page_.reset();
            page_ = std::make_unique<DibSection>(width_, height_, 1);
        }
        if (page_->empty()) {
            return;
        }
        GdiFlush();
        std::memset(page_->bits(), 0xFF, page_->size());
        copyOut();
    }

    HDC dc() const { return ready() ? page_->dc() : nullptr; }

    // Copies the page into the file, with the bits past the last pixel of a row zero.
    void copyOut() {
        if (!ready()) {
            return;
        }
        GdiFlush();
        char* out = bmp_->data() + kMonoBmpPixelOffset;
        std::memcpy(out, page_->bits(), page_->size());
        const std::size_t stride = page_->stride();
        const std::size_t used = (static_cast<std::size_t>(width_) + 7) / 8;
        for (int y = 0; y < height_; ++y) {
            char* row = out + stride * y;
            if (width_ % 8 != 0) {
                row[width_ / 8] = static_cast<char>(row[width_ / 8] & (0xFF << (8 - width_ % 8)));
            }
            std::memset(row + used, 0, stride - used);
        }
    }

private:
    bool ready() const {
        return bmp_ != nullptr && width_ > 0 && height_ > 0 && page_ != nullptr && !page_->empty();
    }

    std::string* bmp_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<DibSection> page_;
};

MonoPageBitmap::MonoPageBitmap() : impl_(std::make_unique<Impl>()) {}

MonoPageBitmap::~MonoPageBitmap() = default;

void MonoPageBitmap::begin(std::string& bmp, int width, int height, int dotsPerInch) {
    impl_->begin(bmp, width, height, dotsPerInch);
}

void MonoPageBitmap::play(const PageRecording& recording, int x, int y) {
    if (HDC dc = impl_->dc()) {
        static_cast<const GdiPageRecording&>(recording).play(dc, x, y, PlayMode::Ink);
        impl_->copyOut();
    }
}

void MonoPageBitmap::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    HDC dc = impl_->dc();
    // Each pixel is made black or white by its brightness first, then stretched into place.
    PackedDib dib = ThresholdDib(image);
    if (dc == nullptr || dib.empty() || width <= 0 || height <= 0) {
        return;
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, x, y, width, height, 0, 0, image.width, image.height, dib.bits(), dib.info(),
                  DIB_RGB_COLORS, SRCCOPY);
    impl_->copyOut();
}
