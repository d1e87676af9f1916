#include "platform/cairo_bitmap_target.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/cairo_metafile.h"

namespace {

// Rows rendered at a time: small bands stay in the processor's cache (128 measured fastest).
constexpr int kBandRows = 128;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

bool darkPixel(std::uint32_t pixel) {
    const std::uint32_t red = (pixel >> 16) & 0xFF;
    const std::uint32_t green = (pixel >> 8) & 0xFF;
    const std::uint32_t blue = pixel & 0xFF;
    return red * 299 + green * 587 + blue * 114 < 128 * 1000;
}

} // namespace

CairoBitmapTarget::CairoBitmapTarget(int width, int height) : bitmap_(width, height) {}

void CairoBitmapTarget::paintBands(const std::function<void(cairo_t*)>& painter) {
    const int width = bitmap_.width();
    if (bitmap_.empty()) {
        return;
    }
    const int bandRows = std::min(kBandRows, bitmap_.height());
    cairo_surface_t* band = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, bandRows);
    if (cairo_surface_status(band) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(band);
        return;
    }
    const int stride = cairo_image_surface_get_stride(band);
    for (int top = 0; top < bitmap_.height(); top += bandRows) {
        const int rows = std::min(bandRows, bitmap_.height() - top);
        cairo_surface_flush(band);
        unsigned char* data = cairo_image_surface_get_data(band);
        for (int r = 0; r < rows; ++r) {
            auto* pixels = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(r) * stride);
            if (blank_) {
                std::fill(pixels, pixels + width, kWhite);
            } else {
                const std::uint8_t* in = bitmap_.row(top + r);
                for (int x = 0; x < width; ++x) {
                    pixels[x] = (in[x >> 3] & (0x80 >> (x & 7))) != 0 ? 0 : kWhite;
                }
            }
        }
        cairo_surface_mark_dirty(band);
        cairo_t* cr = cairo_create(band);
        cairo_rectangle(cr, 0, 0, width, rows);
        cairo_clip(cr);
        cairo_translate(cr, 0, -top);
        painter(cr);
        cairo_destroy(cr);
        cairo_surface_flush(band);
        for (int r = 0; r < rows; ++r) {
            const auto* pixels =
                reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(r) * stride);
            std::uint8_t* out = bitmap_.row(top + r);
            std::memset(out, 0, static_cast<std::size_t>(bitmap_.stride()));
            // Eight pixels make one byte; a page is mostly white, so a group of eight white pixels is
            // recognised with one test before any pixel is weighed.
            for (int x0 = 0; x0 < width; x0 += 8) {
                const int count = std::min(8, width - x0);
                const std::uint32_t* group = pixels + x0;
                if (count == 8 && (group[0] & group[1] & group[2] & group[3] & group[4] & group[5] &
                                   group[6] & group[7] & kWhite) == kWhite) {
                    continue;
                }
                std::uint8_t bits = 0;
                for (int i = 0; i < count; ++i) {
                    const std::uint32_t pixel = group[i] & kWhite;
                    if (pixel != kWhite && darkPixel(pixel)) {
                        bits |= static_cast<std::uint8_t>(0x80 >> i);
                    }
                }
                out[x0 >> 3] = bits;
            }
        }
    }
    cairo_surface_destroy(band);
    blank_ = false;
}

void CairoBitmapTarget::drawMetafile(const CairoMetafile& metafile, int x, int y) {
    if (metafile.surface() == nullptr) {
        return;
    }
    paintBands([&](cairo_t* cr) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_source_surface(cr, metafile.surface(), x, y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
    });
}

void CairoBitmapTarget::drawImage(cairo_surface_t* image, int x, int y, int width, int height) {
    if (image == nullptr || width <= 0 || height <= 0) {
        return;
    }
    const int imageWidth = cairo_image_surface_get_width(image);
    const int imageHeight = cairo_image_surface_get_height(image);
    if (imageWidth <= 0 || imageHeight <= 0) {
        return;
    }
    paintBands([&](cairo_t* cr) {
        cairo_rectangle(cr, x, y, width, height);
        cairo_clip(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, static_cast<double>(width) / imageWidth, static_cast<double>(height) / imageHeight);
        cairo_set_source_surface(cr, image, 0, 0);
        // Padding keeps the edges of a stretched image from fading into the page.
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
        cairo_paint(cr);
    });
}
