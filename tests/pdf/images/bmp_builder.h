#pragma once

// Builds Windows bitmap files byte by byte for the image tests.

#include <cstdint>
#include <string>
#include <vector>

struct BmpLayout {
    std::uint32_t headerSize = 40; // 12 core, 40 info, 52 V2, 108 V4, 124 V5
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: top-down
    std::uint16_t bitsPerPixel = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    std::vector<std::uint32_t> masks;   // red, green, blue (and alpha) for bit-field bitmaps
    std::uint32_t coloursUsed = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::string pixels; // as stored in the file
};

inline void PutLe16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

inline void PutLe32(std::string& out, std::uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

inline std::string BuildBmp(const BmpLayout& layout) {
    std::string header;
    PutLe32(header, layout.headerSize);
    if (layout.headerSize == 12) {
        PutLe16(header, static_cast<std::uint32_t>(layout.width));
        PutLe16(header, static_cast<std::uint32_t>(layout.height));
        PutLe16(header, 1);
        PutLe16(header, layout.bitsPerPixel);
    } else {
        PutLe32(header, static_cast<std::uint32_t>(layout.width));
        PutLe32(header, static_cast<std::uint32_t>(layout.height));
        PutLe16(header, 1);
        PutLe16(header, layout.bitsPerPixel);
        PutLe32(header, layout.compression);
        PutLe32(header, static_cast<std::uint32_t>(layout.pixels.size()));
        PutLe32(header, static_cast<std::uint32_t>(layout.xPelsPerMeter));
        PutLe32(header, static_cast<std::uint32_t>(layout.yPelsPerMeter));
        PutLe32(header, layout.coloursUsed);
        PutLe32(header, 0);
        // Masks inside the header from V2 on, or right after a 40-byte header.
        const bool masksInHeader = layout.headerSize >= 52;
        if (masksInHeader || !layout.masks.empty()) {
            for (std::uint32_t m : layout.masks)
                PutLe32(header, m);
        }
        while (header.size() < layout.headerSize)
            header += '\0';
    }
    std::string table;
    for (std::uint32_t c : layout.palette) {
        table += static_cast<char>(c & 0xFF);
        table += static_cast<char>((c >> 8) & 0xFF);
        table += static_cast<char>((c >> 16) & 0xFF);
        if (layout.headerSize != 12)
            table += '\0';
    }
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + table.size());
    std::string file = "BM";
    PutLe32(file, static_cast<std::uint32_t>(offset + layout.pixels.size()));
    PutLe32(file, 0);
    PutLe32(file, offset);
    return file + header + table + layout.pixels;
}

// Bytes from a list of small integers.
inline std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}
