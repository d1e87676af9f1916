#include "platform/windows/gdi_canvas.h"

#include <algorithm>
#include <cmath>

#include "platform/windows/gdi_dibs.h"
#include "platform/windows/gdi_fonts.h"

namespace {

// Paths are built in integer logical units: user units are multiplied by this and the world transform
// divides again, so that fractions of a user unit survive.
constexpr double kPathScale = 16.0;
// Glyph runs are drawn with a font of this em in logical units, scaled by the world transform.
constexpr int kGlyphEm = 1024;

XFORM toXform(const DrawMatrix& m) {
    XFORM x;
    x.eM11 = static_cast<FLOAT>(m.a);
    x.eM12 = static_cast<FLOAT>(m.b);
    x.eM21 = static_cast<FLOAT>(m.c);
    x.eM22 = static_cast<FLOAT>(m.d);
    x.eDx = static_cast<FLOAT>(m.e);
    x.eDy = static_cast<FLOAT>(m.f);
    return x;
}

DrawMatrix scaling(double sx, double sy) {
    DrawMatrix m;
    m.a = sx;
    m.d = sy;
    return m;
}

LONG scaled(double value) {
    return static_cast<LONG>(std::lround(value * kPathScale));
}

// Sets up a context for the canvas: advanced mode, transparent text background, identity mapping.
void prepare(HDC dc) {
    SetGraphicsMode(dc, GM_ADVANCED);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, 1, nullptr);
    SetViewportExtEx(dc, 1, 1, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ModifyWorldTransform(dc, nullptr, MWT_IDENTITY);
}

// The dash lengths of a pen in path units (zero and negative lengths count as zero).
std::vector<double> dashLengths(const DrawPen& pen) {
    std::vector<double> dash;
    for (double d : pen.dash) {
        dash.push_back(std::max(d, 0.0) * kPathScale);
    }
    if (dash.size() % 2 == 1) {
        dash.insert(dash.end(), dash.begin(), dash.end());
    }
    return dash;
}

// Cuts flattened figures into their dashes: each figure starts the pattern anew at the phase.
std::vector<std::vector<POINT>> cutIntoDashes(const std::vector<std::vector<POINT>>& figures,
                                              const std::vector<double>& dash, double phase) {
    double total = 0;
    for (double d : dash) {
        total += d;
    }
    std::vector<std::vector<POINT>> pieces;
    if (!(total > 0)) {
        return figures;
    }
    for (const std::vector<POINT>& figure : figures) {
        std::size_t index = 0;
        double left = std::fmod(phase, total);
        if (left < 0) {
            left += total;
        }
        while (left >= dash[index]) {
            left -= dash[index];
            index = (index + 1) % dash.size();
        }
        left = dash[index] - left; // what remains of the current dash or gap
        bool on = index % 2 == 0;
        std::vector<POINT> piece;
        if (on && !figure.empty()) {
            piece.push_back(figure.front());
        }
        for (std::size_t k = 1; k < figure.size(); ++k) {
            double x0 = figure[k - 1].x;
            double y0 = figure[k - 1].y;
            const double x1 = figure[k].x;
            const double y1 = figure[k].y;
            double length = std::hypot(x1 - x0, y1 - y0);
            while (length > left) {
                const double t = left / length;
                x0 += (x1 - x0) * t;
                y0 += (y1 - y0) * t;
                length -= left;
                const POINT at{static_cast<LONG>(std::lround(x0)), static_cast<LONG>(std::lround(y0))};
                if (on) {
                    piece.push_back(at);
                    pieces.push_back(std::move(piece));
                    piece.clear();
                } else {
                    piece.push_back(at);
                }
                on = !on;
                index = (index + 1) % dash.size();
                left = dash[index];
            }
            left -= length;
            if (on) {
                piece.push_back(figure[k]);
            }
        }
        if (on && piece.size() > 1) {
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

} // namespace

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), measureDc_(CreateCompatibleDC(nullptr)) {
    prepare(dc_);
    if (measureDc_) {
        prepare(measureDc_.get());
    }
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

GdiCanvas::~GdiCanvas() {
    if (originalFont_ != nullptr) {
        SelectObject(dc_, originalFont_);
    }
}

void GdiCanvas::setMapping(int windowWidth, int windowHeight, int viewportWidth, int viewportHeight) {
    if (windowWidth == 0 || windowHeight == 0) {
        return;
    }
    scaleX_ = static_cast<double>(viewportWidth) / windowWidth;
    for (HDC dc : {dc_, measureDc_.get()}) {
        if (dc != nullptr) {
            SetMapMode(dc, MM_ANISOTROPIC);
            SetWindowExtEx(dc, windowWidth, windowHeight, nullptr);
            SetViewportExtEx(dc, viewportWidth, viewportHeight, nullptr);
        }
    }
}

// --- Fonts ----------------------------------------------------------------------------------------------

FontCellMetrics GdiCanvas::measure(const LOGFONTA& logFont) {
    FontCellMetrics m;
    FontHandle font(CreateFontIndirectA(&logFont));
    if (!font || !measureDc_) {
        return m;
    }
    SelectedObject selected(measureDc_.get(), font.get());
    TEXTMETRICA tm{};
    if (GetTextMetricsA(measureDc_.get(), &tm)) {
        m.height = tm.tmHeight;
        m.ascent = tm.tmAscent;
        m.descent = tm.tmDescent;
        m.aveCharWidth = tm.tmAveCharWidth;
        m.emHeight = tm.tmHeight - tm.tmInternalLeading;
    }
    return m;
}

FontCellMetrics GdiCanvas::selectFont(const FontRequest& request) {
    const LOGFONTA logFont = CellLogFont(request);
    FontHandle font(CreateFontIndirectA(&logFont));
    if (font) {
        SelectObject(dc_, font.get());
        currentFont_ = font.get();
        if (savedWorld_.empty()) {
            // No saved state can select the older fonts any more.
            fonts_.clear();
        }
        fonts_.push_back(std::move(font));
    }
    return measure(logFont);
}

FontCellMetrics GdiCanvas::fontMetrics(const FontRequest& font) {
    return measure(CellLogFont(font));
}

double GdiCanvas::textWidth(const FontRequest& request, std::string_view text) {
    const LOGFONTA logFont = CellLogFont(request);
    FontHandle font(CreateFontIndirectA(&logFont));
    if (!font || !measureDc_ || text.empty()) {
        return 0.0;
    }
    SelectedObject selected(measureDc_.get(), font.get());
    SIZE size{};
    if (!GetTextExtentPoint32A(measureDc_.get(), text.data(), static_cast<int>(text.size()), &size)) {
        return 0.0;
    }
    return size.cx;
}

// --- Objects --------------------------------------------------------------------------------------------

BrushHandle GdiCanvas::makeBrush() const {
    if (brush_.kind == DrawBrush::Kind::Pattern && brush_.pattern) {
        const PackedDib tile = PatternDib(*brush_.pattern);
        if (!tile.empty()) {
            // CreatePatternBrush from a monochrome bitmap plays back from a metafile with a wrong row
            // stride under Wine; the DIB pattern brush plays back correctly everywhere.
            return BrushHandle(CreateDIBPatternBrushPt(tile.info(), DIB_RGB_COLORS));
        }
    }
    if (brush_.kind == DrawBrush::Kind::Clear) {
        return BrushHandle();
    }
    return BrushHandle(CreateSolidBrush(brush_.colour));
}

PenHandle GdiCanvas::makeFormPen() const {
    const long pixels = std::max(1L, std::lround(pen_.width * scaleX_));
    LOGBRUSH brush{BS_SOLID, pen_.colour, 0};
    if (pixels == 1) {
        return PenHandle(ExtCreatePen(PS_COSMETIC | PS_SOLID, 1, &brush, 0, nullptr));
    }
    const auto width = static_cast<DWORD>(std::max(1L, std::lround(pixels / scaleX_)));
    return PenHandle(
        ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER, width, &brush, 0, nullptr));
}

// --- The form's drawing ---------------------------------------------------------------------------------

void GdiCanvas::fillRect(const LogicalRect& rect) {
    if (brush_.kind == DrawBrush::Kind::Clear) {
        return;
    }
    const BrushHandle brush = makeBrush();
    if (!brush) {
        return;
    }
    const RECT r{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
                 std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
    FillRect(dc_, &r, brush.get());
    drew_ = true;
}

void GdiCanvas::polygon(std::span<const LogicalPoint> points) {
    if (points.empty()) {
        return;
    }
    std::vector<POINT> device;
    for (const LogicalPoint& p : points) {
        device.push_back({p.x, p.y});
    }
    const PenHandle pen = makeFormPen();
    const BrushHandle brush = makeBrush();
    SelectedObject selectedPen(dc_, pen.get());
    SelectedObject selectedBrush(dc_, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
    Polygon(dc_, device.data(), static_cast<int>(device.size()));
    drew_ = true;
}

void GdiCanvas::polyline(std::span<const LogicalPoint> points) {
    if (points.empty()) {
        return;
    }
    std::vector<POINT> device;
    for (const LogicalPoint& p : points) {
        device.push_back({p.x, p.y});
    }
    if (device.size() == 1) {
        device.push_back(device.front());
    }
    const PenHandle pen = makeFormPen();
    SelectedObject selectedPen(dc_, pen.get());
    Polyline(dc_, device.data(), static_cast<int>(device.size()));
    drew_ = true;
}

int GdiCanvas::drawText(std::string_view text, LogicalRect& rect, unsigned format) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    SetTextColor(dc_, textColour_);
    SetBkMode(dc_, TRANSPARENT);
    HDC dc = dc_;
    // Measuring is done where it records nothing.
    if ((format & kDtCalcRect) != 0 && measureDc_) {
        dc = measureDc_.get();
    }
    HGDIOBJ previous = nullptr;
    if (dc != dc_ && currentFont_ != nullptr) {
        previous = SelectObject(dc, currentFont_);
    }
    const int height = DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, format);
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    if ((format & kDtCalcRect) != 0) {
        rect = {r.left, r.top, r.right, r.bottom};
    } else {
        drew_ = true;
    }
    return height;
}

// --- The page renderer's drawing ------------------------------------------------------------------------

void GdiCanvas::applyWorld(const DrawMatrix& first) {
    const XFORM xform = toXform(first.followedBy(world_));
    SetWorldTransform(dc_, &xform);
}

void GdiCanvas::resetWorld() {
    const XFORM xform = toXform(world_);
    SetWorldTransform(dc_, &xform);
}

void GdiCanvas::save() {
    SaveDC(dc_);
    savedWorld_.push_back(world_);
    savedFonts_.push_back(currentFont_);
}

void GdiCanvas::restore() {
    if (savedWorld_.empty()) {
        return;
    }
    RestoreDC(dc_, -1);
    world_ = savedWorld_.back();
    savedWorld_.pop_back();
    currentFont_ = savedFonts_.back();
    savedFonts_.pop_back();
}

void GdiCanvas::transform(const DrawMatrix& matrix) {
    world_ = matrix.followedBy(world_);
    resetWorld();
}

void GdiCanvas::buildPath(const DrawPath& path) {
    applyWorld(scaling(1.0 / kPathScale, 1.0 / kPathScale));
    BeginPath(dc_);
    for (const DrawPath::Segment& s : path.segments) {
        switch (s.op) {
        case DrawPath::Op::MoveTo:
            MoveToEx(dc_, scaled(s.x[0]), scaled(s.y[0]), nullptr);
            break;
        case DrawPath::Op::LineTo:
            LineTo(dc_, scaled(s.x[0]), scaled(s.y[0]));
            break;
        case DrawPath::Op::CurveTo: {
            const POINT points[3] = {{scaled(s.x[0]), scaled(s.y[0])},
                                     {scaled(s.x[1]), scaled(s.y[1])},
                                     {scaled(s.x[2]), scaled(s.y[2])}};
            PolyBezierTo(dc_, points, 3);
            break;
        }
        case DrawPath::Op::Close:
            CloseFigure(dc_);
            break;
        }
    }
    EndPath(dc_);
}

void GdiCanvas::fillPath(const DrawPath& path, FillRule rule) {
    const BrushHandle brush = makeBrush();
    if (!brush || path.segments.empty()) {
        return;
    }
    buildPath(path);
    SetPolyFillMode(dc_, rule == FillRule::EvenOdd ? ALTERNATE : WINDING);
    SelectedObject selected(dc_, brush.get());
    FillPath(dc_);
    resetWorld();
    drew_ = true;
}

void GdiCanvas::strokePath(const DrawPath& path) {
    if (path.segments.empty()) {
        return;
    }
    DWORD style = PS_GEOMETRIC | PS_SOLID;
    style |= pen_.cap == LineCap::Round    ? PS_ENDCAP_ROUND
             : pen_.cap == LineCap::Square ? PS_ENDCAP_SQUARE
                                           : PS_ENDCAP_FLAT;
    style |= pen_.join == LineJoin::Round   ? PS_JOIN_ROUND
             : pen_.join == LineJoin::Bevel ? PS_JOIN_BEVEL
                                            : PS_JOIN_MITER;
    LOGBRUSH brush{BS_SOLID, pen_.colour, 0};
    const auto width = static_cast<DWORD>(std::max(1L, std::lround(pen_.width * kPathScale)));
    const PenHandle pen(ExtCreatePen(style, width, &brush, 0, nullptr));
    if (!pen) {
        return;
    }
    buildPath(path);
    if (!pen_.dash.empty()) {
        // Dashes are cut here, along the flattened path: GDI's user styles have no phase, and not every
        // GDI dashes a wide geometric pen.
        redrawDashed(dashLengths(pen_), pen_.dashPhase * kPathScale);
    }
    SetMiterLimit(dc_, static_cast<FLOAT>(std::max(1.0, pen_.miterLimit)), nullptr);
    SelectedObject selected(dc_, pen.get());
    StrokePath(dc_);
    resetWorld();
    drew_ = true;
}

void GdiCanvas::redrawDashed(const std::vector<double>& dash, double phase) {
    FlattenPath(dc_);
    const int count = GetPath(dc_, nullptr, nullptr, 0);
    std::vector<POINT> points(static_cast<std::size_t>(std::max(count, 0)));
    std::vector<BYTE> types(points.size());
    if (count <= 0 || GetPath(dc_, points.data(), types.data(), count) != count) {
        AbortPath(dc_);
        return;
    }
    std::vector<std::vector<POINT>> figures;
    for (int i = 0; i < count; ++i) {
        if ((types[i] & ~PT_CLOSEFIGURE) == PT_MOVETO || figures.empty()) {
            figures.emplace_back();
        }
        figures.back().push_back(points[i]);
        if ((types[i] & PT_CLOSEFIGURE) != 0 && !figures.back().empty()) {
            figures.back().push_back(figures.back().front());
        }
    }
    BeginPath(dc_);
    for (const std::vector<POINT>& piece : cutIntoDashes(figures, dash, phase)) {
        if (piece.size() < 2) {
            continue;
        }
        MoveToEx(dc_, piece.front().x, piece.front().y, nullptr);
        PolylineTo(dc_, piece.data() + 1, static_cast<DWORD>(piece.size() - 1));
    }
    EndPath(dc_);
}

void GdiCanvas::clipPath(const DrawPath& path, FillRule rule) {
    buildPath(path);
    SetPolyFillMode(dc_, rule == FillRule::EvenOdd ? ALTERNATE : WINDING);
    SelectClipPath(dc_, RGN_AND);
    resetWorld();
}

void GdiCanvas::drawSamples(const SampleImage& image, const DrawMatrix& placement) {
    PackedDib dib = SampleDib(image);
    if (dib.empty()) {
        return;
    }
    applyWorld(scaling(1.0 / image.width, 1.0 / image.height).followedBy(placement));
    // Nearest samples: PDF images without /Interpolate keep their edges. (HALFTONE would average
    // reductions, but Wine's HALFTONE shifts colours across a stretched picture.)
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, 0, 0, image.width, image.height, 0, 0, image.width, image.height, dib.bits(),
                  dib.info(), DIB_RGB_COLORS, SRCCOPY);
    resetWorld();
    drew_ = true;
}

void GdiCanvas::drawImageMask(const SampleImage& mask, const DrawMatrix& placement) {
    // Two passes: AND makes the painted pixels black, OR then gives them the brush colour; the other
    // pixels meet white and black and stay as they were.
    PackedDib cut = StencilDib(mask, kDrawBlack, kDrawWhite);
    PackedDib paint = StencilDib(mask, brush_.colour, kDrawBlack);
    if (cut.empty() || paint.empty()) {
        return;
    }
    applyWorld(scaling(1.0 / mask.width, 1.0 / mask.height).followedBy(placement));
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, 0, 0, mask.width, mask.height, 0, 0, mask.width, mask.height, cut.bits(), cut.info(),
                  DIB_RGB_COLORS, SRCAND);
    if (brush_.colour != kDrawBlack) {
        StretchDIBits(dc_, 0, 0, mask.width, mask.height, 0, 0, mask.width, mask.height, paint.bits(),
                      paint.info(), DIB_RGB_COLORS, SRCPAINT);
    }
    resetWorld();
    drew_ = true;
}

void GdiCanvas::drawGlyphRun(const GlyphRun& run) {
    if (run.codes.empty() || !(run.size != 0.0)) {
        return;
    }
    const LOGFONTA logFont = StandardLogFont(run.fontName, kGlyphEm);
    const FontHandle font(CreateFontIndirectA(&logFont));
    if (!font) {
        return;
    }
    SelectedObject selected(dc_, font.get());
    const int count = static_cast<int>(run.codes.size());
    // Positions in the font's logical units: text space times kGlyphEm / size.
    const double perUnit = kGlyphEm / run.size;
    std::vector<INT> dx(static_cast<std::size_t>(count), 0);
    double x = 0;
    long placed = 0;
    for (int i = 0; i < count; ++i) {
        double advance = 0;
        if (static_cast<std::size_t>(i) < run.advances.size()) {
            advance = run.advances[i] * perUnit;
        } else {
            const auto byte = static_cast<unsigned char>(run.codes[i]);
            INT width = 0;
            GetCharWidth32A(dc_, byte, byte, &width);
            advance = width;
        }
        x += advance;
        const long next = std::lround(x);
        dx[i] = static_cast<INT>(next - placed);
        placed = next;
    }
    // Text space points up, GDI's logical space down.
    applyWorld(scaling(1.0 / perUnit, -1.0 / perUnit).followedBy(run.textMatrix));
    const UINT align = SetTextAlign(dc_, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    SetTextColor(dc_, brush_.colour);
    SetBkMode(dc_, TRANSPARENT);
    ExtTextOutA(dc_, 0, 0, 0, nullptr, run.codes.data(), static_cast<UINT>(count), dx.data());
    SetTextAlign(dc_, align);
    resetWorld();
    drew_ = true;
}

void GdiCanvas::drawImage(const RasterImage& image, int x, int y, int width, int height) {
    PackedDib dib = RasterDib(image);
    if (dib.empty() || width <= 0 || height <= 0) {
        return;
    }
    // Device units: outside the mapping and the world transform.
    SaveDC(dc_);
    ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
    SetMapMode(dc_, MM_TEXT);
    // Nearest pixels: Wine's HALFTONE shifts colours across a stretched picture.
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, x, y, width, height, 0, 0, image.width, image.height, dib.bits(), dib.info(),
                  DIB_RGB_COLORS, SRCCOPY);
    RestoreDC(dc_, -1);
    drew_ = true;
}
