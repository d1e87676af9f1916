#include "layout/tav_meta_object.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/cairo_page_target.h"

namespace {

void setColour(cairo_t* cr, TColor colour) {
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         ((colour >> 16) & 0xFF) / 255.0);
}

// A repeating device-pixel pattern from the halftone bitmap: black where the bitmap is dark, white
// elsewhere, so that a shaded fill is opaque like a Windows pattern brush.
cairo_pattern_t* makeHalftonePattern(const MonoBitmap& bitmap) {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, bitmap.width(), bitmap.height());
    if (cairo_surface_status(tile) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(tile);
        return nullptr;
    }
    cairo_surface_flush(tile);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < bitmap.width(); ++x) {
            row[x] = bitmap.black(x, y) ? 0x000000 : 0xFFFFFF;
        }
    }
    cairo_surface_mark_dirty(tile);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_surface_destroy(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    return pattern;
}

} // namespace

TTavMetaObject::TTavMetaObject(const std::string& halftonePath) {
    halftone_ = MonoBitmap::loadBmpFile(halftonePath);
    if (halftone_.has_value() && halftone_->empty()) {
        halftone_.reset();
    }
    if (halftone_.has_value()) {
        halftonePattern_ = makeHalftonePattern(*halftone_);
        if (halftonePattern_ == nullptr) {
            halftone_.reset();
        }
    }
}

TTavMetaObject::~TTavMetaObject() {
    EndPage();
    if (halftonePattern_ != nullptr) {
        cairo_pattern_destroy(halftonePattern_);
    }
}

bool TTavMetaObject::BeginPage(int width, const std::string& fontName, int origin, int normalW,
                               int compressedW, int rows, int height) {
    EndPage();
    metafile_.clear();
    const long windowWidth = static_cast<long>(normalW) * compressedW;
    const long windowHeight = static_cast<long>(rows) * CellHeight + 2L * CellHeight;
    if (width <= 0 || height <= 0 || normalW <= 0 || compressedW <= 0 || windowHeight <= 0) {
        return false;
    }
    // The recording is unbounded: like a metafile, it keeps what lies right of or below the viewport.
    if (metafile_.begin(width, height) == nullptr) {
        return false;
    }
    canvas_ = metafile_.context();
    normalCellWidth_ = normalW;
    compressedCellWidth_ = compressedW;
    GridOrigin = origin;
    scaleX_ = static_cast<double>(width) / static_cast<double>(windowWidth);
    scaleY_ = static_cast<double>(height) / static_cast<double>(windowHeight);
    active_ = true;

    cairo_set_antialias(canvas_, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(canvas_, options);
    cairo_font_options_destroy(options);

    fillDeviceRect(0, 0, width, height, false, clWhite);
    penColor_ = clBlack;
    penWidth_ = 1;
    brushColor_ = clWhite;
    brushStyle_ = bsSolid;
    shading_ = false;
    fontColor_ = clBlack;
    fontName_ = fontName;
    fontStyle_ = 0;
    face_ = nullptr;
    SetPitch(2);
    SetFontScale(100);
    if (cairo_status(canvas_) != CAIRO_STATUS_SUCCESS) {
        EndPage();
        metafile_.clear();
    }
    return active_;
}

void TTavMetaObject::EndPage() {
    if (canvas_ != nullptr) {
        metafile_.end();
        canvas_ = nullptr;
    }
    active_ = false;
}

void TTavMetaObject::PlayTo(CairoPageTarget& target, int x, int y) const {
    target.drawMetafile(metafile_, x, y);
}

// --- Geometry -------------------------------------------------------------------------------------------

TCellPoint TTavMetaObject::CellPoint(int col, int row, int anchor) const {
    return {col + GridOrigin + ColumnOffset, row + GridOrigin + RowOffset, anchor};
}

TLogicalPoint TTavMetaObject::CellToPoint(TCellPoint c) const {
    const int w = cellWidth();
    const int h = CellHeight;
    const int left = w * (c.col - 1);
    const int right = w * c.col;
    const int top = h * (c.row - 1);
    const int bottom = h * c.row;
    switch (c.anchor) {
    case 1:
        return {left, top};
    case 2:
        return {left + w / 2, top};
    case 3:
        return {right, top};
    case 4:
        return {left, top + h / 2};
    case 5:
        return {left + w / 2, top + h / 2};
    case 6:
        return {right, top + h / 2};
    case 7:
        return {left, bottom};
    case 8:
        return {left + w / 2, bottom};
    case 9:
        return {right, bottom};
    case 10:
        return {left, top + h / 4};
    case 11:
        return {right - w / 4, top + h / 4};
    case 12:
        return {left, bottom - h / 4};
    case 13:
        return {right - w / 4, bottom - h / 4};
    default:
        return {c.col, c.row};
    }
}

TLogicalPoint TTavMetaObject::LogicalToDevice(TLogicalPoint p) const {
    return {static_cast<int>(std::lround(p.x * scaleX_)), static_cast<int>(std::lround(p.y * scaleY_))};
}

// --- Attributes and fonts -------------------------------------------------------------------------------

void TTavMetaObject::SetPitch(int pitch) {
    if (pitch != pitch_) {
        pitch_ = pitch;
        SetFontScale(100);
    }
}

void TTavMetaObject::SetFontStyle(int style) {
    fontStyle_ = style & (kFontBold | kFontItalic);
    face_ = nullptr;
    if (active_) {
        makeFont(metrics_.emHeight, metrics_.aveCharWidth);
    }
}

void TTavMetaObject::SetFontName(const std::string& name) {
    fontName_ = name;
    face_ = nullptr;
    if (active_) {
        makeFont(metrics_.emHeight, metrics_.aveCharWidth);
    }
}

void TTavMetaObject::SetShading(bool on) {
    if (halftone_.has_value()) {
        shading_ = on;
    }
}

const FontFace* TTavMetaObject::currentFace() {
    if (face_ == nullptr) {
        face_ = fonts_.face(fontName_, fontStyle_);
    }
    return face_;
}

TFontMetrics TTavMetaObject::metricsFor(const FontFace* face, int emHeight, int averageWidth) const {
    TFontMetrics m;
    m.emHeight = emHeight;
    m.aveCharWidth = averageWidth;
    if (face == nullptr || emHeight <= 0) {
        return m;
    }
    const double perUnit = static_cast<double>(emHeight) / face->unitsPerEm();
    m.ascent = static_cast<int>(std::lround(face->winAscent() * perUnit));
    m.descent = static_cast<int>(std::lround(face->winDescent() * perUnit));
    m.height = m.ascent + m.descent;
    return m;
}

TFontMetrics TTavMetaObject::scaledMetrics(const FontFace* face, int percent) const {
    const int w = cellWidth() * percent / 100;
    const int hh = CellHeight * percent / 100;
    int n = hh;
    TFontMetrics m = metricsFor(face, n, w);
    while (m.height > hh && n > 9) {
        --n;
        m = metricsFor(face, n, w);
    }
    return m;
}

void TTavMetaObject::makeFont(int emHeight, int averageWidth) {
    metrics_ = metricsFor(currentFace(), emHeight, averageWidth);
}

int TTavMetaObject::SetFontScale(int percent) {
    const int previous = scale_;
    if (!active_ || percent < 0) {
        return previous;
    }
    const TFontMetrics m = scaledMetrics(currentFace(), percent);
    makeFont(m.emHeight, m.aveCharWidth);
    scale_ = percent;
    return previous;
}

double TTavMetaObject::TextWidth(const std::string& text) const {
    const FontFace* face = face_;
    if (face == nullptr || face->averageCharWidth() <= 0) {
        return 0.0;
    }
    return static_cast<double>(face->textAdvance(text)) * metrics_.aveCharWidth / face->averageCharWidth();
}

// --- Fills and outlines ---------------------------------------------------------------------------------

void TTavMetaObject::fillDeviceRect(int x0, int y0, int x1, int y1, bool shaded, TColor colour) {
    if (canvas_ == nullptr || x1 <= x0 || y1 <= y0) {
        return;
    }
    cairo_save(canvas_);
    if (shaded && halftonePattern_ != nullptr) {
        cairo_set_source(canvas_, halftonePattern_);
    } else {
        setColour(canvas_, colour);
    }
    cairo_rectangle(canvas_, x0, y0, x1 - x0, y1 - y0);
    cairo_fill(canvas_);
    cairo_restore(canvas_);
}

void TTavMetaObject::FillCells(TCellPoint p1, TCellPoint p2) {
    if (!active_ || brushStyle_ == bsClear) {
        return;
    }
    const TLogicalPoint a = LogicalToDevice(CellToPoint(CellPoint(p1.col, p1.row, p1.anchor)));
    const TLogicalPoint b = LogicalToDevice(CellToPoint(CellPoint(p2.col, p2.row, p2.anchor)));
    fillDeviceRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y), shading_,
                   brushColor_);
}

void TTavMetaObject::DrawPolygon(std::span<const TCellPoint> points, int lastIndex, int brushStyle) {
    if (!active_ || lastIndex < 0) {
        return;
    }
    const std::size_t count = std::min(points.size(), static_cast<std::size_t>(lastIndex) + 1);
    if (count == 0) {
        return;
    }
    const int penPixels = std::max(1, static_cast<int>(std::lround(penWidth_ * scaleX_)));
    // Odd pen widths are centred on pixel centres so that a line covers whole pixels.
    const double offset = (penPixels % 2 == 1) ? 0.5 : 0.0;
    cairo_save(canvas_);
    cairo_new_path(canvas_);
    for (std::size_t i = 0; i < count; ++i) {
        const TCellPoint& p = points[i];
        const TLogicalPoint d = LogicalToDevice(CellToPoint(CellPoint(p.col, p.row, p.anchor)));
        cairo_line_to(canvas_, d.x + offset, d.y + offset);
    }
    cairo_close_path(canvas_);
    if (brushStyle != bsClear) {
        if (shading_ && halftonePattern_ != nullptr) {
            cairo_set_source(canvas_, halftonePattern_);
        } else {
            setColour(canvas_, brushColor_);
        }
        cairo_fill_preserve(canvas_);
    }
    setColour(canvas_, penColor_);
    cairo_set_line_width(canvas_, penPixels);
    cairo_set_line_join(canvas_, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(canvas_, CAIRO_LINE_CAP_SQUARE);
    cairo_stroke(canvas_);
    cairo_restore(canvas_);
}
