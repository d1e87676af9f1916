#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include <memory>

#include "platform/drawing_canvas.h"
#include "platform/page_recording.h"
#include "platform/page_target.h"

// A colour as 0x00BBGGRR.
using TColor = DrawColor;
constexpr TColor clBlack = kDrawBlack;
constexpr TColor clWhite = kDrawWhite;

// Brush styles of the form canvas.
constexpr int bsSolid = 0;
constexpr int bsClear = 1;

// A cell point: a column and row of the page grid and the anchor that picks a point of the cell (1 to 13;
// any other anchor takes column and row as logical units).
struct TCellPoint {
    int col = 0;
    int row = 0;
    int anchor = 1;
};

using TLogicalPoint = LogicalPoint;

// Metrics of the canvas font in logical units.
using TFontMetrics = FontCellMetrics;

// The form canvas: records one page (the page text and the pre-printed form) in cell coordinates of the
// page's text grid, mapped anisotropically onto the device, and plays it back onto a page target.
class TTavMetaObject {
public:
    static constexpr int CellHeight = 20;

    // An empty canvas; the halftone pattern is read from the bitmap file when it exists.
    explicit TTavMetaObject(const std::string& halftonePath);
    ~TTavMetaObject();
    TTavMetaObject(const TTavMetaObject&) = delete;
    TTavMetaObject& operator=(const TTavMetaObject&) = delete;

    // Starts recording a page of width x height device units showing a window of normalW x compressedW
    // by rows x 20 + 40 logical units. Answers whether a page is being recorded.
    bool BeginPage(int width, const std::string& fontName, int origin, int normalW, int compressedW, int rows,
                   int height);
    void EndPage();
    // Plays the recorded page back onto a target with its origin at device point (x, y).
    void PlayTo(PageTarget& target, int x, int y) const;

    int SetFontScale(int percent);
    void SetPitch(int pitch);
    void SetPenColor(TColor colour) { penColor_ = colour; }
    void SetPenWidth(int width) { penWidth_ = width; }
    void SetFontColor(TColor colour);
    void SetBrushColor(TColor colour) { brushColor_ = colour; }
    void SetFontStyle(int style);
    void SetFontName(const std::string& name);
    void SetShading(bool on);
    TLogicalPoint CellSize() const { return {cellWidth(), CellHeight}; }

    void DrawTextRow(int col, int row, int align, bool pitchMark, const std::string& text, int anchor);
    void FillCells(TCellPoint p1, TCellPoint p2);
    void DrawTextCells(int col, int row, int align, const std::string& text, int anchor);
    int FitScale(int cols, int startPercent, const std::string& text);
    int DrawTextBox(int col, int row, int format, int percent, const std::string& text, int cols, int anchor);
    int DrawCaption(int col, int row, int format, const std::string& text, int cols, int anchor);
    int DrawTextBlock(int col, int row, int format, int percent, const std::string& text, int rows, int cols,
                      int anchor);
    // A closed polygon through points[0..lastIndex]; brush style bsClear draws the outline only.
    void DrawPolygon(std::span<const TCellPoint> points, int lastIndex, int brushStyle);

    // The grid cell of a cell point, with the grid offsets applied.
    TCellPoint CellPoint(int col, int row, int anchor) const;
    // Logical coordinates of a grid cell's anchor point, in the current pitch.
    TLogicalPoint CellToPoint(TCellPoint gridCell) const;
    // Device coordinates of a logical point (rounded to the nearest unit).
    TLogicalPoint LogicalToDevice(TLogicalPoint p) const;

    // The width of a text in logical units with the current font.
    double TextWidth(const std::string& text) const;

    int Pitch() const { return pitch_; }
    bool Active() const { return active_; }
    int Scale() const { return scale_; }
    bool HasHalftone() const { return halftone_ != nullptr; }
    const TFontMetrics& TextMetrics() const { return metrics_; }
    int NormalCellWidth() const { return normalCellWidth_; }
    int CompressedCellWidth() const { return compressedCellWidth_; }
    const PageRecording& Metafile() const { return *metafile_; }

    // Row-text codes that switch to and from the second pitch.
    char CompressOnChar = 0;
    char CompressOffChar = 0;
    // Grid offsets read by CellPoint.
    int GridOrigin = 1;
    int ColumnOffset = 0;
    int RowOffset = 0;

private:
    int cellWidth() const { return pitch_ == 2 ? compressedCellWidth_ : normalCellWidth_; }
    FontRequest fontRequest(int emHeight, int averageWidth) const;
    // Re-creates the canvas font with an em height and average width in logical units.
    void makeFont(int emHeight, int averageWidth);
    // The metrics that a scale would give, without changing the canvas font.
    TFontMetrics scaledMetrics(int percent) const;
    void useBrush(int brushStyle);
    // DrawText on a logical rectangle; answers the text height.
    int drawText(const LogicalRect& rect, const std::string& text, int format);
    LogicalRect cellRect(TCellPoint gridCell, int cols, int rows) const;

    std::unique_ptr<PageRecording> metafile_;
    DrawingCanvas* canvas_ = nullptr;
    std::shared_ptr<const PatternTile> halftone_;

    bool active_ = false;
    int pitch_ = 0;
    int scale_ = -1;
    int normalCellWidth_ = 134;
    int compressedCellWidth_ = 80;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;

    std::string fontName_ = "Courier New";
    int fontStyle_ = 0;
    TFontMetrics metrics_;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TColor fontColor_ = clBlack;
    TColor brushColor_ = clWhite;
    int brushStyle_ = bsSolid;
    bool shading_ = false;
};
