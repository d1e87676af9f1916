#pragma once

#include <utility>

#include <windows.h>

// Owners of GDI handles: each frees its handle once, with the function GDI asks for.

// A pen, brush, font, bitmap or region, freed with DeleteObject.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using PenHandle = GdiObject<HPEN>;
using BrushHandle = GdiObject<HBRUSH>;
using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;

// A device context of our own (CreateCompatibleDC, CreateDCA), freed with DeleteDC.
class OwnedDc {
public:
    OwnedDc() = default;
    explicit OwnedDc(HDC dc) : dc_(dc) {}
    ~OwnedDc() { reset(); }
    OwnedDc(OwnedDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    OwnedDc& operator=(OwnedDc&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.dc_, nullptr));
        }
        return *this;
    }
    OwnedDc(const OwnedDc&) = delete;
    OwnedDc& operator=(const OwnedDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void reset(HDC dc = nullptr) {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};

// A finished enhanced metafile, freed with DeleteEnhMetaFile.
class EnhMetafileHandle {
public:
    EnhMetafileHandle() = default;
    explicit EnhMetafileHandle(HENHMETAFILE handle) : handle_(handle) {}
    ~EnhMetafileHandle() { reset(); }
    EnhMetafileHandle(const EnhMetafileHandle&) = delete;
    EnhMetafileHandle& operator=(const EnhMetafileHandle&) = delete;

    HENHMETAFILE get() const { return handle_; }
    void reset(HENHMETAFILE handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteEnhMetaFile(handle_);
        }
        handle_ = handle;
    }

private:
    HENHMETAFILE handle_ = nullptr;
};

// Selects an object into a device context for a scope and selects the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
