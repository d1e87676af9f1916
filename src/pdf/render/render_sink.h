#pragma once

#include "pdf/render/glyph_run.h"
#include "pdf/render/render_image.h"
#include "pdf/render/render_matrix.h"
#include "pdf/render/render_paint.h"
#include "pdf/render/render_path.h"

// What the page interpreter draws into. Every matrix maps the coordinates of the call (user space, an
// image's unit square, a glyph run's em space) to device space: the interpreter starts from the matrix it
// is given for the page, so a sink draws with the matrices as they come. All numbers are finite.
//
// The clip is part of the state: SaveState and RestoreState come in pairs (a RestoreState never comes
// without its SaveState), and ClipPath narrows the clip until the RestoreState of the enclosing pair.
class RenderSink {
public:
    virtual ~RenderSink() = default;

    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;

    virtual void FillPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule rule,
                          const RenderColor& color) = 0;
    virtual void StrokePath(const RenderPath& path, const RenderMatrix& matrix, const StrokeStyle& style,
                            const RenderColor& color) = 0;
    virtual void ClipPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule rule) = 0;

    // An image over the unit square of `matrix`. A Mask1 image paints in `fillColor`; the other formats
    // ignore it.
    virtual void DrawImage(const RenderImage& image, const RenderMatrix& matrix,
                           const RenderColor& fillColor) = 0;

    virtual void ShowGlyphs(const RenderGlyphRun& run) = 0;
};
