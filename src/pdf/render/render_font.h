#pragma once

#include <array>
#include <cstdint>
#include <string>

class TPDFDocument;
class TPDFDictionary;

// What the interpreter needs of a font resource to place and name its glyphs: one byte per glyph
// (simple fonts), a width and a character per code, and the standard font that draws it.
struct RenderFont {
    std::string standardName; // one of the 14 standard names
    int standardIndex = 4;
    // False for fonts whose glyphs are not drawn (Type 3 glyph procedures, composite fonts); their text
    // still moves the text position by the widths.
    bool drawable = true;
    std::array<double, 256> widths{};     // em (glyph space units of the font matrix for Type 3)
    std::array<char32_t, 256> unicode{};  // 0 when unknown
    std::array<std::uint8_t, 256> ansi{}; // Windows-1252 byte of the character, 0 when none
};

// Reads a font dictionary: subtype, base font, /Encoding (a name or a dictionary with /BaseEncoding and
// /Differences), /FirstChar with /Widths (else the standard font widths), /FontDescriptor flags.
// A dictionary that is no font gives a Helvetica with the standard widths.
RenderFont LoadRenderFont(TPDFDocument& document, TPDFDictionary* font);
