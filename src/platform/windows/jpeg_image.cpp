#include "platform/jpeg_image.h"

#include "platform/jpeg_samples.h"
#include "platform/windows/wic_codecs.h"

namespace {

// Larger pictures than this are refused (a logo is far smaller).
constexpr std::size_t kMaxPixels = 100UL * 1000 * 1000;

} // namespace

bool JpegImage::readSize(const std::string& bytes, int& width, int& height) {
    return !bytes.empty() && WicJpegSize(bytes, width, height);
}

JpegImage JpegImage::decode(const std::string& bytes) {
    JpegImage image;
    JpegSamples samples;
    if (bytes.empty() || !WicDecodeJpeg(bytes, kMaxPixels, samples)) {
        return image;
    }
    const std::size_t count = static_cast<std::size_t>(samples.width) * samples.height;
    image.raster_.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = samples.samples.data() + i * samples.components;
        std::uint32_t r = p[0];
        std::uint32_t g = p[0];
        std::uint32_t b = p[0];
        if (samples.components >= 3) {
            g = p[1];
            b = p[2];
        }
        if (samples.components == 4) {
            // Adobe's inverted CMYK: the colour is the inverted ink times the inverted black.
            r = r * p[3] / 255;
            g = g * p[3] / 255;
            b = b * p[3] / 255;
        }
        image.raster_.pixels[i] = r << 16 | g << 8 | b;
    }
    image.raster_.width = samples.width;
    image.raster_.height = samples.height;
    return image;
}
