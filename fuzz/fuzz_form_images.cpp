// Feeds arbitrary bytes to the two picture readers of the form: the halftone bitmap reader (retino.bmp
// beside the executable) and the JPEG logo decoder used for direct printing. Neither may crash, read out
// of bounds or allocate without bound, whatever the file holds.

#include "platform/jpeg_image.h"
#include "platform/mono_bitmap.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    if (const auto bitmap = MonoBitmap::fromBmp(bytes)) {
        if (bitmap->empty())
            __builtin_trap(); // a bitmap that reads must have pixels
        // Touch the corners: the rows must really hold the declared size.
        const int w = bitmap->width();
        const int h = bitmap->height();
        volatile long black = bitmap->countBlack(0, 0, w, 1) + bitmap->countBlack(0, h - 1, w, h);
        (void)black;
        // What we write must read back to the same size.
        const auto again = MonoBitmap::fromBmp(bitmap->toBmp(600));
        if (!again || again->width() != w || again->height() != h)
            __builtin_trap();
    }

    const JpegImage logo = JpegImage::decode(bytes);
    if (!logo.empty() && (logo.width() <= 0 || logo.height() <= 0))
        __builtin_trap();
    return 0;
}
