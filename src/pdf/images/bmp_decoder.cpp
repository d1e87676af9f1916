#include "pdf/images/bmp_decoder.h"

#include "pdf/images/bmp_header.h"
#include "pdf/images/bmp_rle.h"

#include <bit>
#include <cstring>

namespace {

// Run-length coded bitmaps can describe far more pixels than their data holds.
constexpr std::uint64_t kMaxRlePixels = 1ull << 26;

std::uint64_t Stride(const BmpHeader& header) {
    return (static_cast<std::uint64_t>(header.width) * header.bitsPerPixel + 31) / 32 * 4;
}

std::uint64_t RowBytes(const BmpHeader& header) {
    return (static_cast<std::uint64_t>(header.width) * header.bitsPerPixel + 7) / 8;
}

// File row that holds output row y (output rows run from the top).
std::uint32_t FileRow(const BmpHeader& header, std::uint32_t y) {
    return header.topDown ? y : header.height - 1 - y;
}

bool IsGreyRamp(const BmpHeader& header) {
    if (header.colourTable.size() != 256)
        return false;
    for (std::size_t i = 0; i < 256; ++i) {
        const BmpColour& c = header.colourTable[i];
        if (c.red != i || c.green != i || c.blue != i)
            return false;
    }
    return true;
}

// Scales one masked channel of a packed pixel to 0..255.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask == 0 ? 0 : mask >> shift_), mask_(mask) {}

    std::uint8_t Value(std::uint32_t pixel) const {
        if (max_ == 0)
            return 0;
        const std::uint64_t v = (pixel & mask_) >> shift_;
        return static_cast<std::uint8_t>((v * 255 + max_ / 2) / max_);
    }

private:
    int shift_;
    std::uint64_t max_;
    std::uint32_t mask_;
};

void PutColour(char* out, const BmpHeader& header, std::uint32_t index) {
    BmpColour c;
    if (index < header.colourTable.size())
        c = header.colourTable[index];
    out[0] = static_cast<char>(c.red);
    out[1] = static_cast<char>(c.green);
    out[2] = static_cast<char>(c.blue);
}

void DecodeBilevel(std::string_view data, const BmpHeader& header, bool inPlace, BmpImage& image) {
    const std::uint64_t rowBytes = RowBytes(header);
    image.kind = BmpSampleKind::Bilevel;
    image.zeroIsBlack = header.colourTable[0].red == 0;
    if (inPlace) {
        image.rowsInPlace.resize(header.height);
        for (std::uint32_t y = 0; y < header.height; ++y)
            image.rowsInPlace[y] =
                data.substr(header.pixelOffset + FileRow(header, y) * Stride(header), rowBytes);
        return;
    }
    image.samples.resize(rowBytes * header.height);
    for (std::uint32_t y = 0; y < header.height; ++y) {
        const std::uint64_t from = header.pixelOffset + FileRow(header, y) * Stride(header);
        std::memcpy(image.samples.data() + y * rowBytes, data.data() + from, rowBytes);
    }
}

// Colour indexes (4 or 8 bits, one byte each in `indexes`) to grey or RGB samples.
void ConvertIndexes(const std::string& indexes, const BmpHeader& header, BmpImage& image) {
    const std::uint64_t pixels = static_cast<std::uint64_t>(header.width) * header.height;
    if (header.bitsPerPixel == 8 && IsGreyRamp(header)) {
        image.kind = BmpSampleKind::Gray;
        image.samples = indexes;
        return;
    }
    image.kind = BmpSampleKind::Rgb;
    image.samples.resize(pixels * 3);
    for (std::uint64_t i = 0; i < pixels; ++i)
        PutColour(image.samples.data() + i * 3, header, static_cast<std::uint8_t>(indexes[i]));
}

// Unpacks the rows of an uncompressed 4- or 8-bit bitmap into one index per pixel, top row first.
std::string UnpackIndexes(std::string_view data, const BmpHeader& header) {
    std::string indexes(static_cast<std::size_t>(header.width) * header.height, '\0');
    for (std::uint32_t y = 0; y < header.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(data.data() + header.pixelOffset +
                                                                FileRow(header, y) * Stride(header));
        char* out = indexes.data() + static_cast<std::uint64_t>(y) * header.width;
        for (std::uint32_t x = 0; x < header.width; ++x) {
            const std::uint8_t v = header.bitsPerPixel == 8 ? row[x]
                                   : (x & 1) == 0           ? row[x / 2] >> 4
                                                            : row[x / 2] & 0x0F;
            out[x] = static_cast<char>(v);
        }
    }
    return indexes;
}

void DecodeDirectColour(std::string_view data, const BmpHeader& header, BmpImage& image) {
    const Channel red(header.redMask), green(header.greenMask), blue(header.blueMask);
    image.kind = BmpSampleKind::Rgb;
    image.samples.resize(static_cast<std::uint64_t>(header.width) * header.height * 3);
    char* out = image.samples.data();
    for (std::uint32_t y = 0; y < header.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(data.data() + header.pixelOffset +
                                                                FileRow(header, y) * Stride(header));
        for (std::uint32_t x = 0; x < header.width; ++x, out += 3) {
            if (header.bitsPerPixel == 24) {
                const std::uint8_t* p = row + x * 3;
                out[0] = static_cast<char>(p[2]);
                out[1] = static_cast<char>(p[1]);
                out[2] = static_cast<char>(p[0]);
                continue;
            }
            std::uint32_t pixel;
            if (header.bitsPerPixel == 16) {
                pixel = static_cast<std::uint32_t>(row[x * 2] | row[x * 2 + 1] << 8);
            } else {
                const std::uint8_t* p = row + x * 4;
                pixel = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                        static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
            }
            out[0] = static_cast<char>(red.Value(pixel));
            out[1] = static_cast<char>(green.Value(pixel));
            out[2] = static_cast<char>(blue.Value(pixel));
        }
    }
}

bool DecodeRle(std::string_view data, const BmpHeader& header, BmpImage& image) {
    if (static_cast<std::uint64_t>(header.width) * header.height > kMaxRlePixels)
        return false;
    std::string fileOrder;
    if (!ExpandBmpRle(data.substr(header.pixelOffset), header.bitsPerPixel, header.width, header.height,
                      fileOrder))
        return false;
    std::string indexes;
    if (header.topDown) {
        indexes = std::move(fileOrder);
    } else {
        indexes.resize(fileOrder.size());
        for (std::uint32_t y = 0; y < header.height; ++y)
            std::memcpy(indexes.data() + static_cast<std::uint64_t>(y) * header.width,
                        fileOrder.data() + static_cast<std::uint64_t>(header.height - 1 - y) * header.width,
                        header.width);
    }
    ConvertIndexes(indexes, header, image);
    return true;
}

// An uncompressed bitmap must hold all its rows; the last one may lack its padding.
bool HasAllRows(std::string_view data, const BmpHeader& header) {
    const std::uint64_t needed = Stride(header) * (header.height - 1) + RowBytes(header);
    return header.pixelOffset <= data.size() && needed <= data.size() - header.pixelOffset;
}

} // namespace

bool DecodeBmp(std::string_view data, BmpImage& image, bool bilevelRowsInPlace) {
    image = BmpImage{};
    BmpHeader header;
    if (!ReadBmpHeader(data, header))
        return false;
    image.width = header.width;
    image.height = header.height;
    image.xPelsPerMeter = header.xPelsPerMeter;
    image.yPelsPerMeter = header.yPelsPerMeter;
    if (header.compression == BmpCompression::Rle4 || header.compression == BmpCompression::Rle8)
        return DecodeRle(data, header, image);
    if (!HasAllRows(data, header))
        return false;
    if (header.bitsPerPixel == 1)
        DecodeBilevel(data, header, bilevelRowsInPlace, image);
    else if (header.bitsPerPixel <= 8)
        ConvertIndexes(UnpackIndexes(data, header), header, image);
    else
        DecodeDirectColour(data, header, image);
    return true;
}
