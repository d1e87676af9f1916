#include "platform/mono_page_bitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>

#include "platform/linux/cairo_canvas.h"
#include "platform/linux/cairo_page_recording.h"
#include "platform/linux/huge_pages.h"
#include "platform/mono_bmp_header.h"

namespace {

// Rows drawn at a time: a band stays in the processor's cache.
constexpr int kBandRows = 64;
// The band is drawn in 16-bit pixels: Cairo's pixel library composites one-bit glyph masks onto 16- and
// 32-bit pixels on fast paths, but onto 8- and 1-bit pixels only on its slow general path, which made
// an 8-bit band twice as slow for a page of text.
constexpr std::uint16_t kWhite16 = 0xFFFF;
// Whether a 16-bit (5-6-5) pixel is light: its brightness (Rec. 601 luma of the pixel widened to 8 bits
// per component) is at least mid grey.
struct LightPixels {
    std::array<bool, 65536> light{};
    LightPixels() {
        for (unsigned p = 0; p < 65536; ++p) {
            const unsigned r = (p >> 11) * 255 / 31;
            const unsigned g = ((p >> 5) & 0x3F) * 255 / 63;
            const unsigned b = (p & 0x1F) * 255 / 31;
            light[p] = r * 299 + g * 587 + b * 114 >= 128 * 1000;
        }
    }
};

// Four pixels as four white bits (the first pixel highest); the pixels are left white for the next band.
// Whether 64 pixels are all white, tested a vector at a time.
inline bool allWhite(const std::uint16_t* pixels) {
    using Vector = std::uint64_t __attribute__((vector_size(32)));
    Vector all;
    std::memcpy(&all, pixels, sizeof all);
    for (int k = 1; k < 4; ++k) {
        Vector next;
        std::memcpy(&next, pixels + 16 * k, sizeof next);
        all &= next;
    }
    return (all[0] & all[1] & all[2] & all[3]) == ~std::uint64_t{0};
}

inline unsigned packFour(std::uint16_t* pixels, const LightPixels& table) {
    std::uint64_t group;
    std::memcpy(&group, pixels, sizeof group);
    // Pure black and white pixels, as solid drawing leaves them, are read by their top bits, which one
    // multiplication gathers into a nibble, the first pixel highest.
    const std::uint64_t top = (group >> 15) & 0x0001000100010001ULL;
    unsigned bits = 0;
    if (group == top * 0xFFFF) {
        bits = static_cast<unsigned>((top * 0x0008000400020001ULL) >> 48) & 0xF;
    } else {
        for (int i = 0; i < 4; ++i) {
            bits |= table.light[pixels[i]] ? 0x8u >> i : 0u;
        }
    }
    const std::uint64_t white = ~std::uint64_t{0};
    std::memcpy(pixels, &white, sizeof white);
    return bits;
}

} // namespace

class MonoPageBitmap::Impl {
public:
    ~Impl() {
        if (band_ != nullptr) {
            cairo_surface_destroy(band_);
        }
    }

    void begin(std::string& bmp, int width, int height, int dotsPerInch) {
        bmp_ = &bmp;
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        rowBytes_ = ((static_cast<std::size_t>(width_) + 31) / 32) * 4;
        const std::size_t imageSize = rowBytes_ * height_;
        if (bmp.capacity() < kMonoBmpPixelOffset + imageSize) {
            bmp.reserve(kMonoBmpPixelOffset + imageSize);
            AdviseHugePages(bmp.data(), bmp.capacity());
        }
        bmp.resize(kMonoBmpPixelOffset + imageSize);
        WriteMonoBmpHeader(bmp.data(), width_, height_, static_cast<std::uint32_t>(imageSize), dotsPerInch);
        blank_ = true;
        fillWhite();
    }

    // Runs the painter once per band, with the band's context translated so that it draws in page
    // coordinates, and folds each band back into the bitmap rows.
    void paintBands(const std::function<void(cairo_t*, int top, int rows, bool blank)>& painter) {
        if (bmp_ == nullptr || width_ == 0 || height_ == 0 || !ensureBand()) {
            return;
        }
        const int stride = cairo_image_surface_get_stride(band_);
        for (int top = 0; top < height_; top += kBandRows) {
            const int rows = std::min(kBandRows, height_ - top);
            cairo_surface_flush(band_);
            std::uint8_t* data = cairo_image_surface_get_data(band_);
            if (freshBand_) {
                // Packing leaves the band white; only a new band needs clearing.
                std::memset(data, 0xFF, static_cast<std::size_t>(stride) * kBandRows);
                freshBand_ = false;
            }
            if (!blank_) {
                for (int r = 0; r < rows; ++r) {
                    unpackRow(top + r, data + static_cast<std::size_t>(r) * stride);
                }
            }
            cairo_surface_mark_dirty(band_);
            cairo_t* cr = cairo_create(band_);
            CairoCanvas::prepareContext(cr);
            cairo_rectangle(cr, 0, 0, width_, rows);
            cairo_clip(cr);
            cairo_translate(cr, 0, -top);
            painter(cr, top, rows, blank_);
            cairo_destroy(cr);
            cairo_surface_flush(band_);
            for (int r = 0; r < rows; ++r) {
                packRow(data + static_cast<std::size_t>(r) * stride, top + r);
            }
        }
        blank_ = false;
    }

private:
    char* rowOf(int y) {
        return bmp_->data() + kMonoBmpPixelOffset + static_cast<std::size_t>(height_ - 1 - y) * rowBytes_;
    }

    void fillWhite() {
        const std::size_t used = (static_cast<std::size_t>(width_) + 7) / 8;
        for (int y = 0; y < height_; ++y) {
            char* row = rowOf(y);
            std::memset(row, 0xFF, used);
            std::memset(row + used, 0, rowBytes_ - used);
            trimRow(row);
        }
    }

    // Bits past the last pixel stay zero.
    void trimRow(char* row) const {
        if (width_ % 8 != 0) {
            row[width_ / 8] = static_cast<char>(row[width_ / 8] & (0xFF << (8 - width_ % 8)));
        }
    }

    bool ensureBand() {
        if (band_ != nullptr && cairo_image_surface_get_width(band_) == width_) {
            return true;
        }
        if (band_ != nullptr) {
            cairo_surface_destroy(band_);
        }
        band_ = cairo_image_surface_create(CAIRO_FORMAT_RGB16_565, width_, kBandRows);
        freshBand_ = true;
        if (cairo_surface_status(band_) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(band_);
            band_ = nullptr;
            return false;
        }
        return true;
    }

    void unpackRow(int y, std::uint8_t* band) {
        const auto* bits = reinterpret_cast<const std::uint8_t*>(rowOf(y));
        auto* pixels = reinterpret_cast<std::uint16_t*>(band);
        for (int x = 0; x < width_; ++x) {
            pixels[x] = (bits[x >> 3] & (0x80 >> (x & 7))) != 0 ? kWhite16 : 0;
        }
    }

    std::uint8_t packEight(std::uint16_t* eight) const {
        std::uint64_t halves[2];
        std::memcpy(halves, eight, sizeof halves);
        if ((halves[0] & halves[1]) == ~std::uint64_t{0}) {
            return 0xFF;
        }
        return static_cast<std::uint8_t>(packFour(eight, light_) << 4 | packFour(eight + 4, light_));
    }

    // Folds a band row into the bitmap row (a set bit is white) and whitens the band row again.
    void packRow(std::uint8_t* band, int y) {
        auto* out = reinterpret_cast<std::uint8_t*>(rowOf(y));
        auto* pixels = reinterpret_cast<std::uint16_t*>(band);
        const int whole = width_ / 8;
        int i = 0;
        // A page is mostly white: 64 pixels at a time are recognised as white with one test.
        for (; i + 8 <= whole; i += 8) {
            if (allWhite(pixels + 8 * i)) {
                std::memset(out + i, 0xFF, 8);
                continue;
            }
            for (int k = i; k < i + 8; ++k) {
                out[k] = packEight(pixels + 8 * k);
            }
        }
        for (; i < whole; ++i) {
            out[i] = packEight(pixels + 8 * i);
        }
        if (width_ % 8 != 0) {
            unsigned bits = 0;
            for (int x = 8 * whole; x < width_; ++x) {
                bits |= light_.light[pixels[x]] ? 0x80u >> (x - 8 * whole) : 0u;
                pixels[x] = kWhite16;
            }
            out[whole] = static_cast<std::uint8_t>(bits);
        }
    }

    std::string* bmp_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::size_t rowBytes_ = 0;
    bool blank_ = true;
    cairo_surface_t* band_ = nullptr;
    bool freshBand_ = true;
    LightPixels light_;
};

MonoPageBitmap::MonoPageBitmap() : impl_(std::make_unique<Impl>()) {}

MonoPageBitmap::~MonoPageBitmap() = default;

void MonoPageBitmap::begin(std::string& bmp, int width, int height, int dotsPerInch) {
    impl_->begin(bmp, width, height, dotsPerInch);
}

void MonoPageBitmap::play(const PageRecording& recording, int x, int y) {
    const auto& steps = static_cast<const CairoPageRecording&>(recording);
    if (steps.empty()) {
        return;
    }
    impl_->paintBands([&](cairo_t* cr, int top, int rows, bool blank) {
        cairo_translate(cr, x, y);
        steps.replay(cr, PaintMode::Ink, top - y, top - y + rows, blank);
    });
}

void MonoPageBitmap::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    // Recorded once, so that the picture is converted once and not for every band.
    CairoPageRecording picture;
    if (DrawingCanvas* canvas = picture.begin(1, 1)) {
        canvas->drawImage(image, x, y, width, height);
        picture.end();
        play(picture, 0, 0);
    }
}
