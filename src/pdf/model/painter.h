#pragma once

#include <string>
#include <string_view>
#include <utility>

class TPDFFont;

// Builds the content text of the selected page: keeps the text state and the pending state lines, and
// appends operators. The owner stores Content() into the page's content stream after each operation.
class TPDFPainter {
public:
    // Clears the content and the text state (font choice included); `precision` is the document's.
    void Reset(int precision);
    // Loads the content already present, so that new operators are appended to it.
    void Load(std::string existing) { content = std::move(existing); }
    const std::string& Content() const { return content; }

    // Number of decimals written for operands.
    int Precision() const { return precision; }
    void SetPrecision(int places) { precision = places; }

    // Font and size of the text state; the font line becomes pending.
    void SetFont(const TPDFFont* newFont, double newSize);
    void SetSize(double newSize);
    const TPDFFont* Font() const { return font; }
    double Size() const { return size; }

    // 1 = centre, 2 = right, 3, 4, 5 stored as given, anything else 0 (left).
    void SetAlign(int code);
    int Align() const { return align; }

    // Width of a text in points with the current font, size, spacings and scaling.
    double TextWidth(std::string_view text) const;

    // Appends a number at the current precision (no separator).
    void AppendNumber(double value);
    // Appends one line and a line feed.
    void AppendLine(std::string_view line);

    // Draws a (filtered) text at a point in text space: alignment shift, pending state lines, BT (or the
    // previous text object taken back), Tm, Tj, ET.
    void DrawTextAt(double x, double y, std::string_view text);
    // "a b c d  e f cm": rotation/scale part, two spaces, translation.
    void AppendMatrixLine(double a, double b, double c, double d, double e, double f);
    // "1 0 0 1 e f cm": a plain translation.
    void AppendTranslationLine(double e, double f);
    // "q", "w 0 0 h x y-h cm", "/name Do", "Q": an XObject drawn with its top-left corner at (x, y).
    void DrawXObject(std::string_view resourceName, double x, double y, double width, double height);

    // End point of the last text drawn.
    double LastX() const { return lastX; }
    double LastY() const { return lastY; }

private:
    void AppendPendingState();

    std::string content;
    int precision = 4;
    const TPDFFont* font = nullptr;
    double size = 12;
    int align = 0;
    double horizontalScaling = 100;
    double charSpacing = 0;
    double wordSpacing = 0;
    double rise = 0;
    int renderingMode = 0;

    bool pendingRenderingMode = true;
    bool pendingFont = true;
    bool pendingColor = true;
    bool pendingScaling = true;
    bool pendingRise = true;
    bool pendingSpacing = true;
    std::string colorLine = "0 0 0 rg";

    double lastX = 0;
    double lastY = 0;
};
