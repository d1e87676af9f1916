#pragma once

#include <cstdint>
#include <string_view>

// Unit of a resolution read from an image file.
enum class ImageResolutionUnit {
    None, // no unit: the two values give only the pixel aspect ratio
    PerInch,
    PerCentimetre,
    PerMetre,
};

// What the marker scan of a JPEG file finds before its first frame header.
struct JpegInfo {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int components = 0;
    double xResolution = 0; // 0 when the file gives none
    double yResolution = 0;
    ImageResolutionUnit resolutionUnit = ImageResolutionUnit::None;
};

// True when the data starts with the JPEG start-of-image marker FF D8.
bool LooksLikeJpeg(std::string_view data);

// Walks the markers from FF D8 up to the first baseline, extended, progressive or
// lossless Huffman frame header (C0 to C3): reads the JFIF density, the EXIF
// resolution and the frame's height, width and component count. Returns false
// when no such frame header comes before the scan data or the end of the file,
// when a segment runs past the end, or when width or height is 0.
bool ScanJpegMarkers(std::string_view data, JpegInfo& info);
