#include "platform/jpeg_samples.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/linux/jpeg_errors.h"

namespace {

// Warnings (corrupt data that libjpeg can step over) are not fatal; a file cut short still gives the rows
// read so far.
void ignoreWarning(j_common_ptr, int) {}

// The decoding proper. Holds no object with a destructor across the jump: the sample buffer is the
// caller's and is sized before any row is read.
bool decodeInto(const unsigned char* data, unsigned long size, std::size_t maxPixels, JpegSamples& out) {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    errors.base.emit_message = ignoreWarning;
    volatile bool started = false;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        // An error after the first rows keeps what was decoded, as a damaged page still shows its top.
        return started && out.height > 0;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    switch (info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        info.out_color_space = JCS_CMYK;
        break;
    default:
        info.out_color_space = JCS_RGB;
        break;
    }
    if (info.image_width == 0 || info.image_height == 0 ||
        static_cast<std::size_t>(info.image_width) > maxPixels / info.image_height) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (components != 1 && components != 3 && components != 4) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(info.output_width) * components;
    out.samples.assign(rowBytes * info.output_height, 0);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    out.components = components;
    started = true;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.samples.data() + rowBytes * info.output_scanline;
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            break;
    }
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool DecodeJpegSamples(std::string_view bytes, std::size_t maxPixels, JpegSamples& out) {
    out = JpegSamples();
    if (bytes.empty() || maxPixels == 0)
        return false;
    const bool ok = decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                               static_cast<unsigned long>(bytes.size()), maxPixels, out);
    if (!ok)
        out = JpegSamples();
    return ok;
}
