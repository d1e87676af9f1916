#include "platform/windows/dib_section.h"

#include "platform/windows/gdi_dibs.h"

DibSection::DibSection(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0) {
        return;
    }
    PackedDib header(1, 1, bitsPerPixel, bitsPerPixel != 1);
    BITMAPINFO* info = header.info();
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = bitsPerPixel == 1 ? height : -height;
    info->bmiHeader.biSizeImage = 0;
    if (bitsPerPixel == 1) {
        header.setColour(0, 0x000000);
        header.setColour(1, 0xFFFFFF);
    }
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!dc_) {
        return;
    }
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || bits == nullptr) {
        bitmap_.reset();
        return;
    }
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
    stride_ = ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

DibSection::~DibSection() {
    if (previous_ != nullptr) {
        SelectObject(dc_.get(), previous_);
    }
}
