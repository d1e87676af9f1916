#include "platform/rgb_page_image.h"

#include <algorithm>

long RgbPageImage::countDark(int x0, int y0, int x1, int y1) const {
    long count = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, height()); ++y) {
        for (int x = std::max(x0, 0); x < std::min(x1, width()); ++x) {
            count += IsDarkColor(pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}
