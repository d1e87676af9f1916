#pragma once

#include "pdf/render/render_sink.h"

class DrawingCanvas;

// Draws what the page interpreter produces onto a drawing canvas whose user space is its device space
// (a printer page, an RGB picture). Paths are filled and clipped in device coordinates; strokes, images
// and glyphs carry their matrices to the canvas. Latin text is drawn by its Windows-1252 characters,
// Symbol and ZapfDingbats by the font's own codes.
class CanvasRenderSink : public RenderSink {
public:
    explicit CanvasRenderSink(DrawingCanvas& canvas) : canvas(canvas) {}

    void SaveState() override;
    void RestoreState() override;
    void FillPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule rule,
                  const RenderColor& color) override;
    void StrokePath(const RenderPath& path, const RenderMatrix& matrix, const StrokeStyle& style,
                    const RenderColor& color) override;
    void ClipPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule rule) override;
    void DrawImage(const RenderImage& image, const RenderMatrix& matrix,
                   const RenderColor& fillColor) override;
    void ShowGlyphs(const RenderGlyphRun& run) override;

private:
    DrawingCanvas& canvas;
};
