#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include "platform/drawing_types.h"
#include "platform/standard_font_name.h"

// One font file found through fontconfig, with the metrics that a GDI-style font is built from and a
// Cairo font face for drawing. Characters are Windows-1252 bytes.
class FontFace {
public:
    // The font that the configuration chooses for an installed family name and style; nullptr when none
    // can be loaded.
    static std::unique_ptr<FontFace> open(FcConfig* config, const std::string& family, int style);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    cairo_font_face_t* cairoFace() const { return cairoFace_; }

    // Design units per em, OS/2 average character width and the Windows ascent and descent (font units).
    int unitsPerEm() const { return unitsPerEm_; }
    int averageCharWidth() const { return averageCharWidth_; }
    int winAscent() const { return winAscent_; }
    int winDescent() const { return winDescent_; }

    // Glyph index and advance (font units) of a Windows-1252 byte (of the font's own code in a symbol font).
    unsigned long glyphIndex(unsigned char byte) const { return glyphs_[byte]; }
    int advance(unsigned char byte) const { return advances_[byte]; }
    // Sum of the advances of a text (font units).
    long textAdvance(std::string_view text) const;

private:
    FontFace() = default;

    cairo_font_face_t* cairoFace_ = nullptr;
    int unitsPerEm_ = 2048;
    int averageCharWidth_ = 1024;
    int winAscent_ = 0;
    int winDescent_ = 0;
    std::array<unsigned long, 256> glyphs_{};
    std::array<int, 256> advances_{};
};

// The installed family for a Windows face name: "Courier New", "Arial" and "Times New Roman" are the
// metric-compatible Liberation fonts; any other name is looked up as it is.
std::string InstalledFamily(const std::string& faceName);
// The installed family (URW base35) for a standard PDF font.
std::string InstalledFamily(StandardFamily family);

// The fonts one canvas uses, opened once each and kept for its lifetime. Fonts are found through a
// fontconfig configuration of its own that reads only the font folders and their caches: the system's
// configuration files (aliases, rules) would cost far more to load than the program needs.
class FontCatalog {
public:
    FontCatalog() = default;
    ~FontCatalog();
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;

    // The font for a Windows face name and style, or nullptr when it cannot be loaded.
    const FontFace* face(const std::string& faceName, int style);
    // The installed font for a PDF base font name.
    const FontFace* standardFace(const std::string& baseFontName);

private:
    const FontFace* installed(const std::string& family, int style);

    FcConfig* config_ = nullptr;
    std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> faces_;
};
