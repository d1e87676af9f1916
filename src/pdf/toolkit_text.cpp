#include <cmath>
#include <numbers>

#include "pdf/text/font.h"
#include "pdf/toolkit.h"

namespace {

// Numbers of a rotated text are written with this many decimals.
constexpr int kRotatedTextPrecision = 8;

bool BelongsTo(const TPDFDocument& document, const TPDFFont* font) {
    for (const auto& owned : document.fonts)
        if (owned.get() == font)
            return true;
    return false;
}

} // namespace

void TPDFToolkit::ApplySelectedFont() {
    if (!selectedFont)
        return;
    selectedDocument->AddPageResource("Font", selectedFont->resourceName, selectedFont->reference);
    selectedDocument->pageTree.Painter().SetFont(selectedFont, 12);
}

void TPDFToolkit::EnsureFont() {
    if (selectedDocument->fonts.empty())
        AddStandardFont(4);
}

TPDFFont* TPDFToolkit::AddStandardFont(int index) {
    try {
        std::unique_ptr<TPDFFont> font = CreateStandardFont(*selectedDocument, index);
        if (!font)
            return nullptr;
        TPDFFont* raw = font.get();
        selectedDocument->fonts.push_back(std::move(font));
        SelectFont(raw);
        return raw;
    } catch (...) {
        return nullptr;
    }
}

int TPDFToolkit::SelectFont(TPDFFont* font) {
    if (!font || !BelongsTo(*selectedDocument, font))
        return 0;
    try {
        selectedFont = font;
        ApplySelectedFont();
        return 1;
    } catch (...) {
        return 0;
    }
}

int TPDFToolkit::SetTextSize(double size) {
    EnsureFont();
    if (!selectedFont)
        return 0;
    selectedDocument->pageTree.Painter().SetSize(size <= 0 ? 1 : size);
    return 1;
}

int TPDFToolkit::SetTextAlign(int code) {
    selectedDocument->pageTree.Painter().SetAlign(code);
    return 1;
}

double TPDFToolkit::GetTextHeight() {
    EnsureFont();
    TPDFPainter& painter = selectedDocument->pageTree.Painter();
    const TPDFFont* font = painter.Font() ? painter.Font() : selectedFont;
    if (!font)
        return 0;
    return (font->boxTop - font->boxBottom) * painter.Size() / 1000 * selectedDocument->scale;
}

int TPDFToolkit::DrawRotatedText(double left, double top, double angle, const std::string& text) {
    if (text.empty() || !(angle >= 0 && angle <= 360))
        return 0;
    try {
        EnsureFont();
        TPDFPainter& painter = selectedDocument->pageTree.Painter();
        if (!painter.Font())
            ApplySelectedFont();
        const TPDFFont* font = painter.Font();
        if (!font)
            return 0;
        double x = selectedDocument->ToPointsX(left);
        double y = selectedDocument->ToPointsY(top);
        std::string drawn = font->Filter(text);

        int savedPrecision = painter.Precision();
        painter.SetPrecision(kRotatedTextPrecision);
        double radians = angle * std::numbers::pi / 180;
        double c = std::cos(radians);
        double s = std::sin(radians);
        painter.AppendMatrixLine(c, s, -s, c, x, y);
        painter.DrawTextAt(0, 0, drawn);
        // Undo the transformation instead of saving and restoring the graphics state.
        double cu = std::cos(-radians);
        double su = std::sin(-radians);
        painter.AppendMatrixLine(cu, su, -su, cu, 0, 0);
        painter.AppendTranslationLine(-x, -y);
        painter.SetPrecision(savedPrecision);
        selectedDocument->pageTree.StoreContent();
        return 1;
    } catch (...) {
        return 0;
    }
}
