#pragma once

#include <string>

#include "platform/raster_image.h"

// A JPEG picture decoded with libjpeg into RGB pixels.
class JpegImage {
public:
    // Decodes a JPEG file (greyscale, RGB or CMYK); an empty image when it is missing or unreadable.
    static JpegImage loadFile(const std::string& path);
    static JpegImage decode(const std::string& bytes);
    // The pixel size of a JPEG file from its header alone; false when it is missing or unreadable.
    static bool readFileSize(const std::string& path, int& width, int& height);
    // The pixel size of JPEG bytes from their header alone; false when they are no JPEG picture.
    static bool readSize(const std::string& bytes, int& width, int& height);

    bool empty() const { return raster_.empty(); }
    int width() const { return raster_.width; }
    int height() const { return raster_.height; }
    const RasterImage& raster() const { return raster_; }

private:
    RasterImage raster_;
};
