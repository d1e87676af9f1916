#pragma once

#include <array>
#include <cstdint>

// Glyph names of the simple-font encodings by code; nullptr where the encoding has no glyph.
extern const std::array<const char*, 256> StandardEncodingNames;
extern const std::array<const char*, 256> WinAnsiEncodingNames;
extern const std::array<const char*, 256> MacRomanEncodingNames;

// Width (1/1000 em) of a glyph outside WinAnsiEncoding in each of the 12 Latin standard fonts, in the
// order of the standard font indexes. Sorted by name.
struct ExtraGlyphWidth {
    const char* name;
    std::array<std::uint16_t, 12> widths;
};
extern const std::array<ExtraGlyphWidth, 28> ExtraGlyphWidths;
