#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Pixel layout of a decoded bitmap, as it goes into an image XObject.
enum class BmpSampleKind {
    Bilevel, // 1 bit per pixel, row bytes as in the file
    Gray,    // 1 byte per pixel
    Rgb,     // 3 bytes per pixel, red-green-blue
};

// A Windows bitmap decoded into image samples: rows from top to bottom with no
// padding at row ends.
struct BmpImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    BmpSampleKind kind = BmpSampleKind::Rgb;
    std::string samples;
    // One-bit rows left in place in the file data (top row first), instead of `samples`, when the
    // caller asks for them; valid as long as the file data is.
    std::vector<std::string_view> rowsInPlace;
    bool zeroIsBlack = true; // 1-bit only: colour-table entry 0 has red component 0
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
};

// Decodes a Windows bitmap file of any common header version, depth (1, 4, 8, 16,
// 24, 32 bits) and compression (none, RLE4, RLE8, bit fields), bottom-up or
// top-down. 1-bit bitmaps stay 1-bit, an 8-bit bitmap with exactly the 256-level
// grey table stays grey, everything else becomes 24-bit colour. Returns false for
// anything it cannot decode, including truncated or inconsistent files. With `bilevelRowsInPlace` a
// one-bit bitmap is not copied: its rows are given as `rowsInPlace`.
bool DecodeBmp(std::string_view data, BmpImage& image, bool bilevelRowsInPlace = false);
