#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A JPEG picture decoded into 8-bit samples: `components` bytes per pixel (1 grey, 3 RGB, 4 CMYK as the
// file stores them, so that Adobe's inverted CMYK stays inverted), rows from the top, no padding.
struct JpegSamples {
    int width = 0;
    int height = 0;
    int components = 0;
    std::vector<std::uint8_t> samples;
};

// Decodes the bytes of a JPEG file (baseline or progressive; grey, YCbCr/RGB, CMYK or YCCK). False, with
// `out` emptied, when the bytes are no readable JPEG or the picture has more than `maxPixels` pixels.
// A damaged file gives the rows libjpeg can make of it.
bool DecodeJpegSamples(std::string_view bytes, std::size_t maxPixels, JpegSamples& out);
