#include "pdf/images/bmp_header.h"

#include "pdf/images/image_bytes.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxDimension = 1u << 20;

bool ValidDepth(std::uint16_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool ValidCompression(std::uint32_t code, std::uint16_t bits, std::uint32_t headerSize) {
    switch (code) {
    case static_cast<std::uint32_t>(BmpCompression::Rgb):
        return true;
    case static_cast<std::uint32_t>(BmpCompression::Rle8):
        return bits == 8;
    case static_cast<std::uint32_t>(BmpCompression::Rle4):
        return bits == 4;
    case static_cast<std::uint32_t>(BmpCompression::BitFields):
    case static_cast<std::uint32_t>(BmpCompression::AlphaBitFields):
        // OS/2 2.x headers (16 or 64 bytes) use 3 and 4 for Huffman and RLE24, which are not read.
        return (bits == 16 || bits == 32) && headerSize != 16 && headerSize != 64;
    default:
        return false;
    }
}

bool ReadCoreHeader(const ImageBytes& bytes, BmpHeader& header) {
    if (!bytes.Has(kFileHeaderSize, kCoreHeaderSize))
        return false;
    const std::size_t at = kFileHeaderSize + 4;
    header.width = bytes.Le16(at);
    header.height = bytes.Le16(at + 2);
    header.bitsPerPixel = bytes.Le16(at + 6);
    header.compression = BmpCompression::Rgb;
    return true;
}

bool ReadInfoHeader(const ImageBytes& bytes, std::uint32_t headerSize, BmpHeader& header) {
    // OS/2 2.x headers may be cut short after the compression field; missing fields read as 0.
    const std::uint32_t available = headerSize < kInfoHeaderSize ? headerSize : kInfoHeaderSize;
    if (available < 16 || !bytes.Has(kFileHeaderSize, headerSize))
        return false;
    const std::size_t at = kFileHeaderSize;
    auto field32 = [&](std::size_t offset) -> std::uint32_t {
        return offset + 4 <= available ? bytes.Le32(at + offset) : 0;
    };
    const auto width = static_cast<std::int32_t>(bytes.Le32(at + 4));
    const auto height = static_cast<std::int32_t>(bytes.Le32(at + 8));
    header.bitsPerPixel = bytes.Le16(at + 14);
    const std::uint32_t compression = field32(16);
    header.xPelsPerMeter = static_cast<std::int32_t>(field32(24));
    header.yPelsPerMeter = static_cast<std::int32_t>(field32(28));
    if (header.xPelsPerMeter < 0)
        header.xPelsPerMeter = 0;
    if (header.yPelsPerMeter < 0)
        header.yPelsPerMeter = 0;
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return false;
    header.width = static_cast<std::uint32_t>(width);
    header.topDown = height < 0;
    header.height = static_cast<std::uint32_t>(height < 0 ? -height : height);
    if (!ValidDepth(header.bitsPerPixel) || !ValidCompression(compression, header.bitsPerPixel, headerSize))
        return false;
    header.compression = static_cast<BmpCompression>(compression);
    return true;
}

// Channel masks: inside the header from V2 on, otherwise right after the 40-byte header;
// both places are the same file offset.
bool ReadMasks(const ImageBytes& bytes, BmpHeader& header) {
    if (header.compression == BmpCompression::BitFields ||
        header.compression == BmpCompression::AlphaBitFields) {
        const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
        if (!bytes.Has(at, 12))
            return false;
        header.redMask = bytes.Le32(at);
        header.greenMask = bytes.Le32(at + 4);
        header.blueMask = bytes.Le32(at + 8);
        return true;
    }
    if (header.bitsPerPixel == 16) {
        header.redMask = 0x7C00;
        header.greenMask = 0x03E0;
        header.blueMask = 0x001F;
    } else if (header.bitsPerPixel == 32) {
        header.redMask = 0x00FF0000;
        header.greenMask = 0x0000FF00;
        header.blueMask = 0x000000FF;
    }
    return true;
}

std::uint64_t TableStart(std::uint32_t headerSize, BmpCompression compression) {
    std::uint64_t start = kFileHeaderSize + static_cast<std::uint64_t>(headerSize);
    if (headerSize == kInfoHeaderSize && compression == BmpCompression::BitFields)
        start += 12;
    else if (headerSize == kInfoHeaderSize && compression == BmpCompression::AlphaBitFields)
        start += 16;
    return start;
}

bool ReadColourTable(const ImageBytes& bytes, std::uint32_t headerSize, std::uint32_t coloursUsed,
                     std::uint32_t pixelOffset, BmpHeader& header) {
    const std::uint64_t start = TableStart(headerSize, header.compression);
    const bool core = headerSize == kCoreHeaderSize;
    if (header.bitsPerPixel > 8) {
        header.pixelOffset = pixelOffset != 0 ? pixelOffset : start;
        return true;
    }
    const std::uint32_t entrySize = core ? 3 : 4;
    const std::uint32_t full = 1u << header.bitsPerPixel;
    std::uint64_t count = (!core && coloursUsed != 0 && coloursUsed < full) ? coloursUsed : full;
    // Some writers leave out the unused entries: never read the table into the pixels.
    if (pixelOffset != 0 && pixelOffset >= start && (pixelOffset - start) / entrySize < count)
        count = (pixelOffset - start) / entrySize;
    if (count == 0 || !bytes.Has(start, count * entrySize))
        return false;
    header.colourTable.resize(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t at = static_cast<std::size_t>(start + i * entrySize);
        header.colourTable[i] = BmpColour{bytes.U8(at + 2), bytes.U8(at + 1), bytes.U8(at)};
    }
    header.pixelOffset = pixelOffset != 0 ? pixelOffset : start + count * entrySize;
    return true;
}

} // namespace

bool LooksLikeBmp(std::string_view data) {
    const ImageBytes bytes(data);
    return bytes.Has(0, 10) && data[0] == 'B' && data[1] == 'M' && bytes.Le16(6) == 0 && bytes.Le16(8) == 0;
}

bool ReadBmpHeader(std::string_view data, BmpHeader& header) {
    header = BmpHeader{};
    const ImageBytes bytes(data);
    if (!LooksLikeBmp(data) || !bytes.Has(0, kFileHeaderSize + 4))
        return false;
    const std::uint32_t pixelOffset = bytes.Le32(10);
    const std::uint32_t headerSize = bytes.Le32(kFileHeaderSize);
    std::uint32_t coloursUsed = 0;
    if (headerSize == kCoreHeaderSize) {
        if (!ReadCoreHeader(bytes, header))
            return false;
    } else if (headerSize >= 16 && headerSize <= 1024) {
        if (!ReadInfoHeader(bytes, headerSize, header))
            return false;
        coloursUsed = headerSize >= 36 ? bytes.Le32(kFileHeaderSize + 32) : 0;
    } else {
        return false;
    }
    if (header.width == 0 || header.height == 0 || header.width > kMaxDimension ||
        header.height > kMaxDimension)
        return false;
    if (!ValidDepth(header.bitsPerPixel))
        return false;
    if (!ReadMasks(bytes, header) || !ReadColourTable(bytes, headerSize, coloursUsed, pixelOffset, header))
        return false;
    // The pixels never start inside the headers, and never past the end of the file.
    return header.pixelOffset >= kFileHeaderSize + static_cast<std::uint64_t>(headerSize) &&
           header.pixelOffset <= bytes.Size();
}
