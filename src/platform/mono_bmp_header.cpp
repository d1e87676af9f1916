#include "platform/mono_bmp_header.h"

#include <cstring>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

void putLe(char* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace

void WriteMonoBmpHeader(char* out, int width, int height, std::uint32_t imageSize, int dotsPerInch) {
    const auto pixelsPerMetre = static_cast<std::uint32_t>((dotsPerInch * 10000L + 127) / 254);
    std::memset(out, 0, kMonoBmpPixelOffset);
    out[0] = 'B';
    out[1] = 'M';
    putLe(out + 2, static_cast<std::uint32_t>(kMonoBmpPixelOffset + imageSize), 4);
    putLe(out + 10, kMonoBmpPixelOffset, 4);
    putLe(out + kFileHeaderSize, kInfoHeaderSize, 4);
    putLe(out + 18, static_cast<std::uint32_t>(width), 4);
    putLe(out + 22, static_cast<std::uint32_t>(height), 4);
    putLe(out + 26, 1, 2);
    putLe(out + 28, 1, 2);
    putLe(out + 34, imageSize, 4);
    putLe(out + 38, pixelsPerMetre, 4);
    putLe(out + 42, pixelsPerMetre, 4);
    putLe(out + 46, 2, 4);
    putLe(out + 50, 2, 4);
    putLe(out + 58, 0x00FFFFFF, 4);
}
