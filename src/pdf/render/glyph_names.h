#pragma once

#include <cstdint>
#include <string_view>

// The character a glyph name stands for: the names of StandardEncoding, WinAnsiEncoding and
// MacRomanEncoding, a few common others, and the "uniXXXX" and "uXXXX[XX]" forms. 0 when unknown.
char32_t UnicodeOfGlyphName(std::string_view name);

// The Windows-1252 byte of a character; 0 when Windows-1252 has none for it.
std::uint8_t AnsiOfUnicode(char32_t character);

// The code of a glyph name in WinAnsiEncoding (the first code, so "space" is 32); -1 when absent.
int WinAnsiCodeOfGlyphName(std::string_view name);
