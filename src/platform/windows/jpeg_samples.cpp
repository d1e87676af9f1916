#include "platform/jpeg_samples.h"

#include "platform/windows/wic_codecs.h"

bool DecodeJpegSamples(std::string_view bytes, std::size_t maxPixels, JpegSamples& out) {
    out = JpegSamples();
    if (bytes.empty() || maxPixels == 0) {
        return false;
    }
    return WicDecodeJpeg(bytes, maxPixels, out);
}
