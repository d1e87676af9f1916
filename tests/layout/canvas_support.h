#pragma once

#include <string>

#include "layout/tav_meta_object.h"
#include "platform/mono_bitmap.h"
#include "platform/mono_page_bitmap.h"

// Canvas helpers for the tests: a page whose device units equal its logical units, so that cell
// geometry can be checked pixel by pixel.
namespace canvas_test {

inline std::string halftonePath() {
    return std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp";
}

constexpr int kRows = 12;
constexpr int kWidth = 134 * 80;
constexpr int kHeight = kRows * 20 + 40;

// Starts a page with the identity mapping: one logical unit is one device pixel.
inline bool beginIdentityPage(TTavMetaObject& canvas) {
    return canvas.BeginPage(kWidth, "Courier New", 1, 134, 80, kRows, kHeight);
}

// Plays the recorded page onto a white bitmap of the page's size.
inline MonoBitmap render(const TTavMetaObject& canvas) {
    std::string bmp;
    MonoPageBitmap target;
    target.begin(bmp, kWidth, kHeight, 600);
    canvas.PlayTo(target, 0, 0);
    return MonoBitmap::fromBmp(bmp).value_or(MonoBitmap());
}

} // namespace canvas_test
