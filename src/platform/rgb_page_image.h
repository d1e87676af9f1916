#pragma once

#include <memory>
#include <string>

#include "platform/drawing_types.h"
#include "platform/page_target.h"

// An RGB picture as a page target: for the preview pictures and for tests. Drawing keeps its colours;
// recordings are drawn without antialiasing, as on the page bitmap.
class RgbPageImage : public PageTarget {
public:
    // A white picture of width x height pixels; an empty one when Cairo cannot make it.
    RgbPageImage(int width, int height);
    ~RgbPageImage() override;
    RgbPageImage(const RgbPageImage&) = delete;
    RgbPageImage& operator=(const RgbPageImage&) = delete;

    bool empty() const;
    int width() const;
    int height() const;
    // The colour of a pixel; white outside the picture.
    DrawColor pixel(int x, int y) const;
    // Number of pixels darker than mid grey in [x0, x1) x [y0, y1).
    long countDark(int x0, int y0, int x1, int y1) const;
    bool writePng(const std::string& path) const;

    void play(const PageRecording& recording, int x, int y) override;
    void drawImage(const RasterImage& image, int x, int y, int width, int height) override;
    DrawingCanvas* canvas() override;

    class Impl;

private:
    std::unique_ptr<Impl> impl_;
};
