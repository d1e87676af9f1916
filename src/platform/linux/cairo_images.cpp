#include "platform/linux/cairo_images.h"

#include <cstdint>

namespace {

cairo_surface_t* newSurface(cairo_format_t format, int width, int height) {
    cairo_surface_t* surface = cairo_image_surface_create(format, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_surface_flush(surface);
    return surface;
}

std::uint8_t* rowOf(cairo_surface_t* surface, int y) {
    return cairo_image_surface_get_data(surface) +
           static_cast<std::size_t>(y) * cairo_image_surface_get_stride(surface);
}

// A sample scaled to 0..255, inverted when the image asks for it.
unsigned sampleAt(const SampleImage& image, const std::uint8_t* row, int index) {
    unsigned value = 0;
    if (image.bitsPerComponent == 1) {
        value = (row[index >> 3] >> (7 - (index & 7))) & 1u ? 255u : 0u;
    } else {
        value = row[index];
    }
    return image.invert ? 255u - value : value;
}

} // namespace

cairo_pattern_t* CreateTilePattern(const PatternTile& tile) {
    if (tile.width <= 0 || tile.height <= 0 ||
        tile.black.size() < static_cast<std::size_t>(tile.width) * tile.height) {
        return nullptr;
    }
    cairo_surface_t* surface = newSurface(CAIRO_FORMAT_RGB24, tile.width, tile.height);
    if (surface == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < tile.height; ++y) {
        std::uint8_t* row = rowOf(surface, y);
        for (int x = 0; x < tile.width; ++x) {
            const bool black = tile.black[static_cast<std::size_t>(y) * tile.width + x] != 0;
            reinterpret_cast<std::uint32_t*>(row)[x] = black ? 0x000000 : 0xFFFFFF;
        }
    }
    cairo_surface_mark_dirty(surface);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(surface);
    cairo_surface_destroy(surface);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return pattern;
}

cairo_surface_t* CreateSampleSurface(const SampleImage& image) {
    if (!image.valid()) {
        return nullptr;
    }
    cairo_surface_t* surface = newSurface(CAIRO_FORMAT_RGB24, image.width, image.height);
    if (surface == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* in = image.samples + static_cast<std::size_t>(y) * image.rowBytes();
        auto* out = reinterpret_cast<std::uint32_t*>(rowOf(surface, y));
        for (int x = 0; x < image.width; ++x) {
            if (image.components == 3) {
                const unsigned r = sampleAt(image, in, 3 * x);
                const unsigned g = sampleAt(image, in, 3 * x + 1);
                const unsigned b = sampleAt(image, in, 3 * x + 2);
                out[x] = r << 16 | g << 8 | b;
            } else {
                const unsigned grey = sampleAt(image, in, x);
                out[x] = grey << 16 | grey << 8 | grey;
            }
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

cairo_surface_t* CreateRasterSurface(const RasterImage& image) {
    if (image.empty() || image.pixels.size() < static_cast<std::size_t>(image.width) * image.height) {
        return nullptr;
    }
    cairo_surface_t* surface = newSurface(CAIRO_FORMAT_RGB24, image.width, image.height);
    if (surface == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < image.height; ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(rowOf(surface, y));
        const std::uint32_t* in = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) {
            out[x] = in[x] & 0xFFFFFF;
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

cairo_surface_t* CreateStencilSurface(const SampleImage& mask) {
    if (!mask.valid() || mask.bitsPerComponent != 1 || mask.components != 1) {
        return nullptr;
    }
    cairo_surface_t* surface = newSurface(CAIRO_FORMAT_A8, mask.width, mask.height);
    if (surface == nullptr) {
        return nullptr;
    }
    for (int y = 0; y < mask.height; ++y) {
        const std::uint8_t* in = mask.samples + static_cast<std::size_t>(y) * mask.rowBytes();
        std::uint8_t* out = rowOf(surface, y);
        for (int x = 0; x < mask.width; ++x) {
            // A sample of 0 paints; inverted, a sample of 1 does.
            out[x] = sampleAt(mask, in, x) == 0 ? 0xFF : 0x00;
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}
