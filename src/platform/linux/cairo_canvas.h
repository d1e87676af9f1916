#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <cairo.h>

#include "platform/drawing_canvas.h"
#include "platform/linux/font_face.h"

// How drawing reaches the pixels: in colour, or for a one-bit page, where every solid colour is drawn
// black or white by its brightness (pictures keep their colours and are thresholded with the page).
enum class PaintMode { Colour, Ink };

// One step of drawing on a Cairo context, run at once by an immediate canvas or later by a recording.
// Steps leave the context's matrix and source as they found them; clips and saves are the renderer's.
using PaintStep = std::function<void(cairo_t*, PaintMode)>;

// The device rows a step may touch; unbounded when unknown.
struct PaintRows {
    double top = 0;
    double bottom = 0;
    bool bounded = false;
    // The step only paints light colours: on a page that is still white it changes nothing.
    bool lightOnly = false;
};

// The Cairo drawing canvas: turns the GDI-style calls into paint steps and hands them to a sink.
class CairoCanvas : public DrawingCanvas {
public:
    using Sink = std::function<void(const PaintRows&, PaintStep)>;

    // With batchText, unclipped text on one baseline is held back and joined into one step until
    // another step or flushText().
    CairoCanvas(FontCatalog& fonts, Sink sink, bool batchText = false);
    // Hands held-back text to the sink.
    void flushText();
    // A sink that runs every step on the context at once.
    static Sink immediate(cairo_t* context, PaintMode mode);
    // Sets up a context for steps: no antialiasing of glyph outlines, no hinting.
    static void prepareContext(cairo_t* context);

    void setMapping(int windowWidth, int windowHeight, int viewportWidth, int viewportHeight) override;
    void setPen(const DrawPen& pen) override { pen_ = pen; }
    void setBrush(const DrawBrush& brush) override { brush_ = brush; }
    void setTextColor(DrawColor colour) override { textColour_ = colour; }
    FontCellMetrics selectFont(const FontRequest& font) override;
    FontCellMetrics fontMetrics(const FontRequest& font) override;
    double textWidth(const FontRequest& font, std::string_view text) override;

    void fillRect(const LogicalRect& rect) override;
    void polygon(std::span<const LogicalPoint> points) override;
    void polyline(std::span<const LogicalPoint> points) override;
    int drawText(std::string_view text, LogicalRect& rect, unsigned format) override;

    void save() override;
    void restore() override;
    void transform(const DrawMatrix& matrix) override;
    void fillPath(const DrawPath& path, FillRule rule) override;
    void strokePath(const DrawPath& path) override;
    void clipPath(const DrawPath& path, FillRule rule) override;
    void drawSamples(const SampleImage& image, const DrawMatrix& placement) override;
    void drawImageMask(const SampleImage& mask, const DrawMatrix& placement) override;
    void drawGlyphRun(const GlyphRun& run) override;
    void drawImage(const RasterImage& image, int x, int y, int width, int height) override;

private:
    struct DevicePoint {
        int x = 0;
        int y = 0;
    };
    struct TextLine {
        double x = 0; // logical
        int baseline = 0;
        std::string text;
    };

    DevicePoint toDevice(int x, int y) const;
    FontCellMetrics metricsFor(const FontFace* face, const FontRequest& font) const;
    double widthIn(const FontFace* face, int averageWidth, std::string_view text) const;
    void emit(const PaintRows& rows, PaintStep step);
    PaintRows rowsOf(double top, double bottom, bool lightOnly = false) const;
    // The user-space matrix of the renderer's calls: the world transform, then the mapping.
    DrawMatrix userMatrix() const;
    std::vector<std::string> layoutLines(std::string_view text, int boxWidth, unsigned format) const;
    static PaintStep glyphStep(const FontFace* face, double emX, double emY, bool clip,
                               const LogicalRect& clipBox, DrawColor colour,
                               std::vector<cairo_glyph_t> glyphs);

    // Glyphs held back to be joined with the next ones on the same baseline.
    struct PendingText {
        bool active = false;
        const FontFace* face = nullptr;
        double emX = 0;
        double emY = 0;
        double baseline = 0;
        DrawColor colour = kDrawBlack;
        PaintRows rows;
        std::vector<cairo_glyph_t> glyphs;
    };

    FontCatalog& fonts_;
    Sink sink_;
    bool batchText_ = false;
    PendingText pending_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    DrawPen pen_;
    DrawBrush brush_;
    DrawColor textColour_ = kDrawBlack;
    FontRequest font_;
    const FontFace* face_ = nullptr;
    FontCellMetrics metrics_;
    DrawMatrix world_;
    std::vector<DrawMatrix> savedWorld_;
    // A world transform other than identity is in force (its steps cannot be bounded).
    bool transformed_ = false;
    std::vector<bool> savedTransformed_;
};
