#pragma once

#include <string_view>

// Font descriptor flags the choice of a standard font looks at.
inline constexpr int kFontFlagFixedPitch = 1;
inline constexpr int kFontFlagSerif = 2;
inline constexpr int kFontFlagItalic = 64;
inline constexpr int kFontFlagForceBold = 1 << 18;

// The standard font index (0 to 13, as in StandardFontMetrics) of a base font name that names one of the
// 14 standard fonts or one of their common aliases ("Arial", "ArialMT", "Arial,Bold", "Arial-BoldMT",
// "TimesNewRoman,Bold", "TimesNewRomanPS-ItalicMT", "CourierNew", "Helvetica-Italic", ...), with a
// subset prefix ("ABCDEF+") and spaces ignored; -1 for any other name.
int StandardFontIndexOfAlias(std::string_view baseFont);

// The standard font closest to any font: its alias when it has one, otherwise a family guessed from the
// name and the descriptor flags (fixed pitch: Courier; serif: Times; else Helvetica) in the weight and
// slant the name or the flags give.
int NearestStandardFontIndex(std::string_view baseFont, int descriptorFlags);
