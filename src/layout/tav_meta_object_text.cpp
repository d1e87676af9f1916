#include <algorithm>
#include <cmath>
#include <vector>

#include "layout/tav_meta_object.h"

namespace {

// Windows DrawText format bits.
constexpr int kDtCenter = 0x1;
constexpr int kDtRight = 0x2;
constexpr int kDtVCenter = 0x4;
constexpr int kDtBottom = 0x8;
constexpr int kDtWordBreak = 0x10;
constexpr int kDtSingleLine = 0x20;
constexpr int kDtNoClip = 0x100;

// The format of row and cell text, the base of boxed text and of word-wrapped blocks.
constexpr int kCentredSingleLine = 2341;
constexpr int kBoxFormatBase = 2084;
constexpr int kBlockFormatBase = 2064;

// Windows-1252 em dash: drawn for "-" so that a row of dashes joins into one rule.
constexpr char kRuleDash = static_cast<char>(151);

// Paragraphs of a text, split at CR, LF and CR LF.
std::vector<std::string> splitParagraphs(const std::string& text) {
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

TTavMetaObject::LogicalRect TTavMetaObject::cellRect(TCellPoint gridCell, int cols, int rows) const {
    const TLogicalPoint origin = CellToPoint(gridCell);
    return {origin.x, origin.y, origin.x + cols * cellWidth(), origin.y + rows * CellHeight};
}

void TTavMetaObject::showLine(double x, double baseline, const std::string& text) {
    const FontFace* face = face_;
    if (face == nullptr || metrics_.emHeight <= 0 || metrics_.aveCharWidth <= 0 ||
        face->averageCharWidth() <= 0) {
        return;
    }
    // Em size in device units: the height is the character height, the width is stretched so that the
    // font's average character width becomes the requested one.
    const double emX =
        static_cast<double>(metrics_.aveCharWidth) * face->unitsPerEm() / face->averageCharWidth() * scaleX_;
    const double emY = metrics_.emHeight * scaleY_;
    if (!(emX > 0.0) || !(emY > 0.0)) {
        return;
    }
    const double advanceScale = emX / face->unitsPerEm();
    std::vector<cairo_glyph_t> glyphs;
    glyphs.reserve(text.size());
    double penX = x * scaleX_;
    const double penY = baseline * scaleY_;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > ' ' && face->glyphIndex(byte) != 0) {
            glyphs.push_back({face->glyphIndex(byte), penX, penY});
        }
        penX += face->advance(byte) * advanceScale;
    }
    if (glyphs.empty()) {
        return;
    }
    cairo_set_font_face(canvas_, face->cairoFace());
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, emX, emY);
    cairo_set_font_matrix(canvas_, &matrix);
    const TColor c = fontColor_;
    cairo_set_source_rgb(canvas_, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
    cairo_show_glyphs(canvas_, glyphs.data(), static_cast<int>(glyphs.size()));
}

int TTavMetaObject::drawText(const LogicalRect& rect, const std::string& text, int format) {
    if (canvas_ == nullptr) {
        return 0;
    }
    currentFace();
    const int lineHeight = metrics_.height;
    const int boxWidth = rect.right - rect.left;
    const int boxHeight = rect.bottom - rect.top;

    std::vector<std::string> lines;
    if ((format & kDtSingleLine) != 0) {
        lines.push_back(text);
    } else {
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
                if (lineHasWord && TextWidth(candidate) > boxWidth) {
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
    }

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

    cairo_save(canvas_);
    if ((format & kDtNoClip) == 0) {
        const TLogicalPoint a = LogicalToDevice({rect.left, rect.top});
        const TLogicalPoint b = LogicalToDevice({rect.right, rect.bottom});
        cairo_rectangle(canvas_, a.x, a.y, b.x - a.x, b.y - a.y);
        cairo_clip(canvas_);
    }
    int y = top;
    for (const std::string& line : lines) {
        const double width = TextWidth(line);
        double x = rect.left;
        if ((format & kDtCenter) != 0) {
            x = rect.left + (boxWidth - width) / 2.0;
        } else if ((format & kDtRight) != 0) {
            x = rect.right - width;
        }
        showLine(x, y + metrics_.ascent, line);
        y += lineHeight;
    }
    cairo_restore(canvas_);
    return result;
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
    const FontFace* face = currentFace();
    if (face == nullptr || face->averageCharWidth() <= 0) {
        return startPercent;
    }
    const double limit = static_cast<double>(cols) * cellWidth();
    const long advance = face->textAdvance(text);
    for (int percent = startPercent; percent > 0; --percent) {
        const TFontMetrics m = scaledMetrics(face, percent);
        const double width = static_cast<double>(advance) * m.aveCharWidth / face->averageCharWidth();
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
