#include "pdf/render/render_image.h"

std::size_t RenderImage::RowBytes(Format format, int width) {
    const auto w = static_cast<std::size_t>(width < 0 ? 0 : width);
    switch (format) {
    case Format::Gray1:
    case Format::Mask1:
        return (w + 7) / 8;
    case Format::Gray8:
        return w;
    case Format::Rgb24:
        return w * 3;
    }
    return 0;
}
