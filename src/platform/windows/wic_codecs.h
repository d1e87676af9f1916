#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/jpeg_samples.h"

// Pictures through the Windows Imaging Component.

// The pixel size of JPEG bytes from their header; false when they are no JPEG picture.
bool WicJpegSize(std::string_view bytes, int& width, int& height);
// Decodes JPEG bytes into samples as the file stores them (grey 1, RGB 3, CMYK 4 components, Adobe's
// inverted CMYK kept inverted); false, with `out` emptied, when the bytes are no readable JPEG or the
// picture has more than maxPixels pixels.
bool WicDecodeJpeg(std::string_view bytes, std::size_t maxPixels, JpegSamples& out);
// Writes 32-bit pixels (blue, green, red, unused; rows from the top) as a PNG file.
bool WicWritePng(const std::string& path, const std::uint8_t* pixels, int width, int height,
                 std::size_t stride);
