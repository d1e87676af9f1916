#include "pdf/images/image_format.h"

#include "pdf/images/bmp_header.h"
#include "pdf/images/image_bytes.h"
#include "pdf/images/jpeg_marker_scan.h"

namespace {

// Aldus placeable header: key 0x9AC6CDD7, then the checksum word (the eleventh
// 16-bit word) is the XOR of the ten words before it.
bool IsPlaceableMetafile(const ImageBytes& bytes) {
    if (!bytes.Has(0, 22) || bytes.Le32(0) != 0x9AC6CDD7u)
        return false;
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 10; ++i)
        sum ^= bytes.Le16(i * 2);
    return sum == bytes.Le16(20);
}

bool IsEnhancedMetafile(const ImageBytes& bytes) {
    return bytes.Has(0, 44) && bytes.Le32(0) == 1 && bytes.Data().substr(40, 4) == " EMF";
}

bool StartsWith(std::string_view data, std::string_view prefix) {
    return data.substr(0, prefix.size()) == prefix;
}

} // namespace

ImageFormat RecogniseImageFormat(std::string_view data) {
    const ImageBytes bytes(data);
    if (IsPlaceableMetafile(bytes))
        return ImageFormat::PlaceableMetafile;
    if (IsEnhancedMetafile(bytes))
        return ImageFormat::EnhancedMetafile;
    if (LooksLikeBmp(data))
        return ImageFormat::Bitmap;
    if (LooksLikeJpeg(data))
        return ImageFormat::Jpeg;
    if (StartsWith(data, "MM") || StartsWith(data, "II"))
        return ImageFormat::Tiff;
    if (StartsWith(data, std::string_view("\x89PNG\r\n\x1A\n", 8)))
        return ImageFormat::Png;
    if (StartsWith(data, "GIF87a") || StartsWith(data, "GIF89a"))
        return ImageFormat::Gif;
    return ImageFormat::Unknown;
}
