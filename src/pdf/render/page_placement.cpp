#include "pdf/render/page_placement.h"

#include <algorithm>
#include <cmath>

namespace {

double Positive(double value, double fallback) {
    return std::isfinite(value) && value > 0 ? value : fallback;
}

// Page space to display space (points, origin at the turned page's lower-left corner, y up) for a
// clockwise turn of 0, 90, 180 or 270 degrees.
RenderMatrix Turned(const PageBox& box, int degrees) {
    const double w = box.Width();
    const double h = box.Height();
    switch (degrees) {
    case 90:
        return {0, -1, 1, 0, -box.y1, w + box.x1};
    case 180:
        return {-1, 0, 0, -1, w + box.x1, h + box.y1};
    case 270:
        return {0, 1, -1, 0, h + box.y1, -box.x1};
    default:
        return {1, 0, 0, 1, -box.x1, -box.y1};
    }
}

} // namespace

RenderMatrix PlacePageOnSheet(const PageBox& box, int pageRotation, const PrinterSheet& sheet,
                              const PagePlacement& placement) {
    const double dotsX = Positive(sheet.resolutionX, 72) / 72; // dots per point
    const double dotsY = Positive(sheet.resolutionY, 72) / 72;
    const double printableWidth = Positive(sheet.printableWidth, Positive(sheet.physicalWidth, 1)) / dotsX;
    const double printableHeight = Positive(sheet.printableHeight, Positive(sheet.physicalHeight, 1)) / dotsY;
    const double sheetWidth = Positive(sheet.physicalWidth, printableWidth * dotsX) / dotsX;
    const double sheetHeight = Positive(sheet.physicalHeight, printableHeight * dotsY) / dotsY;
    const double offsetX = std::isfinite(sheet.printableOffsetX) ? sheet.printableOffsetX : 0;
    const double offsetY = std::isfinite(sheet.printableOffsetY) ? sheet.printableOffsetY : 0;

    int degrees = ((pageRotation % 360) + 360) % 360;
    if (degrees % 90 != 0)
        degrees = 0;
    const bool sideways = degrees == 90 || degrees == 270;
    double width = sideways ? box.Height() : box.Width();
    double height = sideways ? box.Width() : box.Height();
    if (placement.autoRotateCenter && ((width > height && printableHeight > printableWidth) ||
                                       (width < height && printableHeight < printableWidth))) {
        degrees = (degrees + 270) % 360; // a quarter turn anticlockwise
        std::swap(width, height);
    }

    const bool scaled = placement.pageScaling == 1 || placement.pageScaling == 2;
    double scale = 1;
    if (scaled) {
        scale = std::min(printableWidth / width, printableHeight / height);
        if (placement.pageScaling == 2)
            scale = std::min(scale, 1.0);
    }

    // Lower-left corner of the placed page from the sheet's lower-left corner, in points.
    double left = 0;
    double bottom = 0;
    if (placement.autoRotateCenter) {
        left = (sheetWidth - scale * width) / 2;
        bottom = (sheetHeight - scale * height) / 2;
    } else if (scaled) {
        const double printableBottom = sheetHeight - offsetY / dotsY - printableHeight;
        left = offsetX / dotsX + (printableWidth - scale * width) / 2;
        bottom = printableBottom + (printableHeight - scale * height) / 2;
    } else {
        bottom = sheetHeight - height;
    }

    const RenderMatrix toDevice{scale * dotsX,
                                0,
                                0,
                                -scale * dotsY,
                                left * dotsX - offsetX,
                                sheetHeight * dotsY - offsetY - bottom * dotsY};
    return Turned(box, degrees).Then(toDevice);
}
