#include "pdf/render/image_xobject.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "pdf/model/document.h"
#include "pdf/render/image_samples.h"
#include "pdf/render/stream_decoding.h"
#include "platform/jpeg_samples.h"

namespace {

// Image sides beyond this many pixels are no real image.
constexpr double kMaxSide = 1 << 20;

bool Dimension(TPDFDocument& document, TPDFObject* value, int& out) {
    TPDFNumeric* number = AsNumeric(document.Resolve(value));
    if (!number || !std::isfinite(number->value) || number->value < 1 || number->value > kMaxSide)
        return false;
    out = static_cast<int>(number->value);
    return true;
}

bool DeviceSpaceOfComponents(int components, ColorSpace& space) {
    switch (components) {
    case 1:
        space.kind = ColorSpace::Kind::Gray;
        break;
    case 3:
        space.kind = ColorSpace::Kind::Rgb;
        break;
    case 4:
        space.kind = ColorSpace::Kind::Cmyk;
        break;
    default:
        return false;
    }
    space.components = components;
    return true;
}

} // namespace

bool ReadImageXObject(TPDFDocument& document, const TPDFStream& stream, TPDFDictionary* resourceSpaces,
                      const ImageReadLimits& limits, std::size_t& decodedBytes, RenderImage& out) {
    decodedBytes = 0;
    const TPDFDictionary& dictionary = *stream.dictionary;
    ImageLayout layout;
    if (!Dimension(document, dictionary.Get("Width"), layout.width) ||
        !Dimension(document, dictionary.Get("Height"), layout.height) ||
        static_cast<std::size_t>(layout.width) > limits.maxPixels / static_cast<std::size_t>(layout.height))
        return false;
    if (TPDFBoolean* mask = AsBoolean(document.Resolve(dictionary.Get("ImageMask"))))
        layout.imageMask = mask->value;
    if (TPDFNumeric* bits = AsNumeric(document.Resolve(dictionary.Get("BitsPerComponent"))))
        layout.bitsPerComponent = std::isfinite(bits->value) ? static_cast<int>(bits->value) : 0;
    const bool hasSpace = !layout.imageMask && ResolveColorSpace(document, dictionary.Get("ColorSpace"),
                                                                 resourceSpaces, layout.space);
    if (TPDFArray* decode = document.ResolveArray(dictionary.Get("Decode"))) {
        for (TPDFObject* item : decode->items) {
            TPDFNumeric* number = AsNumeric(document.Resolve(item));
            layout.decode.push_back(number ? number->value : NAN);
        }
    }

    std::string data;
    bool jpeg = EndsInJpegFilter(document, stream);
    std::size_t maxOutput = limits.maxDecodedBytes;
    if (!jpeg) {
        const int components = layout.imageMask ? 1 : (hasSpace ? layout.space.components : 1);
        const int bits = layout.imageMask ? 1 : std::clamp(layout.bitsPerComponent, 1, 16);
        const double rowBytes = std::ceil(double(layout.width) * components * bits / 8);
        // Room for the predictor's tag byte on every row and a little slack.
        const double expected = (rowBytes + 1) * layout.height + 4096;
        if (expected < double(maxOutput))
            maxOutput = static_cast<std::size_t>(expected);
    }
    if (!DecodeStreamForRendering(document, stream, maxOutput, data, jpeg))
        return false;
    decodedBytes = data.size();
    if (!jpeg) {
        if (!layout.imageMask && !hasSpace)
            return false;
        return ConvertImageSamples(layout, data, limits.maxPixels, out);
    }

    JpegSamples samples;
    if (!DecodeJpegSamples(data, limits.maxPixels, samples))
        return false;
    decodedBytes += samples.samples.size();
    // The JPEG's own size and components rule; the dictionary's space only when it agrees with them.
    layout.width = samples.width;
    layout.height = samples.height;
    layout.bitsPerComponent = 8;
    if (layout.imageMask) {
        layout.imageMask = false; // a JPEG stencil mask is drawn as grey
        layout.decode.clear();
    }
    if (!hasSpace || layout.space.components != samples.components) {
        layout.space = ColorSpace();
        if (!DeviceSpaceOfComponents(samples.components, layout.space))
            return false;
        if (layout.decode.size() != 2 * static_cast<std::size_t>(samples.components))
            layout.decode.clear();
    }
    const std::string_view raw(reinterpret_cast<const char*>(samples.samples.data()), samples.samples.size());
    return ConvertImageSamples(layout, raw, limits.maxPixels, out);
}
