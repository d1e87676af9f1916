#pragma once

#include "support/jpeg_builder.h"

#include <fstream>
#include <string>

// Writes a JPEG file of one colour for the tests; answers false when the file cannot be written.
inline bool writeSolidJpeg(const std::string& path, int width, int height, unsigned char red,
                           unsigned char green, unsigned char blue) {
    JpegLayout layout;
    layout.width = width;
    layout.height = height;
    layout.densityUnit = 0; // an aspect ratio only, 1:1
    layout.xDensity = 1;
    layout.yDensity = 1;
    layout.left = layout.right = {red, green, blue};
    std::ofstream file(path, std::ios::binary);
    file << EncodeJpeg(layout);
    return static_cast<bool>(file.flush());
}
