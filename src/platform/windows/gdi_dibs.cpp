#include "platform/windows/gdi_dibs.h"

#include <cstring>

namespace {

// A sample scaled to 0..255, inverted when the image asks for it.
unsigned sampleAt(const SampleImage& image, const std::uint8_t* row, int index) {
    unsigned value = 0;
    if (image.bitsPerComponent == 1) {
        value = (row[index >> 3] >> (7 - (index & 7))) & 1u ? 255u : 0u;
    } else {
        value = row[index];
    }
    return image.invert ? 255u - value : value;
}

void setBit(std::uint8_t* row, int x, bool set) {
    if (set) {
        row[x >> 3] = static_cast<std::uint8_t>(row[x >> 3] | (0x80 >> (x & 7)));
    }
}

} // namespace

PackedDib::PackedDib(int width, int height, int bitsPerPixel, bool topDown) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const int colours = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    stride_ = ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    bitsOffset_ = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    bytes_.assign(bitsOffset_ + stride_ * height, 0);
    width_ = width;
    height_ = height;
    BITMAPINFOHEADER& header = info()->bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = topDown ? -height : height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitsPerPixel);
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride_ * height);
    header.biClrUsed = static_cast<DWORD>(colours);
}

void PackedDib::setColour(int index, DrawColor colour) {
    RGBQUAD& quad = info()->bmiColors[index];
    quad.rgbRed = static_cast<BYTE>(colour & 0xFF);
    quad.rgbGreen = static_cast<BYTE>((colour >> 8) & 0xFF);
    quad.rgbBlue = static_cast<BYTE>((colour >> 16) & 0xFF);
    quad.rgbReserved = 0;
}

PackedDib PatternDib(const PatternTile& tile) {
    if (tile.width <= 0 || tile.height <= 0 ||
        tile.black.size() < static_cast<std::size_t>(tile.width) * tile.height) {
        return PackedDib(0, 0, 1, false);
    }
    PackedDib dib(tile.width, tile.height, 1, false);
    dib.setColour(0, kDrawBlack);
    dib.setColour(1, kDrawWhite);
    for (int y = 0; y < tile.height; ++y) {
        std::uint8_t* row = dib.row(tile.height - 1 - y);
        for (int x = 0; x < tile.width; ++x) {
            setBit(row, x, tile.black[static_cast<std::size_t>(y) * tile.width + x] == 0);
        }
    }
    return dib;
}

PackedDib SampleDib(const SampleImage& image) {
    if (!image.valid()) {
        return PackedDib(0, 0, 32, true);
    }
    PackedDib dib(image.width, image.height, 32, true);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* in = image.samples + static_cast<std::size_t>(y) * image.rowBytes();
        auto* out = reinterpret_cast<std::uint32_t*>(dib.row(y));
        for (int x = 0; x < image.width; ++x) {
            if (image.components == 3) {
                out[x] = sampleAt(image, in, 3 * x) << 16 | sampleAt(image, in, 3 * x + 1) << 8 |
                         sampleAt(image, in, 3 * x + 2);
            } else {
                const unsigned grey = sampleAt(image, in, x);
                out[x] = grey << 16 | grey << 8 | grey;
            }
        }
    }
    return dib;
}

PackedDib RasterDib(const RasterImage& image) {
    if (image.empty() || image.pixels.size() < static_cast<std::size_t>(image.width) * image.height) {
        return PackedDib(0, 0, 32, true);
    }
    PackedDib dib(image.width, image.height, 32, true);
    // 0x00RRGGBB in memory is the blue, green, red, unused byte order of a 32-bit DIB.
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(dib.row(y), image.pixels.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width) * 4);
    }
    return dib;
}

PackedDib ThresholdDib(const RasterImage& image) {
    if (image.empty() || image.pixels.size() < static_cast<std::size_t>(image.width) * image.height) {
        return PackedDib(0, 0, 1, true);
    }
    PackedDib dib(image.width, image.height, 1, true);
    dib.setColour(0, kDrawBlack);
    dib.setColour(1, kDrawWhite);
    for (int y = 0; y < image.height; ++y) {
        const std::uint32_t* in = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        std::uint8_t* row = dib.row(y);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = in[x];
            setBit(row, x,
                   !IsDarkColor(RgbColor(static_cast<int>(p >> 16 & 0xFF), static_cast<int>(p >> 8 & 0xFF),
                                         static_cast<int>(p & 0xFF))));
        }
    }
    return dib;
}

PackedDib StencilDib(const SampleImage& mask, DrawColor painted, DrawColor other) {
    if (!mask.valid() || mask.bitsPerComponent != 1 || mask.components != 1) {
        return PackedDib(0, 0, 1, true);
    }
    PackedDib dib(mask.width, mask.height, 1, true);
    dib.setColour(0, painted);
    dib.setColour(1, other);
    for (int y = 0; y < mask.height; ++y) {
        const std::uint8_t* in = mask.samples + static_cast<std::size_t>(y) * mask.rowBytes();
        std::uint8_t* row = dib.row(y);
        for (int x = 0; x < mask.width; ++x) {
            // A sample of 0 paints; inverted, a sample of 1 does.
            setBit(row, x, sampleAt(mask, in, x) != 0);
        }
    }
    return dib;
}
