#pragma once

#include <string>

#include <cairo.h>

// A JPEG picture decoded with libjpeg into a Cairo RGB image; owns the image surface.
class JpegImage {
public:
    JpegImage() = default;
    ~JpegImage();
    JpegImage(JpegImage&& other) noexcept;
    JpegImage& operator=(JpegImage&& other) noexcept;
    JpegImage(const JpegImage&) = delete;
    JpegImage& operator=(const JpegImage&) = delete;

    // Decodes a JPEG file (greyscale, RGB or CMYK); an empty image when it is missing or unreadable.
    static JpegImage loadFile(const std::string& path);
    static JpegImage decode(const std::string& bytes);
    // The pixel size of a JPEG file from its header alone; false when it is missing or unreadable.
    static bool readFileSize(const std::string& path, int& width, int& height);

    bool empty() const { return surface_ == nullptr; }
    int width() const;
    int height() const;
    cairo_surface_t* surface() const { return surface_; }

private:
    explicit JpegImage(cairo_surface_t* surface) : surface_(surface) {}

    cairo_surface_t* surface_ = nullptr;
};
