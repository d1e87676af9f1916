#include "pdf/images/jpeg_marker_scan.h"

#include "pdf/images/image_bytes.h"

#include <cstring>

namespace {

constexpr std::uint8_t kApp0 = 0xE0;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;

bool StartsWith(const ImageBytes& bytes, std::size_t at, std::size_t end, const char* text,
                std::size_t length) {
    return at + length <= end && std::memcmp(bytes.Data().data() + at, text, length) == 0;
}

bool IsFrameHeader(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xC3;
}

bool HasNoLength(std::uint8_t marker) {
    return marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7);
}

// JFIF segment: identifier "JFIF\0", version (2), unit (1), x density (2), y density (2).
void ReadJfif(const ImageBytes& bytes, std::size_t at, std::size_t end, JpegInfo& info) {
    if (!StartsWith(bytes, at, end, "JFIF\0", 5) || at + 12 > end)
        return;
    const std::uint8_t unit = bytes.U8(at + 7);
    info.resolutionUnit = unit == 1   ? ImageResolutionUnit::PerInch
                          : unit == 2 ? ImageResolutionUnit::PerCentimetre
                                      : ImageResolutionUnit::None;
    info.xResolution = bytes.Be16(at + 8);
    info.yResolution = bytes.Be16(at + 10);
}

// Reads the resolution tags of the first image directory of the TIFF structure
// that an EXIF segment embeds. Every offset is checked against the segment.
class ExifReader {
public:
    ExifReader(const ImageBytes& bytes, std::size_t tiff, std::size_t end)
        : bytes_(bytes), tiff_(tiff), end_(end) {}

    void Read(JpegInfo& info) const {
        if (!Inside(0, 8))
            return;
        const char* order = bytes_.Data().data() + tiff_;
        if (std::memcmp(order, "II", 2) != 0 && std::memcmp(order, "MM", 2) != 0)
            return;
        const bool little = order[0] == 'I';
        if (U16(2, little) != 42)
            return;
        const std::uint32_t directory = U32(4, little);
        if (!Inside(directory, 2))
            return;
        const std::uint16_t entries = U16(directory, little);
        double x = 0, y = 0;
        std::uint16_t unit = 2; // inches unless the directory says otherwise
        for (std::uint32_t i = 0; i < entries; ++i) {
            const std::uint64_t entry = directory + 2 + 12ull * i;
            if (!Inside(entry, 12))
                break;
            const std::uint16_t tag = U16(entry, little);
            if (tag == 0x011A)
                x = Rational(entry, little);
            else if (tag == 0x011B)
                y = Rational(entry, little);
            else if (tag == 0x0128 && U16(entry + 2, little) == 3)
                unit = U16(entry + 8, little);
        }
        if (x <= 0 || y <= 0)
            return;
        info.xResolution = x;
        info.yResolution = y;
        info.resolutionUnit = unit == 3   ? ImageResolutionUnit::PerCentimetre
                              : unit == 1 ? ImageResolutionUnit::None
                                          : ImageResolutionUnit::PerInch;
    }

private:
    bool Inside(std::uint64_t offset, std::uint64_t count) const {
        return offset <= end_ - tiff_ && count <= end_ - tiff_ - offset;
    }
    std::uint16_t U16(std::uint64_t offset, bool little) const {
        const auto at = static_cast<std::size_t>(tiff_ + offset);
        return little ? bytes_.Le16(at) : bytes_.Be16(at);
    }
    std::uint32_t U32(std::uint64_t offset, bool little) const {
        const auto at = static_cast<std::size_t>(tiff_ + offset);
        return little ? bytes_.Le32(at) : bytes_.Be32(at);
    }
    // A RATIONAL (type 5) tag with one value: numerator / denominator at the value offset.
    double Rational(std::uint64_t entry, bool little) const {
        if (U16(entry + 2, little) != 5)
            return 0;
        const std::uint32_t at = U32(entry + 8, little);
        if (!Inside(at, 8))
            return 0;
        const std::uint32_t denominator = U32(at + 4, little);
        return denominator == 0 ? 0 : static_cast<double>(U32(at, little)) / denominator;
    }

    const ImageBytes& bytes_;
    std::size_t tiff_;
    std::size_t end_;
};

void ReadExif(const ImageBytes& bytes, std::size_t at, std::size_t end, JpegInfo& info) {
    if (StartsWith(bytes, at, end, "Exif\0", 5) && at + 6 <= end)
        ExifReader(bytes, at + 6, end).Read(info);
}

// Frame header: precision (1), height (2), width (2), component count (1).
bool ReadFrame(const ImageBytes& bytes, std::size_t at, std::size_t end, JpegInfo& info) {
    if (at + 6 > end)
        return false;
    info.height = bytes.Be16(at + 1);
    info.width = bytes.Be16(at + 3);
    info.components = bytes.U8(at + 5);
    return info.width != 0 && info.height != 0;
}

} // namespace

bool LooksLikeJpeg(std::string_view data) {
    return data.size() >= 2 && static_cast<std::uint8_t>(data[0]) == 0xFF &&
           static_cast<std::uint8_t>(data[1]) == 0xD8;
}

bool ScanJpegMarkers(std::string_view data, JpegInfo& info) {
    info = JpegInfo{};
    if (!LooksLikeJpeg(data))
        return false;
    const ImageBytes bytes(data);
    std::size_t pos = 2;
    for (;;) {
        if (!bytes.Has(pos, 2) || bytes.U8(pos) != 0xFF)
            return false;
        // Any number of FF fill bytes may stand before a marker code.
        while (bytes.Has(pos + 1, 1) && bytes.U8(pos + 1) == 0xFF)
            ++pos;
        if (!bytes.Has(pos + 1, 1))
            return false;
        const std::uint8_t marker = bytes.U8(pos + 1);
        pos += 2;
        if (HasNoLength(marker))
            continue;
        if (marker == kEndOfImage || marker == kStartOfScan || !bytes.Has(pos, 2))
            return false;
        const std::uint16_t length = bytes.Be16(pos);
        if (length < 2 || !bytes.Has(pos, length))
            return false;
        const std::size_t body = pos + 2;
        const std::size_t end = pos + length;
        if (IsFrameHeader(marker))
            return ReadFrame(bytes, body, end, info);
        if (marker == kApp0)
            ReadJfif(bytes, body, end, info);
        else if (marker == kApp1)
            ReadExif(bytes, body, end, info);
        pos = end;
    }
}
