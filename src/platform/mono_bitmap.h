#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A black-and-white picture, one bit per pixel, rows from the top, the leftmost pixel in the highest bit
// of a byte; a set bit is black.
class MonoBitmap {
public:
    MonoBitmap() = default;
    // A white picture; sizes below 0 count as 0.
    MonoBitmap(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }
    bool empty() const { return width_ == 0 || height_ == 0; }

    bool black(int x, int y) const;
    void setBlack(int x, int y, bool black);
    std::uint8_t* row(int y) { return bits_.data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint8_t* row(int y) const { return bits_.data() + static_cast<std::size_t>(y) * stride_; }
    // Number of black pixels in the rectangle [x0, x1) x [y0, y1), clipped to the picture.
    long countBlack(int x0, int y0, int x1, int y1) const;

    // The picture as a Windows bitmap file: BITMAPINFOHEADER, 1 bit per pixel, palette black then white,
    // rows from the bottom, each padded to four bytes; resolution in dots per inch.
    std::string toBmp(int dotsPerInch) const;
    // Reads an uncompressed Windows bitmap of 1, 4, 8, 24 or 32 bits per pixel; a pixel is black when its
    // colour is darker than mid grey. Nothing for anything else or for damaged data.
    static std::optional<MonoBitmap> fromBmp(const std::string& bytes);
    // Reads a bitmap file; nothing when it is missing or unreadable.
    static std::optional<MonoBitmap> loadBmpFile(const std::string& path);

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    std::vector<std::uint8_t> bits_;
};
