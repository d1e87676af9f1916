#pragma once

// Where an image goes on a page: the six numbers of the `cm` operator that maps the image's unit
// square onto the page, in points.
struct ImageMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
};

// An image drawn with its top-left corner at (x, y) in points, `width` x `height` points.
ImageMatrix StretchedImageMatrix(double x, double y, double width, double height);

// The request of FitImage. Box coordinates are already converted to points (x, y: the box's top-left
// corner); box sizes are in user units and `scale` is user units per point.
struct FitImageRequest {
    double pixelWidth = 0;
    double pixelHeight = 0;
    double xResolution = 0;
    double yResolution = 0;
    double x = 0;
    double y = 0;
    double boxWidth = 0;
    double boxHeight = 0;
    double scale = 1;
    int horizontalAlign = 0; // 0 left, 1 centre, 2 right
    int verticalAlign = 0;   // 0 top, 1 centre, 2 bottom
    int rotation = 0;        // 0 none, 1 by 90 degrees, 2 by -90 degrees, 3 by 180 degrees
};

// The image as large as fits into the box without distortion, aligned in it and turned by the
// rotation. False when an alignment or the rotation is out of range.
bool FitImageMatrix(const FitImageRequest& request, ImageMatrix& matrix);
