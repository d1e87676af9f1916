#pragma once

// A render sink that draws nothing and checks what it is given: finite numbers, invertible matrices,
// image sizes that agree with their samples, saves and restores that pair up. Used by the renderer's
// robustness tests and its fuzz target; Problems() is empty when every call was sound.

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "pdf/render/render_sink.h"

class CheckingRenderSink : public RenderSink {
public:
    void SaveState() override {
        ++depth_;
        ++calls_;
    }
    void RestoreState() override {
        if (--depth_ < 0)
            Problem("restore without save");
        ++calls_;
    }
    void FillPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule,
                  const RenderColor& color) override {
        CheckPath(path, matrix);
        CheckColor(color);
    }
    void StrokePath(const RenderPath& path, const RenderMatrix& matrix, const StrokeStyle& style,
                    const RenderColor& color) override {
        CheckPath(path, matrix);
        CheckColor(color);
        if (!Finite(style.width) || style.width < 0 || !Finite(style.miterLimit) || !Finite(style.dashPhase))
            Problem("stroke style");
        for (double dash : style.dashes)
            if (!Finite(dash) || dash < 0)
                Problem("dash");
    }
    void ClipPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule) override {
        CheckPath(path, matrix);
        if (depth_ < 1)
            Problem("clip outside a saved state");
    }
    void DrawImage(const RenderImage& image, const RenderMatrix& matrix, const RenderColor& color) override {
        CheckMatrix(matrix);
        CheckColor(color);
        if (image.width <= 0 || image.height <= 0 ||
            image.stride != RenderImage::RowBytes(image.format, image.width) ||
            image.samples.size() != image.stride * static_cast<std::size_t>(image.height))
            Problem("image size");
        ++calls_;
    }
    void ShowGlyphs(const RenderGlyphRun& run) override {
        CheckMatrix(run.matrix);
        CheckMatrix(run.userMatrix);
        CheckColor(run.fillColor);
        CheckColor(run.strokeColor);
        if (run.fontName.empty() || run.glyphs.empty())
            Problem("glyph run without font or glyphs");
        for (const RenderGlyph& glyph : run.glyphs)
            if (!Finite(glyph.x) || !Finite(glyph.width))
                Problem("glyph position");
        glyphs_ += run.glyphs.size();
        ++calls_;
    }

    // Called once drawing is over: every save must have been restored.
    void Finish() {
        if (depth_ != 0)
            Problem("saves left open");
    }

    const std::vector<std::string>& Problems() const { return problems_; }
    std::size_t Calls() const { return calls_; }
    std::size_t Glyphs() const { return glyphs_; }

private:
    static bool Finite(double v) { return std::isfinite(v); }

    void Problem(const std::string& what) {
        if (problems_.size() < 20)
            problems_.push_back(what);
    }
    void CheckMatrix(const RenderMatrix& m) {
        for (double v : {m.a, m.b, m.c, m.d, m.e, m.f})
            if (!Finite(v))
                Problem("matrix not finite");
        if (!(std::fabs(m.a * m.d - m.b * m.c) > 0))
            Problem("matrix not invertible");
    }
    void CheckColor(const RenderColor& c) {
        for (double v : {c.red, c.green, c.blue})
            if (!(v >= 0 && v <= 1))
                Problem("colour out of range");
    }
    void CheckPath(const RenderPath& path, const RenderMatrix& matrix) {
        CheckMatrix(matrix);
        if (path.Empty() || path.Verbs().front() != PathVerb::MoveTo)
            Problem("path without a first move");
        std::size_t points = 0;
        for (PathVerb verb : path.Verbs())
            points += verb == PathVerb::CurveTo ? 3 : (verb == PathVerb::Close ? 0 : 1);
        if (points != path.PointCount())
            Problem("path points and verbs disagree");
        for (const RenderPoint& p : path.Points())
            if (!Finite(p.x) || !Finite(p.y))
                Problem("path point not finite");
        ++calls_;
    }

    int depth_ = 0;
    std::size_t calls_ = 0;
    std::size_t glyphs_ = 0;
    std::vector<std::string> problems_;
};
