#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The samples of an image as the sink receives them, the image's /Decode array already applied. The
// image fills the unit square of the matrix it is drawn under; its first row is the square's top edge
// (y = 1), its first column the left edge (x = 0).
struct RenderImage {
    enum class Format {
        Gray1, // one bit per pixel, most significant bit first: 0 black, 1 white
        Gray8, // one byte per pixel: 0 black to 255 white
        Rgb24, // three bytes per pixel: red, green, blue
        Mask1, // stencil mask, one bit per pixel: 1 paints in the fill colour, 0 leaves the page as it is
    };

    Format format = Format::Gray8;
    int width = 0;
    int height = 0;
    std::size_t stride = 0; // bytes per row, no padding beyond the last pixel's byte
    std::vector<std::uint8_t> samples;

    static std::size_t RowBytes(Format format, int width);
};
