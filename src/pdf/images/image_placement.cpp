#include "pdf/images/image_placement.h"

#include <algorithm>
#include <cmath>

ImageMatrix StretchedImageMatrix(double x, double y, double width, double height) {
    return ImageMatrix{width, 0, 0, height, x, y - height};
}

bool FitImageMatrix(const FitImageRequest& request, ImageMatrix& matrix) {
    if (request.horizontalAlign < 0 || request.horizontalAlign > 2 || request.verticalAlign < 0 ||
        request.verticalAlign > 2 || request.rotation < 0 || request.rotation > 3)
        return false;
    double pw = request.pixelWidth;
    const double ph = request.pixelHeight;
    // Pixels that are not square: measure the width in vertical pixels. Never below one pixel, so that
    // an absurd resolution ratio cannot make the scale infinite.
    if (request.xResolution != 0 && request.yResolution != 0 && request.xResolution != request.yResolution)
        pw = std::max(1.0, std::round(pw * request.yResolution / request.xResolution));
    const bool turned = request.rotation == 1 || request.rotation == 2;
    const double along = turned ? ph : pw;  // along the box's width
    const double across = turned ? pw : ph; // along the box's height
    const double k = std::min(request.boxHeight / across, request.boxWidth / along);

    double x = request.x;
    double y = request.y;
    if (request.horizontalAlign == 1)
        x += (request.boxWidth - along * k) / 2 / request.scale;
    else if (request.horizontalAlign == 2)
        x += (request.boxWidth - along * k) / request.scale;
    if (request.verticalAlign == 1)
        y -= (request.boxHeight - across * k) / 2 / request.scale;
    else if (request.verticalAlign == 2)
        y -= (request.boxHeight - across * k) / request.scale;

    const double w = pw * k / request.scale;
    const double h = ph * k / request.scale;
    // The image is turned about the origin of its unit square, which is moved first so that the turned
    // image covers the aligned place: the matrix is scale (w, h), then rotation, then translation.
    switch (request.rotation) {
    case 0:
        matrix = StretchedImageMatrix(x, y, w, h);
        break;
    case 1: // 90 degrees counter-clockwise
        matrix = ImageMatrix{0, w, -h, 0, x + h, y - w};
        break;
    case 2: // 90 degrees clockwise
        matrix = ImageMatrix{0, -w, h, 0, x, y};
        break;
    default: // 180 degrees
        matrix = ImageMatrix{-w, 0, 0, -h, x + w, y};
        break;
    }
    return true;
}
