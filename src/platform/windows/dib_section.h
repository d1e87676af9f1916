#pragma once

#include <cstdint>

#include <windows.h>

#include "platform/windows/gdi_handles.h"

// A DIB section selected into a memory context of its own: a picture that GDI draws on and that is read
// as memory. One bit per pixel (palette black, white; rows from the bottom, as a bitmap file stores
// them) or 32 bits per pixel (rows from the top).
class DibSection {
public:
    DibSection() = default;
    DibSection(int width, int height, int bitsPerPixel);
    ~DibSection();
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    bool empty() const { return bits_ == nullptr; }
    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    std::size_t stride() const { return stride_; }
    std::uint8_t* bits() const { return bits_; }
    std::size_t size() const { return stride_ * static_cast<std::size_t>(height_); }

private:
    OwnedDc dc_;
    BitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
    std::uint8_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::size_t stride_ = 0;
};
