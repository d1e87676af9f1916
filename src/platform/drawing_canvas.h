#pragma once

#include <span>
#include <string_view>

#include "platform/drawing_types.h"
#include "platform/raster_image.h"

// A device context to draw on, in GDI's terms: the form canvas records pages through it and the PDF
// page renderer draws on a printer page through it. Logical coordinates go through an anisotropic
// window/viewport mapping (origin 0, 0) and then through the world transform; both start as identity.
class DrawingCanvas {
public:
    virtual ~DrawingCanvas() = default;

    // MM_ANISOTROPIC: a window of windowWidth x windowHeight logical units shows in a viewport of
    // viewportWidth x viewportHeight device units.
    virtual void setMapping(int windowWidth, int windowHeight, int viewportWidth, int viewportHeight) = 0;

    // --- GDI objects ---------------------------------------------------------------------------------
    virtual void setPen(const DrawPen& pen) = 0;
    virtual void setBrush(const DrawBrush& brush) = 0;
    virtual void setTextColor(DrawColor colour) = 0;
    // Selects the font (CreateFontIndirect at the cell size) and answers its metrics.
    virtual FontCellMetrics selectFont(const FontRequest& font) = 0;
    // The metrics a font would have, without selecting it.
    virtual FontCellMetrics fontMetrics(const FontRequest& font) = 0;
    // The width of a text in a font, in logical units.
    virtual double textWidth(const FontRequest& font, std::string_view text) = 0;

    // --- The form's drawing, in logical units ---------------------------------------------------------
    // Fills a rectangle with the brush, without an outline (FillRect).
    virtual void fillRect(const LogicalRect& rect) = 0;
    // A closed polygon: filled with the brush, outlined with the pen (Polygon).
    virtual void polygon(std::span<const LogicalPoint> points) = 0;
    // Connected lines with the pen (Polyline).
    virtual void polyline(std::span<const LogicalPoint> points) = 0;
    // Windows DrawText with the selected font and text colour, the brush left alone (transparent
    // background). Text is Windows-1252. Answers the height of the text; with kDtCalcRect nothing is
    // drawn and the rectangle is set to the text's extent.
    virtual int drawText(std::string_view text, LogicalRect& rect, unsigned format) = 0;

    // --- The page renderer's drawing, in user units (the world transform applies) ---------------------
    virtual void save() = 0;
    virtual void restore() = 0;
    // Prepends a transform to the world transform: user units of later calls go through it first.
    virtual void transform(const DrawMatrix& matrix) = 0;
    // Fills with the brush (FillPath).
    virtual void fillPath(const DrawPath& path, FillRule rule) = 0;
    // Strokes with the pen, whose width, dash and miter are in user units (StrokePath).
    virtual void strokePath(const DrawPath& path) = 0;
    // Intersects the clip with the path (SelectClipPath with RGN_AND); restore() undoes it.
    virtual void clipPath(const DrawPath& path, FillRule rule) = 0;
    // Samples placed by a matrix that maps the unit square onto user space, the image's top row along
    // y = 0 and its left column along x = 0.
    virtual void drawSamples(const SampleImage& image, const DrawMatrix& placement) = 0;
    // A one-bit stencil placed like drawSamples: samples of 0 (1 when inverted) are painted with the
    // brush colour, the others leave the page alone.
    virtual void drawImageMask(const SampleImage& mask, const DrawMatrix& placement) = 0;
    // Glyphs filled with the brush colour.
    virtual void drawGlyphRun(const GlyphRun& run) = 0;
    // A decoded picture stretched into a device rectangle (StretchDIBits), outside the mapping and the
    // world transform.
    virtual void drawImage(const RasterImage& image, int x, int y, int width, int height) = 0;
};
