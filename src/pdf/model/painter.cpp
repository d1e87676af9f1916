#include "pdf/model/painter.h"

#include <algorithm>

#include "pdf/model/number.h"
#include "pdf/model/object.h"
#include "pdf/text/font.h"

void TPDFPainter::Reset(int places) {
    content.clear();
    precision = places;
    font = nullptr;
    size = 12;
    align = 0;
    horizontalScaling = 100;
    charSpacing = 0;
    wordSpacing = 0;
    rise = 0;
    renderingMode = 0;
    colorLine = "0 0 0 rg";
    pendingRenderingMode = pendingFont = pendingColor = pendingScaling = pendingRise = pendingSpacing = true;
    lastX = lastY = 0;
}

void TPDFPainter::SetFont(const TPDFFont* newFont, double newSize) {
    font = newFont;
    size = newSize;
    pendingFont = true;
}

void TPDFPainter::SetSize(double newSize) {
    size = newSize;
    pendingFont = true;
}

void TPDFPainter::SetAlign(int code) {
    align = (code >= 1 && code <= 5) ? code : 0;
}

double TPDFPainter::TextWidth(std::string_view text) const {
    if (!font)
        return 0;
    double codes = static_cast<double>(text.size());
    double words = static_cast<double>(std::count(text.begin(), text.end(), ' ') + 1);
    double width = static_cast<double>(font->TextWidthUnits(text)) * size / 1000 + codes * charSpacing +
                   (words - 1) * wordSpacing;
    return width * horizontalScaling / 100;
}

void TPDFPainter::AppendNumber(double value) {
    AppendPDFNumber(content, value, precision);
}

void TPDFPainter::AppendLine(std::string_view line) {
    content += line;
    content += '\n';
}

void TPDFPainter::AppendPendingState() {
    if (pendingRenderingMode) {
        AppendNumber(renderingMode);
        content += " Tr\n";
    }
    if (pendingFont && font) {
        AppendPDFName(content, font->resourceName);
        content += ' ';
        AppendNumber(size);
        content += " Tf\n";
    }
    if (pendingColor)
        AppendLine(colorLine);
    if (pendingScaling) {
        AppendNumber(horizontalScaling);
        content += " Tz\n";
    }
    if (pendingRise) {
        AppendNumber(rise);
        content += " Ts\n";
    }
    if (pendingSpacing) {
        AppendNumber(wordSpacing);
        content += " Tw ";
        AppendNumber(charSpacing);
        content += " Tc\n";
    }
}

void TPDFPainter::DrawTextAt(double x, double y, std::string_view text) {
    double width = TextWidth(text);
    if (align == 1 || align == 2) {
        double w = width - charSpacing;
        x -= align == 1 ? w / 2 : w;
    }
    AppendPendingState();
    if (content.size() >= 3 && content.compare(content.size() - 3, 3, "ET\n") == 0)
        content.resize(content.size() - 3); // continue the text object just closed
    else
        AppendLine("BT");
    content += "1 0 0 1 ";
    AppendNumber(x);
    content += ' ';
    AppendNumber(y);
    content += " Tm\n";
    AppendPDFLiteralString(content, text);
    content += "Tj\n";
    AppendLine("ET");
    pendingFont = pendingColor = pendingScaling = pendingRise = pendingSpacing = false;
    lastX = x + width;
    lastY = y;
}

void TPDFPainter::AppendMatrixLine(double a, double b, double c, double d, double e, double f) {
    for (double v : {a, b, c, d}) {
        AppendNumber(v);
        content += ' ';
    }
    content += ' ';
    AppendNumber(e);
    content += ' ';
    AppendNumber(f);
    content += " cm\n";
}

void TPDFPainter::AppendTranslationLine(double e, double f) {
    content += "1 0 0 1 ";
    AppendNumber(e);
    content += ' ';
    AppendNumber(f);
    content += " cm\n";
}

void TPDFPainter::DrawXObject(std::string_view resourceName, double x, double y, double width,
                              double height) {
    AppendLine("q");
    for (double v : {width, 0.0, 0.0, height, x, y - height}) {
        AppendNumber(v);
        content += ' ';
    }
    content += "cm\n";
    AppendPDFName(content, resourceName);
    content += " Do\n";
    AppendLine("Q");
}
