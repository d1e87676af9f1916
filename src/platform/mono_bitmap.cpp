#include "platform/mono_bitmap.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// Larger pictures than this are refused when read (a halftone tile is a few pixels wide).
constexpr long kMaxReadPixels = 64L * 1024 * 1024;

void putLe16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void putLe32(std::string& out, std::uint32_t v) {
    putLe16(out, v & 0xFFFF);
    putLe16(out, v >> 16);
}

std::uint32_t le16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}

bool darkColour(unsigned blue, unsigned green, unsigned red) {
    // Rec. 601 luma, scaled by 1000.
    return red * 299 + green * 587 + blue * 114 < 128 * 1000;
}

} // namespace

MonoBitmap::MonoBitmap(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), stride_((width_ + 7) / 8),
      bits_(static_cast<std::size_t>(stride_) * height_, 0) {}

bool MonoBitmap::black(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return false;
    }
    return (row(y)[x >> 3] & (0x80 >> (x & 7))) != 0;
}

void MonoBitmap::setBlack(int x, int y, bool black) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x & 7));
    if (black) {
        row(y)[x >> 3] |= mask;
    } else {
        row(y)[x >> 3] &= static_cast<std::uint8_t>(~mask);
    }
}

long MonoBitmap::countBlack(int x0, int y0, int x1, int y1) const {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    long count = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            count += black(x, y) ? 1 : 0;
        }
    }
    return count;
}

std::string MonoBitmap::toBmp(int dotsPerInch) const {
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width_) + 31) / 32) * 4;
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(height_);
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 8;
    const std::uint32_t pixelsPerMetre = static_cast<std::uint32_t>((dotsPerInch * 10000L + 127) / 254);
    std::string out;
    out.reserve(offset + imageSize);
    out += "BM";
    putLe32(out, offset + imageSize);
    putLe32(out, 0);
    putLe32(out, offset);
    putLe32(out, kInfoHeaderSize);
    putLe32(out, static_cast<std::uint32_t>(width_));
    putLe32(out, static_cast<std::uint32_t>(height_));
    putLe16(out, 1);
    putLe16(out, 1);
    putLe32(out, 0); // BI_RGB
    putLe32(out, imageSize);
    putLe32(out, pixelsPerMetre);
    putLe32(out, pixelsPerMetre);
    putLe32(out, 2);
    putLe32(out, 2);
    putLe32(out, 0x00000000); // index 0: black
    putLe32(out, 0x00FFFFFF); // index 1: white
    // Index 1 is white, so a stored bit is the inverse of our black bit.
    std::string line(rowBytes, '\0');
    for (int y = height_ - 1; y >= 0; --y) {
        const std::uint8_t* src = row(y);
        for (int i = 0; i < stride_; ++i) {
            line[i] = static_cast<char>(~src[i]);
        }
        if (width_ % 8 != 0 && stride_ > 0) {
            // Bits past the last pixel stay zero.
            line[stride_ - 1] = static_cast<char>(line[stride_ - 1] & (0xFF << (8 - width_ % 8)));
        }
        for (std::uint32_t i = stride_; i < rowBytes; ++i) {
            line[i] = '\0';
        }
        out += line;
    }
    return out;
}

std::optional<MonoBitmap> MonoBitmap::fromBmp(const std::string& b) {
    if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t offset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, 14);
    if (headerSize < kInfoHeaderSize || kFileHeaderSize + headerSize > b.size()) {
        return std::nullopt;
    }
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(b, 22));
    const std::uint32_t bitsPerPixel = le16(b, 28);
    const std::uint32_t compression = le32(b, 30);
    std::uint32_t colours = le32(b, 46);
    if (width <= 0 || rawHeight == 0 || rawHeight == std::numeric_limits<std::int32_t>::min() ||
        compression != 0) {
        return std::nullopt;
    }
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;
    if (static_cast<long>(width) * height > kMaxReadPixels) {
        return std::nullopt;
    }
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24 &&
        bitsPerPixel != 32) {
        return std::nullopt;
    }
    std::vector<bool> paletteDark;
    if (bitsPerPixel <= 8) {
        const std::uint32_t maxColours = 1u << bitsPerPixel;
        if (colours == 0 || colours > maxColours) {
            colours = maxColours;
        }
        const std::size_t paletteAt = kFileHeaderSize + headerSize;
        if (paletteAt + colours * 4 > b.size()) {
            return std::nullopt;
        }
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::size_t at = paletteAt + i * 4;
            paletteDark.push_back(darkColour(static_cast<unsigned char>(b[at]),
                                             static_cast<unsigned char>(b[at + 1]),
                                             static_cast<unsigned char>(b[at + 2])));
        }
    }
    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
    if (offset > b.size() || rowBytes * static_cast<std::uint64_t>(height) > b.size() - offset) {
        return std::nullopt;
    }
    MonoBitmap bitmap(width, height);
    for (std::int32_t r = 0; r < height; ++r) {
        const std::size_t rowAt = offset + static_cast<std::size_t>(r) * rowBytes;
        const int y = topDown ? r : height - 1 - r;
        for (std::int32_t x = 0; x < width; ++x) {
            bool dark = false;
            if (bitsPerPixel <= 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bitsPerPixel;
                const unsigned byte = static_cast<unsigned char>(b[rowAt + bit / 8]);
                const unsigned shift = 8 - bitsPerPixel - (bit % 8);
                const unsigned index = (byte >> shift) & ((1u << bitsPerPixel) - 1);
                dark = index < paletteDark.size() && paletteDark[index];
            } else {
                const std::size_t at = rowAt + static_cast<std::size_t>(x) * (bitsPerPixel / 8);
                dark = darkColour(static_cast<unsigned char>(b[at]), static_cast<unsigned char>(b[at + 1]),
                                  static_cast<unsigned char>(b[at + 2]));
            }
            bitmap.setBlack(x, y, dark);
        }
    }
    return bitmap;
}

std::optional<MonoBitmap> MonoBitmap::loadBmpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return fromBmp(bytes);
}
