#pragma once

// Encodes small JPEG files in memory for the image tests: libjpeg on Linux; on Windows, which has no
// libjpeg, a baseline or progressive encoder of the tests own (no chroma subsampling).

#include <cstdint>
#include <string>
#include <vector>

struct JpegLayout {
    int width = 16;
    int height = 8;
    int components = 3; // 1 grey, 3 RGB, 4 CMYK
    int densityUnit = 1;
    int xDensity = 300;
    int yDensity = 150;
    bool progressive = false;
    // Colour of every pixel (one value per component); the left half is `left`, the right half `right`.
    // (Filled, not listed: GCC 12 for mingw-w64 takes a listed default for uninitialised.)
    std::vector<std::uint8_t> left = std::vector<std::uint8_t>(3, 0);
    std::vector<std::uint8_t> right = std::vector<std::uint8_t>(3, 255);
};

std::string EncodeJpeg(const JpegLayout& layout);
