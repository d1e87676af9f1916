#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The values a drawing canvas speaks in: GDI's terms, with nothing of the platform that draws them.

// A colour as GDI's COLORREF: 0x00BBGGRR.
using DrawColor = std::uint32_t;
constexpr DrawColor kDrawBlack = 0x000000;
constexpr DrawColor kDrawWhite = 0xFFFFFF;

constexpr DrawColor RgbColor(int red, int green, int blue) {
    return static_cast<DrawColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
// Components from 0 to 1, clamped.
DrawColor GreyColor(double grey);
DrawColor RgbColor(double red, double green, double blue);
// The naive conversion PDF viewers use without a colour profile: each component is 1 - min(1, c + k).
DrawColor CmykColor(double cyan, double magenta, double yellow, double black);
// True when the colour is darker than mid grey (Rec. 601 luma): black on a one-bit page.
bool IsDarkColor(DrawColor colour);

// Integer points and rectangles in logical units (the canvas maps them onto the device).
struct LogicalPoint {
    int x = 0;
    int y = 0;
    bool operator==(const LogicalPoint&) const = default;
};

struct LogicalRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LogicalRect&) const = default;
};

// DrawText format bits, as Windows defines them.
enum DrawTextFormat : unsigned {
    kDtLeft = 0x0,
    kDtCenter = 0x1,
    kDtRight = 0x2,
    kDtVCenter = 0x4,
    kDtBottom = 0x8,
    kDtWordBreak = 0x10,
    kDtSingleLine = 0x20,
    kDtNoClip = 0x100,
    kDtCalcRect = 0x400,
    kDtNoPrefix = 0x800,
};

// Font style bits: 1 bold, 2 italic.
enum FontStyleBits : int { kFontBold = 1, kFontItalic = 2 };

// A font as CreateFontIndirect is asked for it: a face name, a style, and a cell size given as the
// character height (the em, LOGFONT's negative height) and the average character width, in logical units.
struct FontRequest {
    std::string faceName;
    int style = 0;
    int characterHeight = 0;
    int averageWidth = 0;
    bool operator==(const FontRequest&) const = default;
};

// Metrics of a font in logical units.
struct FontCellMetrics {
    int height = 0; // the cell height: ascent plus descent
    int ascent = 0;
    int descent = 0;
    int aveCharWidth = 0;
    int emHeight = 0; // the character height the font was made with
};

// A 2-D affine transform: (x, y) -> (a x + c y + e, b x + d y + f).
struct DrawMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    // This transform followed by `then`.
    DrawMatrix followedBy(const DrawMatrix& then) const;
};

enum class LineCap { Butt, Round, Square };
enum class LineJoin { Miter, Round, Bevel };
enum class FillRule { NonZero, EvenOdd };

// A pen: a colour and a width in the units it draws in, with the geometric details a page renderer needs.
struct DrawPen {
    DrawColor colour = kDrawBlack;
    double width = 1;
    LineCap cap = LineCap::Butt;
    LineJoin join = LineJoin::Miter;
    double miterLimit = 10;
    std::vector<double> dash; // lengths of dashes and gaps; empty: solid
    double dashPhase = 0;
};

// A black-and-white tile that a pattern brush repeats in device pixels; a set bit is black.
struct PatternTile {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> black; // width x height, one byte per pixel, row by row, 1 for black
};

// A brush: nothing (outlines only), a solid colour, or a repeating black-and-white pattern.
struct DrawBrush {
    enum class Kind { Clear, Solid, Pattern };
    Kind kind = Kind::Solid;
    DrawColor colour = kDrawWhite;
    std::shared_ptr<const PatternTile> pattern;
};

// A path of straight and cubic Bézier segments, in user units.
struct DrawPath {
    enum class Op : std::uint8_t { MoveTo, LineTo, CurveTo, Close };
    struct Segment {
        Op op = Op::MoveTo;
        double x[3] = {0, 0, 0};
        double y[3] = {0, 0, 0};
    };
    std::vector<Segment> segments;

    void moveTo(double x, double y) { segments.push_back({Op::MoveTo, {x, 0, 0}, {y, 0, 0}}); }
    void lineTo(double x, double y) { segments.push_back({Op::LineTo, {x, 0, 0}, {y, 0, 0}}); }
    void curveTo(double x1, double y1, double x2, double y2, double x3, double y3) {
        segments.push_back({Op::CurveTo, {x1, x2, x3}, {y1, y2, y3}});
    }
    void close() { segments.push_back({Op::Close, {0, 0, 0}, {0, 0, 0}}); }
    void rectangle(double x, double y, double width, double height);
};

// Image samples as a PDF image holds them: rows from the top, each row padded to whole bytes, with
// 1 or 8 bits per component and 1 (grey) or 3 (RGB) components. `invert` swaps dark and light (a
// Decode array of [1 0]).
struct SampleImage {
    int width = 0;
    int height = 0;
    int bitsPerComponent = 8;
    int components = 1;
    bool invert = false;
    const std::uint8_t* samples = nullptr; // height rows of rowBytes()
    std::size_t rowBytes() const {
        return (static_cast<std::size_t>(width) * components * bitsPerComponent + 7) / 8;
    }
    bool valid() const;
};

// A run of glyphs of one font: code i is drawn at text-space point (x_i, 0), x_0 = 0 and
// x_(i+1) = x_i + advances[i]; a glyph is the font's outline scaled by `size`, y pointing up (PDF's text
// space); `textMatrix` maps text space to user space. The font is named as in a PDF file: one of the 14
// standard fonts or a common alias ("Arial,Bold", "TimesNewRoman", "CourierNew", ...). Codes are
// Windows-1252 bytes (the font's own code for Symbol and ZapfDingbats).
struct GlyphRun {
    std::string fontName;
    double size = 1;
    DrawMatrix textMatrix;
    std::string codes;
    std::vector<double> advances;
};
