#include "pdf/render/canvas_render_sink.h"

#include <algorithm>
#include <cmath>

#include "platform/drawing_canvas.h"

namespace {

// Lines thinner than this many device dots are put on whole dots.
constexpr double kThinLineDots = 4;

DrawMatrix ToDraw(const RenderMatrix& m) {
    return {m.a, m.b, m.c, m.d, m.e, m.f};
}

DrawColor ToDraw(const RenderColor& color) {
    return RgbColor(color.red, color.green, color.blue);
}

FillRule ToDraw(RenderFillRule rule) {
    return rule == RenderFillRule::EvenOdd ? FillRule::EvenOdd : FillRule::NonZero;
}

// The path in the coordinates the matrix maps it to.
DrawPath MappedPath(const RenderPath& path, const RenderMatrix& matrix) {
    DrawPath out;
    out.segments.reserve(path.Verbs().size());
    const auto& points = path.Points();
    std::size_t next = 0;
    auto point = [&](double& x, double& y) {
        const RenderPoint& p = points[next++];
        matrix.Apply(p.x, p.y, x, y);
    };
    for (PathVerb verb : path.Verbs()) {
        double x[3] = {0, 0, 0}, y[3] = {0, 0, 0};
        switch (verb) {
        case PathVerb::MoveTo:
            point(x[0], y[0]);
            out.moveTo(x[0], y[0]);
            break;
        case PathVerb::LineTo:
            point(x[0], y[0]);
            out.lineTo(x[0], y[0]);
            break;
        case PathVerb::CurveTo:
            point(x[0], y[0]);
            point(x[1], y[1]);
            point(x[2], y[2]);
            out.curveTo(x[0], y[0], x[1], y[1], x[2], y[2]);
            break;
        case PathVerb::Close:
            out.close();
            break;
        }
    }
    return out;
}

// The path as it stands, in user space.
DrawPath UserPath(const RenderPath& path) {
    return MappedPath(path, RenderMatrix());
}

DrawPen PenOf(const StrokeStyle& style, const RenderMatrix& matrix, const RenderColor& color) {
    DrawPen pen;
    pen.colour = ToDraw(color);
    pen.width = style.width;
    // A width of 0 asks for the thinnest line the device draws: one dot, expressed in user space.
    if (!(pen.width > 0)) {
        const double scale = std::sqrt(std::fabs(matrix.a * matrix.d - matrix.b * matrix.c));
        pen.width = scale > 0 ? 1.0 / scale : 1.0;
    }
    pen.cap = style.cap == RenderLineCap::Round              ? LineCap::Round
              : style.cap == RenderLineCap::ProjectingSquare ? LineCap::Square
                                                             : LineCap::Butt;
    pen.join = style.join == RenderLineJoin::Round   ? LineJoin::Round
               : style.join == RenderLineJoin::Bevel ? LineJoin::Bevel
                                                     : LineJoin::Miter;
    pen.miterLimit = style.miterLimit;
    pen.dash = style.dashes;
    pen.dashPhase = style.dashPhase;
    return pen;
}

DrawBrush SolidBrush(const RenderColor& color) {
    DrawBrush brush;
    brush.kind = DrawBrush::Kind::Solid;
    brush.colour = ToDraw(color);
    return brush;
}

// An upright image covers whole device dots: its edges go to the nearest dot boundaries (at least one
// dot apart), as a picture is stretched onto a printer's page, so that its edges stay crisp.
RenderMatrix OnWholeDots(const RenderMatrix& m) {
    if (m.b != 0 || m.c != 0)
        return m;
    const auto edges = [](double start, double extent, double& newStart, double& newExtent) {
        const double from = std::round(start);
        double to = std::round(start + extent);
        if (to == from)
            to = from + (extent < 0 ? -1 : 1);
        newStart = from;
        newExtent = to - from;
    };
    RenderMatrix snapped = m;
    edges(m.e, m.a, snapped.e, snapped.a);
    edges(m.f, m.d, snapped.f, snapped.d);
    return snapped;
}

bool IsSymbolFont(const std::string& name) {
    return name == "Symbol" || name == "ZapfDingbats";
}

} // namespace

void CanvasRenderSink::SaveState() {
    canvas.save();
}

void CanvasRenderSink::RestoreState() {
    canvas.restore();
}

void CanvasRenderSink::FillPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule rule,
                                const RenderColor& color) {
    canvas.setBrush(SolidBrush(color));
    canvas.fillPath(MappedPath(path, matrix), ToDraw(rule));
}

void CanvasRenderSink::StrokePath(const RenderPath& path, const RenderMatrix& matrix,
                                  const StrokeStyle& style, const RenderColor& color) {
    DrawPen pen = PenOf(style, matrix, color);
    // Thin lines under an unrotated, evenly scaled matrix are drawn in device space on whole dots, as a
    // printer marks them: at least one dot wide, centred on dots, so that they stay crisp and black.
    const double scale = std::fabs(matrix.a);
    const bool even =
        matrix.b == 0 && matrix.c == 0 && std::fabs(std::fabs(matrix.d) - scale) <= 1e-9 * scale;
    const double deviceWidth = pen.width * scale;
    if (even && scale > 0 && deviceWidth < kThinLineDots) {
        // The line covers whole dots from the dot boundary nearest its upper (left) edge.
        const double dots = std::max(1.0, std::round(deviceWidth));
        const auto snap = [&](double c) { return std::round(c - deviceWidth / 2) + dots / 2; };
        pen.width = dots;
        for (double& length : pen.dash)
            length *= scale;
        pen.dashPhase *= scale;
        DrawPath device = MappedPath(path, matrix);
        for (DrawPath::Segment& segment : device.segments) {
            for (int i = 0; i < 3; ++i) {
                segment.x[i] = snap(segment.x[i]);
                segment.y[i] = snap(segment.y[i]);
            }
        }
        canvas.setPen(pen);
        canvas.strokePath(device);
        return;
    }
    // The pen's width and dashes are in user space: the stroke is drawn under the path's matrix.
    canvas.setPen(pen);
    canvas.save();
    canvas.transform(ToDraw(matrix));
    canvas.strokePath(UserPath(path));
    canvas.restore();
}

void CanvasRenderSink::ClipPath(const RenderPath& path, const RenderMatrix& matrix, RenderFillRule rule) {
    // In device coordinates, so that the clip outlives no transform of its own.
    canvas.clipPath(MappedPath(path, matrix), ToDraw(rule));
}

void CanvasRenderSink::DrawImage(const RenderImage& image, const RenderMatrix& matrix,
                                 const RenderColor& fillColor) {
    SampleImage samples;
    samples.width = image.width;
    samples.height = image.height;
    samples.samples = image.samples.data();
    // The canvas puts an image's top row at y = 0 of the unit square, the renderer at y = 1.
    const RenderMatrix placement = RenderMatrix{1, 0, 0, -1, 0, 1}.Then(OnWholeDots(matrix));
    switch (image.format) {
    case RenderImage::Format::Gray1:
    case RenderImage::Format::Mask1:
        samples.bitsPerComponent = 1;
        samples.components = 1;
        break;
    case RenderImage::Format::Gray8:
        samples.bitsPerComponent = 8;
        samples.components = 1;
        break;
    case RenderImage::Format::Rgb24:
        samples.bitsPerComponent = 8;
        samples.components = 3;
        break;
    }
    if (image.samples.size() < samples.rowBytes() * static_cast<std::size_t>(image.height))
        return;
    if (image.format == RenderImage::Format::Mask1) {
        // A set bit paints: the canvas paints the clear ones unless the mask is inverted.
        samples.invert = true;
        canvas.setBrush(SolidBrush(fillColor));
        canvas.drawImageMask(samples, ToDraw(placement));
        return;
    }
    canvas.drawSamples(samples, ToDraw(placement));
}

void CanvasRenderSink::ShowGlyphs(const RenderGlyphRun& run) {
    if (run.paint == TextPaint::Invisible || run.glyphs.empty())
        return;
    // The canvas fills glyphs only: stroked text is filled in the stroke colour.
    const RenderColor& color = run.paint == TextPaint::Stroke ? run.strokeColor : run.fillColor;
    const bool byCode = IsSymbolFont(run.fontName);

    // Glyph space starts where the first shown glyph stands; each advance reaches the next shown one.
    GlyphRun glyphs;
    glyphs.fontName = run.fontName;
    glyphs.size = 1;
    double start = 0;
    double previous = 0;
    for (const RenderGlyph& glyph : run.glyphs) {
        const std::uint8_t code = byCode ? glyph.code : glyph.ansi;
        if (code == 0)
            continue; // a character the font cannot show
        if (glyphs.codes.empty())
            start = glyph.x;
        else
            glyphs.advances.push_back(glyph.x - previous);
        previous = glyph.x;
        glyphs.codes.push_back(static_cast<char>(code));
    }
    if (glyphs.codes.empty())
        return;
    glyphs.advances.push_back(0);
    RenderMatrix matrix = RenderMatrix::Translation(start, 0).Then(run.matrix);
    // Upright text stands on a whole dot: the baseline goes to the dot boundary above it, so that
    // every line of text is drawn alike wherever its baseline falls between dots.
    if (matrix.b == 0 && matrix.c == 0)
        matrix.f = std::floor(matrix.f);
    glyphs.textMatrix = ToDraw(matrix);
    canvas.setBrush(SolidBrush(color));
    canvas.drawGlyphRun(glyphs);
}
