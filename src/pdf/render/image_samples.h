#pragma once

#include <string_view>
#include <vector>

#include "pdf/render/color_space.h"
#include "pdf/render/render_image.h"

// The layout of an image's samples, as its dictionary gives it.
struct ImageLayout {
    int width = 0;
    int height = 0;
    int bitsPerComponent = 8; // 1, 2, 4, 8 or 16
    bool imageMask = false;   // a stencil mask: one bit per pixel, no colour space
    ColorSpace space;
    std::vector<double> decode; // two numbers per component; empty for the defaults
};

// Turns raw samples (rows of ceil(width × components × bits / 8) bytes, top row first) into the form the
// sink receives: 1-bit grey and masks stay 1-bit, single-component spaces become 8-bit grey or RGB, the
// others RGB. Missing samples at the end count as 0. False when the layout is unusable (no size, bits per
// component other than 1, 2, 4, 8, 16, more than `maxPixels` pixels).
bool ConvertImageSamples(const ImageLayout& layout, std::string_view raw, std::size_t maxPixels,
                         RenderImage& out);
