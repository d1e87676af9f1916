#pragma once

#include <vector>

#include <windows.h>

#include "platform/drawing_canvas.h"
#include "platform/windows/gdi_handles.h"

// The drawing canvas over a GDI device context someone else owns (an enhanced metafile being recorded,
// a DIB section or a printer page). The context runs in the advanced graphics mode with the anisotropic
// mapping; pens and brushes are made for each call and dropped after it, so that no saved state of the
// context holds an object that is gone. Fonts are measured on a memory context with the same mapping,
// so that measuring records nothing into a metafile.
class GdiCanvas : public DrawingCanvas {
public:
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    // True once anything was drawn through the canvas.
    bool drewAnything() const { return drew_; }

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
    // The brush as a GDI brush; the stock null brush (not owned) for a clear one.
    BrushHandle makeBrush() const;
    // The form's pen: one device pixel wide (cosmetic) or a geometric pen with square ends.
    PenHandle makeFormPen() const;
    // Sets the world transform to `first` followed by the canvas's world transform.
    void applyWorld(const DrawMatrix& first);
    void resetWorld();
    // Builds the path in the context (between BeginPath and EndPath), in user units scaled up.
    void buildPath(const DrawPath& path);
    // Replaces the path in the context by its dashes.
    void redrawDashed(const std::vector<double>& dash, double phase);
    FontCellMetrics measure(const LOGFONTA& font);

    HDC dc_;
    OwnedDc measureDc_;
    bool drew_ = false;
    DrawPen pen_;
    DrawBrush brush_;
    DrawColor textColour_ = kDrawBlack;
    double scaleX_ = 1.0;
    // Fonts the context or one of its saved states may still have selected.
    std::vector<FontHandle> fonts_;
    HFONT currentFont_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    DrawMatrix world_;
    std::vector<DrawMatrix> savedWorld_;
    std::vector<HFONT> savedFonts_;
};
