#pragma once

#include <string>
#include <vector>

// One row of the page text buffer: 175 fixed-pitch characters and the pitch the canvas starts it in.
struct TRigaDocumento {
    static constexpr int kWidth = 175;

    int width = kWidth;
    bool secondPitch = true;
    std::string text = std::string(kWidth, ' ');

    void clear();
};

// The page text buffer: the rows of one page, numbered from 0; columns are numbered from 1.
class TPagina {
public:
    TPagina();

    void setLineCount(int n);
    void clear();
    void putText(int row, int column, const std::string& text, bool secondPitch);

    std::string rowText(int row) const;
    bool rowSecondPitch(int row) const;
    int lineCount() const { return static_cast<int>(lines.size()); }

    static std::string blanks(int n);

private:
    bool hasRow(int row) const { return row >= 0 && row < lineCount(); }

    std::vector<TRigaDocumento> lines;
};
