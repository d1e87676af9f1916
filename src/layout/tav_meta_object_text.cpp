#include <string>

#include "layout/tav_meta_object.h"

namespace {

// The format of row and cell text, the base of boxed text and of word-wrapped blocks (DrawText flags).
constexpr int kCentredSingleLine = 2341;
constexpr int kBoxFormatBase = 2084;
constexpr int kBlockFormatBase = 2064;

// Windows-1252 em dash: drawn for "-" so that a row of dashes joins into one rule.
constexpr char kRuleDash = static_cast<char>(151);

} // namespace

LogicalRect TTavMetaObject::cellRect(TCellPoint gridCell, int cols, int rows) const {
    const TLogicalPoint origin = CellToPoint(gridCell);
    return {origin.x, origin.y, origin.x + cols * cellWidth(), origin.y + rows * CellHeight};
}

int TTavMetaObject::drawText(const LogicalRect& rect, const std::string& text, int format) {
    if (canvas_ == nullptr) {
        return 0;
    }
    LogicalRect box = rect;
    return canvas_->drawText(text, box, static_cast<unsigned>(format));
}

void TTavMetaObject::DrawTextRow(int col, int row, int align, bool pitchMark, const std::string& text,
                                 int anchor) {
    if (!active_) {
        return;
    }
    const int savedBrush = brushStyle_;
    brushStyle_ = bsClear;
    SetPitch(pitchMark ? 2 : 1);
    const int format = align == -1 ? kCentredSingleLine : kCentredSingleLine - 1 + align;
    bool first = true;
    int left = 0;
    int previousWidth = 0;
    TLogicalPoint origin;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < ' ') {
            if (c == CompressOnChar) {
                pitchMark = true;
            }
            if (c == CompressOffChar) {
                pitchMark = false;
            }
            if (c == CompressOnChar || c == CompressOffChar) {
                SetPitch(pitchMark ? 2 : 1);
            }
            continue;
        }
        if (first) {
            origin = CellToPoint(CellPoint(col, row, anchor));
            left = origin.x;
            first = false;
        } else {
            left += previousWidth;
        }
        const int width = cellWidth();
        previousWidth = width;
        if (c == ' ') {
            continue; // a blank leaves its cell empty
        }
        // The page text is already in Windows-1252 (the document file is), so it is drawn as it stands.
        const std::string glyph(1, c == '-' ? kRuleDash : c);
        drawText({left, origin.y, left + width, origin.y + CellHeight}, glyph, format);
    }
    brushStyle_ = savedBrush;
}

void TTavMetaObject::DrawTextCells(int col, int row, int align, const std::string& text, int anchor) {
    if (!active_) {
        return;
    }
    const int savedBrush = brushStyle_;
    brushStyle_ = bsClear;
    const int format = align == -1 ? kCentredSingleLine : kCentredSingleLine + align;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') {
            continue;
        }
        const LogicalRect rect = cellRect(CellPoint(col + static_cast<int>(i), row, anchor), 1, 1);
        drawText(rect, std::string(1, c == '-' ? kRuleDash : c), format);
    }
    brushStyle_ = savedBrush;
}

int TTavMetaObject::FitScale(int cols, int startPercent, const std::string& text) {
    if (canvas_ == nullptr || canvas_->textWidth(fontRequest(CellHeight, cellWidth()), "x") <= 0.0) {
        return startPercent;
    }
    const double limit = static_cast<double>(cols) * cellWidth();
    for (int percent = startPercent; percent > 0; --percent) {
        const TFontMetrics m = scaledMetrics(percent);
        const double width = canvas_->textWidth(fontRequest(m.emHeight, m.aveCharWidth), text);
        if (width <= limit) {
            return percent;
        }
    }
    return 0;
}

int TTavMetaObject::DrawTextBox(int col, int row, int format, int percent, const std::string& text, int cols,
                                int anchor) {
    if (!active_) {
        return 0;
    }
    const int savedBrush = brushStyle_;
    brushStyle_ = bsClear;
    const LogicalRect rect = cellRect(CellPoint(col, row, anchor), cols, 1);
    const int previousScale = scale_;
    if (percent != -1) {
        SetFontScale(percent);
        // Shrinks until the text fits; at scale 0 the text has no width and always fits.
        while (scale_ > 0 && TextWidth(text) > rect.right - rect.left) {
            SetFontScale(scale_ - 1);
        }
    }
    const int height = drawText(rect, text, kBoxFormatBase + format);
    if (percent != -1) {
        SetFontScale(previousScale);
    }
    brushStyle_ = savedBrush;
    return height;
}

int TTavMetaObject::DrawCaption(int col, int row, int format, const std::string& text, int cols, int anchor) {
    return DrawTextBox(col, row, format, -1, text, cols, anchor);
}

int TTavMetaObject::DrawTextBlock(int col, int row, int format, int percent, const std::string& text,
                                  int rows, int cols, int anchor) {
    if (!active_) {
        return 0;
    }
    const int savedBrush = brushStyle_;
    brushStyle_ = bsClear;
    const LogicalRect rect = cellRect(CellPoint(col, row, anchor), cols, rows);
    const int previousScale = scale_;
    if (percent != -1) {
        SetFontScale(percent);
    }
    const int height = drawText(rect, text, kBlockFormatBase + format);
    if (percent != -1) {
        SetFontScale(previousScale);
    }
    brushStyle_ = savedBrush;
    return height;
}
