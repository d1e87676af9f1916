#pragma once

#include <cmath>
#include <string>

#include "docdata/document_reader.h"
#include "layout/stampa_documento_base.h"
#include "platform/mono_bitmap.h"

// A document composed and rendered as a PDF run renders it: A4 at 600 units per inch, 72 rows, a left
// margin of 120. Positions of form cells are computed here from the grid: a cell is 20 units high and
// 134 (normal pitch) or 80 (compressed) wide; the window is 10720 x (72 x 20 + 40) units.
namespace render_test {

constexpr int kRows = 72;
constexpr int kMargin = 120;
constexpr int kPageWidth = 4960;  // A4 width in 1/600 inch, fraction cut off
constexpr int kPageHeight = 7015; // A4 height
constexpr int kWidth = kPageWidth - 60 - 2 * kMargin;
constexpr int kNormal = 134;
constexpr int kCompressed = 80;

inline std::string dataPath(const std::string& name) {
    return std::string(STAMPADOC_TEST_DATA) + "/render/" + name;
}
inline std::string halftonePath() {
    return std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp";
}

// Device x of a logical x (the page is drawn at the margin).
inline int devX(int logicalX) {
    return kMargin + static_cast<int>(std::lround(logicalX * (static_cast<double>(kWidth) / 10720.0)));
}
// Device y of a logical y.
inline int devY(int logicalY) {
    return static_cast<int>(std::lround(logicalY * (static_cast<double>(kPageHeight) / (kRows * 20 + 40))));
}

class RenderedDocument {
public:
    explicit RenderedDocument(const std::string& documentFile) {
        ReadDocumentFile(dataPath(documentFile), record, params);
        engine.setCaptionDefaults(true);
        engine.loadDocument(record, 1);
        engine.option92 = params.LayoutSwitches[0];
        engine.option93 = params.LayoutSwitches[1];
        engine.option94 = params.LayoutSwitches[2];
        engine.option95 = params.LayoutSwitches[3];
        engine.option96 = params.LayoutSwitches[4];
        engine.topRows = params.ReservedTopLines;
        engine.bottomRows = params.ReservedBottomLines;
        engine.leftMargin = kMargin;
    }

    // Composes the document and renders its first page; answers the page picture read back from formStream.
    MonoBitmap renderFirstPage() {
        bool rendered = false;
        engine.ComposePages(kRows, params.ColumnHeadings, [&] {
            rendered = engine.RenderPage(kRows, kWidth, kMargin, kPageHeight);
            return false;
        });
        if (!rendered) {
            return MonoBitmap();
        }
        return MonoBitmap::fromBmp(engine.formStream).value_or(MonoBitmap());
    }

    // Logical x of a form column's left edge (anchor 1) in a pitch, with a column offset.
    static int columnLeft(int col, int cellWidth, int columnOffset = 0) {
        return cellWidth * (col + columnOffset);
    }
    // Logical y of a form row's top edge.
    int rowTop(int row) const { return 20 * (row + engine.topRows); }

    TRecDocObjectBase record;
    RunParameters params;
    TStampaDocumentoBase engine{halftonePath(), "", true};
};

inline bool verticalLine(const MonoBitmap& page, int x, int y0, int y1) {
    for (int y = y0; y < y1; ++y) {
        if (!page.black(x, y)) {
            return false;
        }
    }
    return true;
}

inline bool horizontalLine(const MonoBitmap& page, int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) {
        if (!page.black(x, y)) {
            return false;
        }
    }
    return true;
}

} // namespace render_test
