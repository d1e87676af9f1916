#pragma once

#include "pdf/render/page_box.h"
#include "pdf/render/render_matrix.h"

// What a printer tells of its sheet, in device dots.
struct PrinterSheet {
    double resolutionX = 600; // dots per inch
    double resolutionY = 600;
    double physicalWidth = 0; // the whole sheet
    double physicalHeight = 0;
    double printableWidth = 0; // the area the printer can mark
    double printableHeight = 0;
    double printableOffsetX = 0; // of that area from the sheet's top-left corner
    double printableOffsetY = 0;
};

// How a page is put on the sheet: page scaling 0 (natural size), 1 (fit the printable area) or 2 (shrink
// to fit, never enlarge; other values act as 0), and auto rotate and centre.
struct PagePlacement {
    int pageScaling = 0;
    bool autoRotateCenter = true;
};

// The matrix from the page's default user space (points, y up) to the printer's device space (dots from
// the top-left corner of the printable area, y down). The page box, turned by the page's /Rotate, has its
// lower-left corner at the sheet's lower-left corner, then:
// - scaling 1 or 2 scale it to fit the printable area (after the turn below, when it applies);
// - with auto rotate and centre, a page whose orientation differs from the printable area's is turned
//   by 90 degrees (its top to the sheet's left edge) and every page is centred on the physical sheet;
// - without it, a scaled page is centred on the printable area, and an unscaled one keeps its left edge
//   on the sheet's left edge and its top edge on the sheet's top edge.
RenderMatrix PlacePageOnSheet(const PageBox& box, int pageRotation, const PrinterSheet& sheet,
                              const PagePlacement& placement);
