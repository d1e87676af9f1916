#include "pdf/images/bmp_rle.h"

namespace {

// Writes pixels of one run, dropping those that fall outside the bitmap.
class IndexCanvas {
public:
    IndexCanvas(std::string& indexes, std::uint32_t width, std::uint32_t height)
        : indexes_(indexes), width_(width), height_(height) {}

    bool Done() const { return y_ >= height_; }
    void Put(std::uint8_t index) {
        if (x_ < width_ && y_ < height_)
            indexes_[static_cast<std::size_t>(y_) * width_ + x_] = static_cast<char>(index);
        ++x_;
    }
    void EndLine() {
        x_ = 0;
        ++y_;
    }
    void Move(std::uint8_t dx, std::uint8_t dy) {
        x_ += dx;
        y_ += dy;
    }

private:
    std::string& indexes_;
    std::uint64_t x_ = 0;
    std::uint64_t y_ = 0;
    std::uint32_t width_;
    std::uint32_t height_;
};

std::uint8_t Nibble(std::uint8_t byte, std::uint64_t i) {
    return (i & 1) == 0 ? static_cast<std::uint8_t>(byte >> 4) : static_cast<std::uint8_t>(byte & 0x0F);
}

} // namespace

bool ExpandBmpRle(std::string_view coded, std::uint16_t bitsPerPixel, std::uint32_t width,
                  std::uint32_t height, std::string& indexes) {
    const bool four = bitsPerPixel == 4;
    indexes.assign(static_cast<std::size_t>(width) * height, '\0');
    IndexCanvas canvas(indexes, width, height);
    auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(coded[at]); };
    std::size_t pos = 0;
    while (!canvas.Done()) {
        if (coded.size() - pos < 2)
            return false;
        const std::uint8_t count = byte(pos);
        const std::uint8_t value = byte(pos + 1);
        pos += 2;
        if (count > 0) {
            for (std::uint64_t i = 0; i < count; ++i)
                canvas.Put(four ? Nibble(value, i) : value);
            continue;
        }
        if (value == 0) {
            canvas.EndLine();
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (coded.size() - pos < 2)
                return false;
            canvas.Move(byte(pos), byte(pos + 1));
            pos += 2;
        } else {
            // Absolute run of `value` pixels, padded to a 16-bit boundary.
            std::size_t bytes = four ? (value + 1u) / 2 : value;
            bytes += bytes & 1;
            if (coded.size() - pos < bytes)
                return false;
            for (std::uint64_t i = 0; i < value; ++i)
                canvas.Put(four ? Nibble(byte(pos + i / 2), i) : byte(pos + i));
            pos += bytes;
        }
    }
    return true;
}
