#pragma once

#include <cstdint>
#include <vector>

// A decoded colour picture: width x height pixels, rows from the top, each pixel 0x00RRGGBB.
struct RasterImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool empty() const { return width <= 0 || height <= 0; }
};
