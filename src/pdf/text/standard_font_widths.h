#pragma once

#include <array>
#include <cstdint>

// Metrics of the 14 standard Type 1 fonts, indexed by the standard font index 0 to 13:
// Courier, Courier-Bold, Courier-BoldOblique, Courier-Oblique, Helvetica, Helvetica-Bold,
// Helvetica-BoldOblique, Helvetica-Oblique, Times-Roman, Times-Bold, Times-Italic, Times-BoldItalic,
// Symbol, ZapfDingbats.
inline constexpr int StandardFontCount = 14;

struct TStandardFontMetrics {
    const char* baseFont;
    int boxLeft, boxBottom, boxRight, boxTop; // font box, 1/1000 em
    int ascent, descent;
    int firstChar, lastChar; // range covered by the width table
    bool winAnsiEncoded;     // false for Symbol and ZapfDingbats (built-in encoding)
};

extern const std::array<TStandardFontMetrics, StandardFontCount> StandardFontMetrics;

// Widths of the 256 codes, 1/1000 em, 0 = no glyph: WinAnsiEncoding for the 12 Latin fonts (code 160
// measured as the space glyph), the built-in encoding for Symbol and ZapfDingbats. Same order as
// StandardFontMetrics. Generated from AFM files.
extern const std::array<std::array<uint16_t, 256>, StandardFontCount> StandardFontWidths;
