#include "layout/pagina.h"

#include <algorithm>

void TRigaDocumento::clear() {
    width = kWidth;
    secondPitch = true;
    text.assign(kWidth, ' ');
}

TPagina::TPagina() {
    setLineCount(72);
}

void TPagina::setLineCount(int n) {
    lines.resize(static_cast<size_t>(std::max(n, 0)));
    clear();
}

void TPagina::clear() {
    for (TRigaDocumento& line : lines)
        line.clear();
}

void TPagina::putText(int row, int column, const std::string& text, bool secondPitch) {
    if (!hasRow(row) || column < 1)
        return;
    TRigaDocumento& line = lines[static_cast<size_t>(row)];
    if (column > line.width)
        return;
    const size_t taken = std::min(text.size(), static_cast<size_t>(line.width - column + 1));
    line.text.replace(static_cast<size_t>(column - 1), taken, text, 0, taken);
    line.secondPitch = secondPitch;
}

std::string TPagina::rowText(int row) const {
    return hasRow(row) ? lines[static_cast<size_t>(row)].text : blanks(TRigaDocumento::kWidth);
}

bool TPagina::rowSecondPitch(int row) const {
    return hasRow(row) ? lines[static_cast<size_t>(row)].secondPitch : true;
}

std::string TPagina::blanks(int n) {
    return std::string(static_cast<size_t>(std::max(n, 0)), ' ');
}
