#include "platform/jpeg_image.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include <jpeglib.h>

#include "platform/linux/jpeg_errors.h"

namespace {

// Larger pictures than this are refused (a logo is far smaller).
constexpr unsigned long kMaxPixels = 100UL * 1000 * 1000;

// Decodes into pixels (0x00RRGGBB per pixel); false on any libjpeg error. Holds no C++ objects with
// destructors across the jump: the pixel buffer belongs to the caller.
bool decodeInto(const unsigned char* data, unsigned long size, std::vector<std::uint32_t>& pixels,
                unsigned& width, unsigned& height) {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    std::vector<JSAMPLE>* volatile line = nullptr;
    if (setjmp(errors.jump) != 0) {
        delete line;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&info);
    width = info.output_width;
    height = info.output_height;
    const int components = info.output_components;
    if (width == 0 || height == 0 || static_cast<unsigned long>(width) * height > kMaxPixels ||
        (components != 3 && components != 4)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    pixels.assign(static_cast<std::size_t>(width) * height, 0);
    line = new std::vector<JSAMPLE>(static_cast<std::size_t>(width) * components);
    while (info.output_scanline < height) {
        JSAMPROW row = (*line).data();
        const unsigned y = info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
        std::uint32_t* out = pixels.data() + static_cast<std::size_t>(y) * width;
        for (unsigned x = 0; x < width; ++x) {
            const JSAMPLE* p = row + static_cast<std::size_t>(x) * components;
            std::uint32_t r = p[0];
            std::uint32_t g = p[1];
            std::uint32_t b = p[2];
            if (components == 4) {
                // Adobe JPEGs store inverted CMYK.
                const std::uint32_t k = p[3];
                r = r * k / 255;
                g = g * k / 255;
                b = b * k / 255;
            }
            out[x] = (r << 16) | (g << 8) | b;
        }
    }
    delete line;
    line = nullptr;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool readHeaderSize(const unsigned char* data, unsigned long size, unsigned& width, unsigned& height) {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    width = info.image_width;
    height = info.image_height;
    jpeg_destroy_decompress(&info);
    return width > 0 && height > 0;
}

} // namespace

bool JpegImage::readSize(const std::string& bytes, int& width, int& height) {
    unsigned w = 0;
    unsigned h = 0;
    if (bytes.empty() ||
        !readHeaderSize(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), w, h) ||
        w > 65535 || h > 65535) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

JpegImage JpegImage::decode(const std::string& bytes) {
    JpegImage image;
    if (bytes.empty()) {
        return image;
    }
    unsigned width = 0;
    unsigned height = 0;
    if (!decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), image.raster_.pixels,
                    width, height)) {
        image.raster_.pixels.clear();
        return image;
    }
    image.raster_.width = static_cast<int>(width);
    image.raster_.height = static_cast<int>(height);
    return image;
}
