#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Compression codes of a Windows bitmap.
enum class BmpCompression : std::uint32_t {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6,
};

struct BmpColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The facts of a Windows bitmap file needed to decode its pixels: sizes, depth,
// compression, channel masks, colour table and where the pixel data lies.
struct BmpHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool topDown = false;
    std::uint16_t bitsPerPixel = 0;
    BmpCompression compression = BmpCompression::Rgb;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    std::int32_t xPelsPerMeter = 0; // 0 when the file gives none
    std::int32_t yPelsPerMeter = 0;
    std::vector<BmpColour> colourTable;
    std::uint64_t pixelOffset = 0; // from the start of the file
};

// True when the data starts like a Windows bitmap file: "BM" and both reserved words 0.
bool LooksLikeBmp(std::string_view data);

// Reads the file header, the information header of any common version (core, info,
// V2 to V5, OS/2 2.x without its own compressions), the channel masks and the colour
// table. Returns false for anything unsupported, inconsistent or truncated.
bool ReadBmpHeader(std::string_view data, BmpHeader& header);
