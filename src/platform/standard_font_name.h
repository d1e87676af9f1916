#pragma once

#include <string_view>

// The 14 standard PDF fonts as families and styles.
enum class StandardFamily { Helvetica, Times, Courier, Symbol, ZapfDingbats };

struct StandardFontChoice {
    StandardFamily family = StandardFamily::Helvetica;
    bool bold = false;
    bool italic = false;
    bool operator==(const StandardFontChoice&) const = default;
};

// The standard font a PDF base font name stands for: the 14 names themselves ("Times-BoldItalic"), the
// common aliases ("Arial", "ArialMT", "Arial,Bold", "TimesNewRoman,Bold", "CourierNew", "Helvetica-Oblique",
// a subset prefix "ABCDEF+"), and otherwise the family and style read from words in the name; Helvetica
// when nothing is recognised.
StandardFontChoice ResolveStandardFont(std::string_view baseFontName);
