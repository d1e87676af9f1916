#pragma once

class PageTarget;

// The logo box of a page in device units (1/600 inch for PDF output): left, top, right, bottom.
struct TLogoFrame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TLogoFrame&) const = default;
};

// The printer page that RenderPage draws on when the run prints directly: the page target, and the
// vertical resolution and top unprintable offset that turn a text row into a device position.
struct TPrinterCanvas {
    PageTarget* target = nullptr;
    int resolutionY = 600;
    int topOffset = 0;
};

// The logo box for an image of imageWidth x imageHeight pixels: it starts at (left, top) and fits
// wmax = width / 80 x 35 by hmax = height / pageRows x 18, keeping the image's proportions.
// An empty box when the image or the page has no size.
TLogoFrame ComputeLogoFrame(int left, int top, int width, int height, int pageRows, int imageWidth,
                            int imageHeight);
