#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pdf/render/render_matrix.h"
#include "pdf/render/render_paint.h"

// One glyph of a run. Positions and widths are in em (the font's size is 1 in the run's matrix).
struct RenderGlyph {
    std::uint8_t code = 0; // the byte of the shown string (the font's own encoding)
    char32_t unicode = 0;  // the character it stands for; 0 when unknown
    std::uint8_t ansi = 0; // the same character in Windows-1252; 0 when it has none there
    double x = 0;          // origin of the glyph along the baseline, from the run's origin
    double width = 0;      // the advance the document gives the glyph (without spacing)
};

// How the glyphs of a run are painted.
enum class TextPaint { Fill, Stroke, FillStroke, Invisible };

// Glyphs shown by one text operator, all in one font and one text state.
struct RenderGlyphRun {
    // One of the 14 standard font names ("Helvetica", "Times-Bold", "Courier-Oblique", "Symbol", ...);
    // fonts of other names are given the nearest standard font.
    std::string fontName;
    // Glyph space (1 = one em, y up, origin on the baseline at the run's start) to device.
    RenderMatrix matrix;
    // User space to device at the time the text was shown: a stroked text's line width is in user space.
    RenderMatrix userMatrix;
    TextPaint paint = TextPaint::Fill;
    RenderColor fillColor;
    RenderColor strokeColor;
    StrokeStyle stroke;
    std::vector<RenderGlyph> glyphs;
};
