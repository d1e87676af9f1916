#include "platform/linux/cairo_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/linux/cairo_images.h"

namespace {

// Sets the source for a colour: as it is in colour, black or white on a one-bit page.
void setColourSource(cairo_t* cr, PaintMode mode, DrawColor colour) {
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    if (mode == PaintMode::Ink) {
        const double level = IsDarkColor(colour) ? 0.0 : 1.0;
        cairo_set_source_rgb(cr, level, level, level);
        return;
    }
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         ((colour >> 16) & 0xFF) / 255.0);
}

// The brush as a source: a solid colour, or the pattern repeated in device pixels (opaque, like a
// Windows pattern brush).
void setBrushSource(cairo_t* cr, PaintMode mode, const DrawBrush& brush) {
    if (brush.kind == DrawBrush::Kind::Pattern && brush.pattern) {
        cairo_pattern_t* pattern = CreateTilePattern(*brush.pattern);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_set_source(cr, pattern);
        cairo_pattern_destroy(pattern);
        return;
    }
    setColourSource(cr, mode, brush.colour);
}

void restoreSource(cairo_t* cr) {
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_rgb(cr, 0, 0, 0);
}

cairo_matrix_t toCairo(const DrawMatrix& m) {
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, m.a, m.b, m.c, m.d, m.e, m.f);
    return matrix;
}

void appendPath(cairo_t* cr, const DrawPath& path) {
    cairo_new_path(cr);
    for (const DrawPath::Segment& s : path.segments) {
        switch (s.op) {
        case DrawPath::Op::MoveTo:
            cairo_move_to(cr, s.x[0], s.y[0]);
            break;
        case DrawPath::Op::LineTo:
            cairo_line_to(cr, s.x[0], s.y[0]);
            break;
        case DrawPath::Op::CurveTo:
            cairo_curve_to(cr, s.x[0], s.y[0], s.x[1], s.y[1], s.x[2], s.y[2]);
            break;
        case DrawPath::Op::Close:
            cairo_close_path(cr);
            break;
        }
    }
}

cairo_fill_rule_t toCairo(FillRule rule) {
    return rule == FillRule::EvenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING;
}

// The renderer's drawing is smooth in colour and crisp on a one-bit page.
void setRendererAntialias(cairo_t* cr, PaintMode mode) {
    cairo_set_antialias(cr, mode == PaintMode::Ink ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
}

// Owns a Cairo font face reference for the steps that draw with it.
std::shared_ptr<cairo_font_face_t> shareFace(cairo_font_face_t* face) {
    return std::shared_ptr<cairo_font_face_t>(cairo_font_face_reference(face), cairo_font_face_destroy);
}

std::shared_ptr<cairo_surface_t> shareSurface(cairo_surface_t* surface) {
    return std::shared_ptr<cairo_surface_t>(surface, cairo_surface_destroy);
}

// Paragraphs of a text, split at CR, LF and CR LF.
std::vector<std::string> splitParagraphs(std::string_view text) {
    std::vector<std::string> paragraphs(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += c;
        }
    }
    return paragraphs;
}

} // namespace

CairoCanvas::CairoCanvas(FontCatalog& fonts, Sink sink, bool batchText)
    : fonts_(fonts), sink_(std::move(sink)), batchText_(batchText) {}

CairoCanvas::Sink CairoCanvas::immediate(cairo_t* context, PaintMode mode) {
    return [context, mode](const PaintRows&, PaintStep step) { step(context, mode); };
}

void CairoCanvas::prepareContext(cairo_t* context) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(context, options);
    cairo_font_options_destroy(options);
}

void CairoCanvas::emit(const PaintRows& rows, PaintStep step) {
    flushText();
    sink_(rows, std::move(step));
}

void CairoCanvas::flushText() {
    if (!pending_.active) {
        return;
    }
    pending_.active = false;
    sink_(pending_.rows, glyphStep(pending_.face, pending_.emX, pending_.emY, false, {}, pending_.colour,
                                   std::move(pending_.glyphs)));
    pending_.glyphs.clear();
}

PaintStep CairoCanvas::glyphStep(const FontFace* face, double emX, double emY, bool clip,
                                 const LogicalRect& clipBox, DrawColor colour,
                                 std::vector<cairo_glyph_t> glyphs) {
    return [glyphs = std::move(glyphs), font = shareFace(face->cairoFace()), emX, emY, clip, clipBox,
            colour](cairo_t* cr, PaintMode mode) {
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        if (clip) {
            cairo_rectangle(cr, clipBox.left, clipBox.top, clipBox.right - clipBox.left,
                            clipBox.bottom - clipBox.top);
            cairo_clip(cr);
        }
        cairo_set_font_face(cr, font.get());
        cairo_matrix_t matrix;
        cairo_matrix_init_scale(&matrix, emX, emY);
        cairo_set_font_matrix(cr, &matrix);
        setColourSource(cr, mode, colour);
        cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
        cairo_restore(cr);
    };
}

PaintRows CairoCanvas::rowsOf(double top, double bottom, bool lightOnly) const {
    PaintRows rows;
    rows.top = top;
    rows.bottom = bottom;
    rows.bounded = !transformed_;
    rows.lightOnly = lightOnly;
    return rows;
}

void CairoCanvas::setMapping(int windowWidth, int windowHeight, int viewportWidth, int viewportHeight) {
    if (windowWidth == 0 || windowHeight == 0) {
        return;
    }
    scaleX_ = static_cast<double>(viewportWidth) / static_cast<double>(windowWidth);
    scaleY_ = static_cast<double>(viewportHeight) / static_cast<double>(windowHeight);
}

CairoCanvas::DevicePoint CairoCanvas::toDevice(int x, int y) const {
    return {static_cast<int>(std::lround(x * scaleX_)), static_cast<int>(std::lround(y * scaleY_))};
}

// --- Fonts ----------------------------------------------------------------------------------------------

FontCellMetrics CairoCanvas::metricsFor(const FontFace* face, const FontRequest& font) const {
    FontCellMetrics m;
    m.emHeight = font.characterHeight;
    m.aveCharWidth = font.averageWidth;
    if (face == nullptr || font.characterHeight <= 0) {
        return m;
    }
    const double perUnit = static_cast<double>(font.characterHeight) / face->unitsPerEm();
    m.ascent = static_cast<int>(std::lround(face->winAscent() * perUnit));
    m.descent = static_cast<int>(std::lround(face->winDescent() * perUnit));
    m.height = m.ascent + m.descent;
    return m;
}

FontCellMetrics CairoCanvas::selectFont(const FontRequest& font) {
    font_ = font;
    face_ = fonts_.face(font.faceName, font.style);
    metrics_ = metricsFor(face_, font);
    return metrics_;
}

FontCellMetrics CairoCanvas::fontMetrics(const FontRequest& font) {
    return metricsFor(fonts_.face(font.faceName, font.style), font);
}

double CairoCanvas::widthIn(const FontFace* face, int averageWidth, std::string_view text) const {
    if (face == nullptr || face->averageCharWidth() <= 0) {
        return 0.0;
    }
    return static_cast<double>(face->textAdvance(text)) * averageWidth / face->averageCharWidth();
}

double CairoCanvas::textWidth(const FontRequest& font, std::string_view text) {
    return widthIn(fonts_.face(font.faceName, font.style), font.averageWidth, text);
}

// --- The form's drawing ---------------------------------------------------------------------------------

void CairoCanvas::fillRect(const LogicalRect& rect) {
    if (brush_.kind == DrawBrush::Kind::Clear) {
        return;
    }
    const DevicePoint a = toDevice(rect.left, rect.top);
    const DevicePoint b = toDevice(rect.right, rect.bottom);
    const int x0 = std::min(a.x, b.x);
    const int y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x, b.x);
    const int y1 = std::max(a.y, b.y);
    if (x1 <= x0 || y1 <= y0) {
        return;
    }
    const bool light = brush_.kind == DrawBrush::Kind::Solid && !IsDarkColor(brush_.colour);
    emit(rowsOf(y0, y1, light), [brush = brush_, x0, y0, x1, y1](cairo_t* cr, PaintMode mode) {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        setBrushSource(cr, mode, brush);
        cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
        cairo_fill(cr);
        restoreSource(cr);
    });
}

void CairoCanvas::polygon(std::span<const LogicalPoint> points) {
    if (points.empty()) {
        return;
    }
    const int penPixels = std::max(1, static_cast<int>(std::lround(pen_.width * scaleX_)));
    // Odd pen widths are centred on pixel centres so that a line covers whole pixels.
    const double offset = (penPixels % 2 == 1) ? 0.5 : 0.0;
    std::vector<DevicePoint> device;
    device.reserve(points.size());
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    for (const LogicalPoint& p : points) {
        device.push_back(toDevice(p.x, p.y));
        top = std::min(top, device.back().y);
        bottom = std::max(bottom, device.back().y);
    }
    emit(rowsOf(top - penPixels - 1, bottom + penPixels + 2),
         [device = std::move(device), brush = brush_, colour = pen_.colour, penPixels,
          offset](cairo_t* cr, PaintMode mode) {
             cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
             cairo_new_path(cr);
             for (const DevicePoint& d : device) {
                 cairo_line_to(cr, d.x + offset, d.y + offset);
             }
             cairo_close_path(cr);
             if (brush.kind != DrawBrush::Kind::Clear) {
                 setBrushSource(cr, mode, brush);
                 cairo_fill_preserve(cr);
             }
             setColourSource(cr, mode, colour);
             cairo_set_line_width(cr, penPixels);
             cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
             cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
             cairo_stroke(cr);
             restoreSource(cr);
         });
}

void CairoCanvas::polyline(std::span<const LogicalPoint> points) {
    if (points.size() < 2) {
        return;
    }
    const int penPixels = std::max(1, static_cast<int>(std::lround(pen_.width * scaleX_)));
    const double offset = (penPixels % 2 == 1) ? 0.5 : 0.0;
    std::vector<DevicePoint> device;
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    for (const LogicalPoint& p : points) {
        device.push_back(toDevice(p.x, p.y));
        top = std::min(top, device.back().y);
        bottom = std::max(bottom, device.back().y);
    }
    emit(rowsOf(top - penPixels - 1, bottom + penPixels + 2),
         [device = std::move(device), colour = pen_.colour, penPixels, offset](cairo_t* cr, PaintMode mode) {
             cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
             cairo_new_path(cr);
             for (const DevicePoint& d : device) {
                 cairo_line_to(cr, d.x + offset, d.y + offset);
             }
             setColourSource(cr, mode, colour);
             cairo_set_line_width(cr, penPixels);
             cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
             cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
             cairo_stroke(cr);
             restoreSource(cr);
         });
}

std::vector<std::string> CairoCanvas::layoutLines(std::string_view text, int boxWidth,
                                                  unsigned format) const {
    std::vector<std::string> lines;
    if ((format & kDtSingleLine) != 0) {
        lines.emplace_back(text);
        return lines;
    }
    for (const std::string& paragraph : splitParagraphs(text)) {
        if ((format & kDtWordBreak) == 0) {
            lines.push_back(paragraph);
            continue;
        }
        // Greedy breaking at blanks; a word wider than the box stands alone on its line.
        std::string line;
        bool lineHasWord = false;
        std::size_t start = 0;
        while (start <= paragraph.size()) {
            std::size_t end = paragraph.find(' ', start);
            if (end == std::string::npos) {
                end = paragraph.size();
            }
            const std::string word = paragraph.substr(start, end - start);
            const std::string candidate = lineHasWord ? line + ' ' + word : word;
            if (lineHasWord && widthIn(face_, metrics_.aveCharWidth, candidate) > boxWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            lineHasWord = true;
            start = end + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

int CairoCanvas::drawText(std::string_view text, LogicalRect& rect, unsigned format) {
    const int lineHeight = metrics_.height;
    const int boxWidth = rect.right - rect.left;
    const int boxHeight = rect.bottom - rect.top;
    const std::vector<std::string> lines = layoutLines(text, boxWidth, format);

    int top = rect.top;
    int result = lineHeight * static_cast<int>(lines.size());
    if ((format & kDtSingleLine) != 0) {
        if ((format & kDtVCenter) != 0) {
            top = rect.top + (boxHeight - lineHeight) / 2;
            result = top - rect.top + lineHeight;
        } else if ((format & kDtBottom) != 0) {
            top = rect.bottom - lineHeight;
            result = top - rect.top + lineHeight;
        }
    }
    if ((format & kDtCalcRect) != 0) {
        double widest = 0;
        for (const std::string& line : lines) {
            widest = std::max(widest, widthIn(face_, metrics_.aveCharWidth, line));
        }
        rect.right = rect.left + static_cast<int>(std::ceil(widest));
        rect.bottom = rect.top + lineHeight * static_cast<int>(lines.size());
        return lineHeight * static_cast<int>(lines.size());
    }

    const FontFace* face = face_;
    if (face == nullptr || metrics_.emHeight <= 0 || metrics_.aveCharWidth <= 0 ||
        face->averageCharWidth() <= 0) {
        return result;
    }
    // Em size in device units: the height is the character height, the width is stretched so that the
    // font's average character width becomes the requested one.
    const double emX =
        static_cast<double>(metrics_.aveCharWidth) * face->unitsPerEm() / face->averageCharWidth() * scaleX_;
    const double emY = metrics_.emHeight * scaleY_;
    if (!(emX > 0.0) || !(emY > 0.0)) {
        return result;
    }
    const double advanceScale = emX / face->unitsPerEm();
    std::vector<cairo_glyph_t> glyphs;
    int y = top;
    for (const std::string& line : lines) {
        const double width = widthIn(face, metrics_.aveCharWidth, line);
        double x = rect.left;
        if ((format & kDtCenter) != 0) {
            x = rect.left + (boxWidth - width) / 2.0;
        } else if ((format & kDtRight) != 0) {
            x = rect.right - width;
        }
        double penX = x * scaleX_;
        const double penY = (y + metrics_.ascent) * scaleY_;
        for (char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte > ' ' && face->glyphIndex(byte) != 0) {
                glyphs.push_back({face->glyphIndex(byte), penX, penY});
            }
            penX += face->advance(byte) * advanceScale;
        }
        y += lineHeight;
    }
    if (glyphs.empty()) {
        return result;
    }
    const bool clip = (format & kDtNoClip) == 0;
    const DevicePoint a = toDevice(rect.left, rect.top);
    const DevicePoint b = toDevice(rect.right, rect.bottom);
    // Glyphs stay within the font's ascent and descent (the Windows metrics are made to hold every
    // glyph); a little more is allowed for rounding.
    const double slack = 0.1 * emY + 2.0;
    PaintRows rows = rowsOf(top * scaleY_ - slack, y * scaleY_ + slack, !IsDarkColor(textColour_));
    if (clip) {
        rows.top = std::max(rows.top, static_cast<double>(a.y));
        rows.bottom = std::min(rows.bottom, static_cast<double>(b.y));
    }
    // Unclipped single lines on one baseline join the glyphs before them: a row of page text, drawn a
    // character at a time, becomes one step.
    const double baseline = (top + metrics_.ascent) * scaleY_;
    const bool joinable = batchText_ && !clip && lines.size() == 1;
    if (pending_.active && joinable && pending_.face == face && pending_.emX == emX && pending_.emY == emY &&
        pending_.baseline == baseline && pending_.colour == textColour_ &&
        pending_.rows.lightOnly == rows.lightOnly && pending_.rows.bounded == rows.bounded) {
        pending_.glyphs.insert(pending_.glyphs.end(), glyphs.begin(), glyphs.end());
        pending_.rows.top = std::min(pending_.rows.top, rows.top);
        pending_.rows.bottom = std::max(pending_.rows.bottom, rows.bottom);
        return result;
    }
    flushText();
    if (joinable) {
        pending_ = {true, face, emX, emY, baseline, textColour_, rows, std::move(glyphs)};
        return result;
    }
    sink_(rows, glyphStep(face, emX, emY, clip, {a.x, a.y, b.x, b.y}, textColour_, std::move(glyphs)));
    return result;
}

// --- The page renderer's drawing ------------------------------------------------------------------------

DrawMatrix CairoCanvas::userMatrix() const {
    DrawMatrix mapping;
    mapping.a = scaleX_;
    mapping.d = scaleY_;
    return world_.followedBy(mapping);
}

void CairoCanvas::save() {
    savedWorld_.push_back(world_);
    savedTransformed_.push_back(transformed_);
    // Unbounded: saving and restoring must reach every band.
    emit(PaintRows{}, [](cairo_t* cr, PaintMode) { cairo_save(cr); });
}

void CairoCanvas::restore() {
    if (savedWorld_.empty()) {
        return;
    }
    world_ = savedWorld_.back();
    savedWorld_.pop_back();
    transformed_ = savedTransformed_.back();
    savedTransformed_.pop_back();
    emit(PaintRows{}, [](cairo_t* cr, PaintMode) { cairo_restore(cr); });
}

void CairoCanvas::transform(const DrawMatrix& matrix) {
    world_ = matrix.followedBy(world_);
    transformed_ = true;
}

void CairoCanvas::fillPath(const DrawPath& path, FillRule rule) {
    emit(PaintRows{}, [path, rule, brush = brush_, m = userMatrix()](cairo_t* cr, PaintMode mode) {
        cairo_save(cr);
        setRendererAntialias(cr, mode);
        const cairo_matrix_t matrix = toCairo(m);
        cairo_transform(cr, &matrix);
        appendPath(cr, path);
        cairo_identity_matrix(cr);
        cairo_set_fill_rule(cr, toCairo(rule));
        setBrushSource(cr, mode, brush);
        cairo_fill(cr);
        cairo_restore(cr);
    });
}

void CairoCanvas::strokePath(const DrawPath& path) {
    emit(PaintRows{}, [path, pen = pen_, m = userMatrix()](cairo_t* cr, PaintMode mode) {
        cairo_save(cr);
        setRendererAntialias(cr, mode);
        const cairo_matrix_t matrix = toCairo(m);
        cairo_transform(cr, &matrix);
        appendPath(cr, path);
        cairo_set_line_width(cr, pen.width);
        cairo_set_line_cap(cr, pen.cap == LineCap::Round    ? CAIRO_LINE_CAP_ROUND
                               : pen.cap == LineCap::Square ? CAIRO_LINE_CAP_SQUARE
                                                            : CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr, pen.join == LineJoin::Round   ? CAIRO_LINE_JOIN_ROUND
                                : pen.join == LineJoin::Bevel ? CAIRO_LINE_JOIN_BEVEL
                                                              : CAIRO_LINE_JOIN_MITER);
        cairo_set_miter_limit(cr, pen.miterLimit);
        if (!pen.dash.empty()) {
            cairo_set_dash(cr, pen.dash.data(), static_cast<int>(pen.dash.size()), pen.dashPhase);
        }
        setColourSource(cr, mode, pen.colour);
        cairo_stroke(cr);
        cairo_restore(cr);
    });
}

void CairoCanvas::clipPath(const DrawPath& path, FillRule rule) {
    emit(PaintRows{}, [path, rule, m = userMatrix()](cairo_t* cr, PaintMode mode) {
        cairo_matrix_t saved;
        cairo_get_matrix(cr, &saved);
        setRendererAntialias(cr, mode);
        const cairo_matrix_t matrix = toCairo(m);
        cairo_transform(cr, &matrix);
        appendPath(cr, path);
        cairo_set_fill_rule(cr, toCairo(rule));
        cairo_clip(cr);
        cairo_set_matrix(cr, &saved);
    });
}

namespace {

// Paints a surface placed by a unit-square matrix, through the user matrix.
void paintPlaced(cairo_t* cr, cairo_surface_t* surface, int width, int height, const DrawMatrix& user,
                 const DrawMatrix& placement) {
    const cairo_matrix_t u = toCairo(user);
    const cairo_matrix_t p = toCairo(placement);
    cairo_transform(cr, &u);
    cairo_transform(cr, &p);
    cairo_scale(cr, 1.0 / width, 1.0 / height);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    // Enlarged samples keep their edges, as PDF images without /Interpolate are drawn; reduced ones are
    // averaged.
    cairo_matrix_t toDevice;
    cairo_get_matrix(cr, &toDevice);
    if (std::hypot(toDevice.xx, toDevice.yx) >= 1.0 && std::hypot(toDevice.xy, toDevice.yy) >= 1.0) {
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    }
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_fill(cr);
}

} // namespace

void CairoCanvas::drawSamples(const SampleImage& image, const DrawMatrix& placement) {
    if (!image.valid()) {
        return;
    }
    auto colour = shareSurface(CreateSampleSurface(image));
    if (!colour) {
        return;
    }
    emit(PaintRows{}, [colour, w = image.width, h = image.height, user = userMatrix(),
                       placement](cairo_t* cr, PaintMode mode) {
        cairo_save(cr);
        setRendererAntialias(cr, mode);
        paintPlaced(cr, colour.get(), w, h, user, placement);
        cairo_restore(cr);
    });
}

void CairoCanvas::drawImageMask(const SampleImage& mask, const DrawMatrix& placement) {
    if (!mask.valid() || mask.bitsPerComponent != 1 || mask.components != 1) {
        return;
    }
    auto stencil = shareSurface(CreateStencilSurface(mask));
    if (!stencil) {
        return;
    }
    emit(PaintRows{}, [stencil, w = mask.width, h = mask.height, colour = brush_.colour, user = userMatrix(),
                       placement](cairo_t* cr, PaintMode mode) {
        cairo_save(cr);
        setRendererAntialias(cr, mode);
        const cairo_matrix_t u = toCairo(user);
        const cairo_matrix_t p = toCairo(placement);
        cairo_transform(cr, &u);
        cairo_transform(cr, &p);
        cairo_scale(cr, 1.0 / w, 1.0 / h);
        setColourSource(cr, mode, colour);
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_clip(cr);
        // A stencil stays crisp, and its edge samples reach the edge of its box.
        cairo_pattern_t* pattern = cairo_pattern_create_for_surface(stencil.get());
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
        cairo_mask(cr, pattern);
        cairo_pattern_destroy(pattern);
        cairo_restore(cr);
    });
}

void CairoCanvas::drawGlyphRun(const GlyphRun& run) {
    const FontFace* face = fonts_.standardFace(run.fontName);
    if (face == nullptr || run.codes.empty()) {
        return;
    }
    std::vector<cairo_glyph_t> glyphs;
    glyphs.reserve(run.codes.size());
    double x = 0;
    for (std::size_t i = 0; i < run.codes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(run.codes[i]);
        if (face->glyphIndex(byte) != 0) {
            glyphs.push_back({face->glyphIndex(byte), x, 0});
        }
        x += i < run.advances.size()
                 ? run.advances[i]
                 : static_cast<double>(face->advance(byte)) / face->unitsPerEm() * run.size;
    }
    if (glyphs.empty()) {
        return;
    }
    const DrawMatrix m = run.textMatrix.followedBy(userMatrix());
    emit(PaintRows{}, [glyphs = std::move(glyphs), font = shareFace(face->cairoFace()), m, size = run.size,
                       colour = brush_.colour](cairo_t* cr, PaintMode mode) {
        cairo_save(cr);
        setRendererAntialias(cr, mode);
        const cairo_matrix_t matrix = toCairo(m);
        cairo_transform(cr, &matrix);
        cairo_set_font_face(cr, font.get());
        cairo_matrix_t fontMatrix;
        cairo_matrix_init_scale(&fontMatrix, size, -size);
        cairo_set_font_matrix(cr, &fontMatrix);
        if (mode == PaintMode::Colour) {
            cairo_font_options_t* options = cairo_font_options_create();
            cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
            cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
            cairo_set_font_options(cr, options);
            cairo_font_options_destroy(options);
        }
        setColourSource(cr, mode, colour);
        cairo_show_glyphs(cr, glyphs.data(), static_cast<int>(glyphs.size()));
        cairo_restore(cr);
    });
}

void CairoCanvas::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    if (image.empty() || width <= 0 || height <= 0) {
        return;
    }
    auto colour = shareSurface(CreateRasterSurface(image));
    if (!colour) {
        return;
    }
    // On a one-bit page the picture is drawn in colour too, and each pixel thresholded afterwards.
    emit(rowsOf(y, y + height),
         [colour, iw = image.width, ih = image.height, x, y, width, height](cairo_t* cr, PaintMode) {
             cairo_save(cr);
             cairo_rectangle(cr, x, y, width, height);
             cairo_clip(cr);
             cairo_translate(cr, x, y);
             cairo_scale(cr, static_cast<double>(width) / iw, static_cast<double>(height) / ih);
             cairo_set_source_surface(cr, colour.get(), 0, 0);
             // Padding keeps the edges of a stretched image from fading into the page.
             cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
             cairo_paint(cr);
             cairo_restore(cr);
         });
}
