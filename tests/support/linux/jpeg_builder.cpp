#include "support/jpeg_builder.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

std::string EncodeJpeg(const JpegLayout& layout) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(layout.width);
    cinfo.image_height = static_cast<JDIMENSION>(layout.height);
    cinfo.input_components = layout.components;
    cinfo.in_color_space = layout.components == 1   ? JCS_GRAYSCALE
                           : layout.components == 4 ? JCS_CMYK
                                                    : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    cinfo.write_JFIF_header = layout.components != 4 ? TRUE : FALSE;
    cinfo.density_unit = static_cast<UINT8>(layout.densityUnit);
    cinfo.X_density = static_cast<UINT16>(layout.xDensity);
    cinfo.Y_density = static_cast<UINT16>(layout.yDensity);
    if (layout.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(layout.width * layout.components));
    for (int x = 0; x < layout.width; ++x)
        for (int c = 0; c < layout.components; ++c)
            row[static_cast<std::size_t>(x * layout.components + c)] =
                (x < layout.width / 2 ? layout.left : layout.right)[static_cast<std::size_t>(c)];
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&cinfo, &pointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}
