#pragma once

#include <memory>
#include <string>

#include "platform/page_target.h"

// The one-bit page picture of PDF output, written straight into a Windows bitmap file held in a string:
// BITMAPINFOHEADER, 1 bit per pixel, palette black then white, rows from the bottom padded to four
// bytes. Recordings are drawn without antialiasing, and each pixel is black or white by the brightness
// of what was drawn last on it. The target keeps its working memory from page to page, and the string's
// capacity is reused.
class MonoPageBitmap : public PageTarget {
public:
    MonoPageBitmap();
    ~MonoPageBitmap() override;
    MonoPageBitmap(const MonoPageBitmap&) = delete;
    MonoPageBitmap& operator=(const MonoPageBitmap&) = delete;

    // Starts a white page of width x height pixels at the resolution, written into `bmp` (which must
    // outlive the page). Sizes below 1 give an empty page that ignores all drawing.
    void begin(std::string& bmp, int width, int height, int dotsPerInch);

    void play(const PageRecording& recording, int x, int y) override;
    void drawImage(const RasterImage& image, int x, int y, int width, int height) override;
    DrawingCanvas* canvas() override { return nullptr; }

    class Impl;

private:
    std::unique_ptr<Impl> impl_;
};
