#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

#include "platform/drawing_types.h"
#include "platform/raster_image.h"

// A device-independent bitmap packed as GDI takes it: the info header, the colour table and the pixels
// in one block (CreateDIBPatternBrushPt needs them together).
class PackedDib {
public:
    // A DIB of width x height pixels; rows from the top when topDown, else from the bottom.
    PackedDib(int width, int height, int bitsPerPixel, bool topDown);

    bool empty() const { return bytes_.empty(); }
    BITMAPINFO* info() { return reinterpret_cast<BITMAPINFO*>(bytes_.data()); }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(bytes_.data()); }
    std::uint8_t* bits() { return bytes_.data() + bitsOffset_; }
    const std::uint8_t* bits() const { return bytes_.data() + bitsOffset_; }
    // The bytes of stored row `row` (in the order the DIB stores them).
    std::uint8_t* row(int row) { return bits() + static_cast<std::size_t>(row) * stride_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setColour(int index, DrawColor colour);

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t bitsOffset_ = 0;
    std::size_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// The tile of a pattern brush: one bit per pixel, index 0 black and 1 white, rows from the bottom.
PackedDib PatternDib(const PatternTile& tile);
// Image samples as 32-bit pixels, rows from the top.
PackedDib SampleDib(const SampleImage& image);
// A decoded picture as 32-bit pixels, rows from the top.
PackedDib RasterDib(const RasterImage& image);
// A decoded picture as one bit per pixel, rows from the top: black where its colour is dark.
PackedDib ThresholdDib(const RasterImage& image);
// A one-bit stencil, rows from the top: index 0 where the mask paints, 1 elsewhere, with the two colours
// given.
PackedDib StencilDib(const SampleImage& mask, DrawColor painted, DrawColor other);
