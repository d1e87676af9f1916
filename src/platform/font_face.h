#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include <cairo.h>

// Font style bits, as the form canvas passes them: 1 bold, 2 italic.
enum FontStyleBits : int { kFontBold = 1, kFontItalic = 2 };

// One font file found through fontconfig, with the metrics that a GDI-style font is built from and a
// Cairo font face for drawing. Characters are Windows-1252 bytes.
class FontFace {
public:
    // The font that fontconfig chooses for the family name and style; nullptr when none can be loaded.
    static std::unique_ptr<FontFace> open(const std::string& family, int style);

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    cairo_font_face_t* cairoFace() const { return cairoFace_; }

    // Design units per em, OS/2 average character width and the Windows ascent and descent (font units).
    int unitsPerEm() const { return unitsPerEm_; }
    int averageCharWidth() const { return averageCharWidth_; }
    int winAscent() const { return winAscent_; }
    int winDescent() const { return winDescent_; }

    // Glyph index and advance (font units) of a Windows-1252 byte.
    unsigned long glyphIndex(unsigned char byte) const { return glyphs_[byte]; }
    int advance(unsigned char byte) const { return advances_[byte]; }
    // Sum of the advances of a text (font units).
    long textAdvance(const std::string& text) const;

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

// The fonts one canvas uses, opened once each and kept for its lifetime.
class FontCatalog {
public:
    // The font for the family and style, or nullptr when it cannot be loaded.
    const FontFace* face(const std::string& family, int style);

private:
    std::map<std::pair<std::string, int>, std::unique_ptr<FontFace>> faces_;
};
