#include "platform/drawing_types.h"

#include <algorithm>
#include <cmath>

namespace {

int component(double value) {
    return static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

} // namespace

DrawColor GreyColor(double grey) {
    const int g = component(grey);
    return RgbColor(g, g, g);
}

DrawColor RgbColor(double red, double green, double blue) {
    return RgbColor(component(red), component(green), component(blue));
}

DrawColor CmykColor(double cyan, double magenta, double yellow, double black) {
    const double k = std::clamp(black, 0.0, 1.0);
    return RgbColor(1.0 - std::min(1.0, std::clamp(cyan, 0.0, 1.0) + k),
                    1.0 - std::min(1.0, std::clamp(magenta, 0.0, 1.0) + k),
                    1.0 - std::min(1.0, std::clamp(yellow, 0.0, 1.0) + k));
}

bool IsDarkColor(DrawColor colour) {
    const unsigned red = colour & 0xFF;
    const unsigned green = (colour >> 8) & 0xFF;
    const unsigned blue = (colour >> 16) & 0xFF;
    return red * 299 + green * 587 + blue * 114 < 128 * 1000;
}

DrawMatrix DrawMatrix::followedBy(const DrawMatrix& t) const {
    DrawMatrix r;
    r.a = a * t.a + b * t.c;
    r.b = a * t.b + b * t.d;
    r.c = c * t.a + d * t.c;
    r.d = c * t.b + d * t.d;
    r.e = e * t.a + f * t.c + t.e;
    r.f = e * t.b + f * t.d + t.f;
    return r;
}

void DrawPath::rectangle(double x, double y, double width, double height) {
    moveTo(x, y);
    lineTo(x + width, y);
    lineTo(x + width, y + height);
    lineTo(x, y + height);
    close();
}

bool SampleImage::valid() const {
    return width > 0 && height > 0 && samples != nullptr &&
           (bitsPerComponent == 1 || bitsPerComponent == 8) && (components == 1 || components == 3);
}
