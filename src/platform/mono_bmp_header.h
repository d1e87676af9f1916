#pragma once

#include <cstddef>
#include <cstdint>

// The headers of the one-bit page picture as a Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER
// and the palette (index 0 black, index 1 white); the pixel rows follow at kMonoBmpPixelOffset.
constexpr std::size_t kMonoBmpPixelOffset = 14 + 40 + 8;

// Writes the kMonoBmpPixelOffset header bytes for a picture of width x height pixels whose rows take
// imageSize bytes.
void WriteMonoBmpHeader(char* out, int width, int height, std::uint32_t imageSize, int dotsPerInch);
