#include "pdf/text/font.h"

int TPDFFont::CodeWidth(unsigned char code) const {
    int index = static_cast<int>(code) - firstChar;
    if (code > lastChar || index < 0 || static_cast<std::size_t>(index) >= widths.size())
        return 0;
    return widths[static_cast<std::size_t>(index)];
}

long long TPDFFont::TextWidthUnits(std::string_view text) const {
    long long sum = 0;
    for (char c : text)
        sum += CodeWidth(static_cast<unsigned char>(c));
    return sum;
}

std::string TPDFFont::Filter(std::string_view text) const {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (CodeWidth(static_cast<unsigned char>(c)) > 0)
            kept += c;
    return kept;
}
