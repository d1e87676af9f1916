#include "layout/tav_meta_object.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "platform/mono_bitmap.h"

namespace {

// The halftone bitmap as the tile of a pattern brush; nullptr when the bitmap is missing or unreadable.
std::shared_ptr<const PatternTile> loadHalftone(const std::string& path) {
    const std::optional<MonoBitmap> bitmap = MonoBitmap::loadBmpFile(path);
    if (!bitmap.has_value() || bitmap->empty()) {
        return nullptr;
    }
    auto tile = std::make_shared<PatternTile>();
    tile->width = bitmap->width();
    tile->height = bitmap->height();
    tile->black.resize(static_cast<std::size_t>(tile->width) * tile->height);
    for (int y = 0; y < tile->height; ++y) {
        for (int x = 0; x < tile->width; ++x) {
            tile->black[static_cast<std::size_t>(y) * tile->width + x] = bitmap->black(x, y) ? 1 : 0;
        }
    }
    return tile;
}

} // namespace

TTavMetaObject::TTavMetaObject(const std::string& halftonePath)
    : metafile_(PageRecording::create()), halftone_(loadHalftone(halftonePath)) {}

TTavMetaObject::~TTavMetaObject() {
    EndPage();
}

bool TTavMetaObject::BeginPage(int width, const std::string& fontName, int origin, int normalW,
                               int compressedW, int rows, int height) {
    EndPage();
    metafile_->clear();
    const long long windowWidth = static_cast<long long>(normalW) * compressedW;
    const long long windowHeight = static_cast<long long>(rows) * CellHeight + 2LL * CellHeight;
    if (width <= 0 || height <= 0 || normalW <= 0 || compressedW <= 0 || windowHeight <= 0 ||
        windowWidth > std::numeric_limits<int>::max() || windowHeight > std::numeric_limits<int>::max()) {
        return false;
    }
    // The recording is unbounded: like a metafile, it keeps what lies right of or below the viewport.
    canvas_ = metafile_->begin(width, height);
    if (canvas_ == nullptr) {
        return false;
    }
    normalCellWidth_ = normalW;
    compressedCellWidth_ = compressedW;
    GridOrigin = origin;
    scaleX_ = static_cast<double>(width) / static_cast<double>(windowWidth);
    scaleY_ = static_cast<double>(height) / static_cast<double>(windowHeight);
    canvas_->setMapping(static_cast<int>(windowWidth), static_cast<int>(windowHeight), width, height);
    active_ = true;

    // The page starts white.
    canvas_->setBrush({DrawBrush::Kind::Solid, clWhite, nullptr});
    canvas_->fillRect({0, 0, static_cast<int>(windowWidth), static_cast<int>(windowHeight)});
    penColor_ = clBlack;
    penWidth_ = 1;
    brushColor_ = clWhite;
    brushStyle_ = bsSolid;
    shading_ = false;
    SetFontColor(clBlack);
    fontName_ = fontName;
    fontStyle_ = 0;
    SetPitch(2);
    SetFontScale(100);
    return active_;
}

void TTavMetaObject::EndPage() {
    if (canvas_ != nullptr) {
        metafile_->end();
        canvas_ = nullptr;
    }
    active_ = false;
}

void TTavMetaObject::PlayTo(PageTarget& target, int x, int y) const {
    target.play(*metafile_, x, y);
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

void TTavMetaObject::SetFontColor(TColor colour) {
    fontColor_ = colour;
    if (canvas_ != nullptr) {
        canvas_->setTextColor(colour);
    }
}

void TTavMetaObject::SetFontStyle(int style) {
    fontStyle_ = style & (kFontBold | kFontItalic);
    if (active_) {
        makeFont(metrics_.emHeight, metrics_.aveCharWidth);
    }
}

void TTavMetaObject::SetFontName(const std::string& name) {
    fontName_ = name;
    if (active_) {
        makeFont(metrics_.emHeight, metrics_.aveCharWidth);
    }
}

void TTavMetaObject::SetShading(bool on) {
    if (halftone_ != nullptr) {
        shading_ = on;
    }
}

FontRequest TTavMetaObject::fontRequest(int emHeight, int averageWidth) const {
    return {fontName_, fontStyle_, emHeight, averageWidth};
}

TFontMetrics TTavMetaObject::scaledMetrics(int percent) const {
    const int w = cellWidth() * percent / 100;
    const int hh = CellHeight * percent / 100;
    int n = hh;
    TFontMetrics m = canvas_->fontMetrics(fontRequest(n, w));
    while (m.height > hh && n > 9) {
        --n;
        m = canvas_->fontMetrics(fontRequest(n, w));
    }
    return m;
}

void TTavMetaObject::makeFont(int emHeight, int averageWidth) {
    metrics_ = canvas_->selectFont(fontRequest(emHeight, averageWidth));
}

int TTavMetaObject::SetFontScale(int percent) {
    const int previous = scale_;
    if (!active_ || percent < 0) {
        return previous;
    }
    const TFontMetrics m = scaledMetrics(percent);
    makeFont(m.emHeight, m.aveCharWidth);
    scale_ = percent;
    return previous;
}

double TTavMetaObject::TextWidth(const std::string& text) const {
    if (canvas_ == nullptr) {
        return 0.0;
    }
    return canvas_->textWidth(fontRequest(metrics_.emHeight, metrics_.aveCharWidth), text);
}

// --- Fills and outlines ---------------------------------------------------------------------------------

void TTavMetaObject::useBrush(int brushStyle) {
    if (brushStyle == bsClear) {
        canvas_->setBrush({DrawBrush::Kind::Clear, brushColor_, nullptr});
    } else if (shading_ && halftone_ != nullptr) {
        canvas_->setBrush({DrawBrush::Kind::Pattern, brushColor_, halftone_});
    } else {
        canvas_->setBrush({DrawBrush::Kind::Solid, brushColor_, nullptr});
    }
}

void TTavMetaObject::FillCells(TCellPoint p1, TCellPoint p2) {
    if (!active_ || brushStyle_ == bsClear) {
        return;
    }
    const TLogicalPoint a = CellToPoint(CellPoint(p1.col, p1.row, p1.anchor));
    const TLogicalPoint b = CellToPoint(CellPoint(p2.col, p2.row, p2.anchor));
    useBrush(brushStyle_);
    canvas_->fillRect({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)});
}

void TTavMetaObject::DrawPolygon(std::span<const TCellPoint> points, int lastIndex, int brushStyle) {
    if (!active_ || lastIndex < 0) {
        return;
    }
    const std::size_t count = std::min(points.size(), static_cast<std::size_t>(lastIndex) + 1);
    if (count == 0) {
        return;
    }
    std::vector<LogicalPoint> logical;
    logical.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const TCellPoint& p = points[i];
        logical.push_back(CellToPoint(CellPoint(p.col, p.row, p.anchor)));
    }
    DrawPen pen;
    pen.colour = penColor_;
    pen.width = penWidth_;
    canvas_->setPen(pen);
    useBrush(brushStyle);
    canvas_->polygon(logical);
}
