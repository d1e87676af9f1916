#include "platform/windows/gdi_page_recording.h"

#include <cstring>
#include <vector>

namespace {

// Black or white for a colour, as a one-bit page shows it.
COLORREF ink(COLORREF colour) {
    return IsDarkColor(colour) ? kDrawBlack : kDrawWhite;
}

// Plays each record, with the colours of pens, brushes and text made black or white first.
int CALLBACK playInInk(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int objects, LPARAM) {
    std::vector<std::uint8_t> copy;
    auto edited = [&]() {
        copy.assign(reinterpret_cast<const std::uint8_t*>(record),
                    reinterpret_cast<const std::uint8_t*>(record) + record->nSize);
        return copy.data();
    };
    switch (record->iType) {
    case EMR_CREATEBRUSHINDIRECT: {
        auto* r = reinterpret_cast<EMRCREATEBRUSHINDIRECT*>(edited());
        if (r->lb.lbStyle == BS_SOLID || r->lb.lbStyle == BS_HATCHED) {
            r->lb.lbColor = ink(r->lb.lbColor);
        }
        break;
    }
    case EMR_CREATEPEN: {
        auto* r = reinterpret_cast<EMRCREATEPEN*>(edited());
        r->lopn.lopnColor = ink(r->lopn.lopnColor);
        break;
    }
    case EMR_EXTCREATEPEN: {
        auto* r = reinterpret_cast<EMREXTCREATEPEN*>(edited());
        if (r->elp.elpBrushStyle == BS_SOLID || r->elp.elpBrushStyle == BS_HATCHED) {
            r->elp.elpColor = ink(r->elp.elpColor);
        }
        break;
    }
    case EMR_SETTEXTCOLOR:
    case EMR_SETBKCOLOR: {
        auto* r = reinterpret_cast<EMRSETTEXTCOLOR*>(edited());
        r->crColor = ink(r->crColor);
        break;
    }
    default:
        break;
    }
    const auto* played = copy.empty() ? record : reinterpret_cast<const ENHMETARECORD*>(copy.data());
    PlayEnhMetaFileRecord(dc, table, played, static_cast<UINT>(objects));
    return 1;
}

// The screen's context, released when done.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) {
            ReleaseDC(nullptr, dc_);
        }
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

} // namespace

std::unique_ptr<PageRecording> PageRecording::create() {
    return std::make_unique<GdiPageRecording>();
}

GdiPageRecording::~GdiPageRecording() {
    clear();
}

DrawingCanvas* GdiPageRecording::begin(int width, int height) {
    clear();
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    const ScreenDc screen;
    if (screen.get() == nullptr) {
        return nullptr;
    }
    // The frame in hundredths of a millimetre, as the screen's own size gives them.
    const double mmPerPixelX =
        static_cast<double>(GetDeviceCaps(screen.get(), HORZSIZE)) / GetDeviceCaps(screen.get(), HORZRES);
    const double mmPerPixelY =
        static_cast<double>(GetDeviceCaps(screen.get(), VERTSIZE)) / GetDeviceCaps(screen.get(), VERTRES);
    const RECT frame{0, 0, static_cast<LONG>(width * mmPerPixelX * 100.0 + 0.5),
                     static_cast<LONG>(height * mmPerPixelY * 100.0 + 0.5)};
    recordingDc_ = CreateEnhMetaFileA(screen.get(), nullptr, &frame, nullptr);
    if (recordingDc_ == nullptr) {
        return nullptr;
    }
    width_ = width;
    height_ = height;
    canvas_ = std::make_unique<GdiCanvas>(recordingDc_);
    return canvas_.get();
}

void GdiPageRecording::end() {
    if (recordingDc_ == nullptr) {
        return;
    }
    drawn_ = canvas_->drewAnything();
    canvas_.reset();
    metafile_.reset(CloseEnhMetaFile(recordingDc_));
    recordingDc_ = nullptr;
}

void GdiPageRecording::clear() {
    end();
    metafile_.reset();
    drawn_ = false;
    width_ = 0;
    height_ = 0;
}

void GdiPageRecording::play(HDC target, int x, int y, PlayMode mode) const {
    if (metafile_.get() == nullptr || !drawn_) {
        return;
    }
    const RECT rect{x, y, x + width_, y + height_};
    // The recording maps itself: it is played in plain device units whatever the target was set to.
    SaveDC(target);
    SetGraphicsMode(target, GM_ADVANCED);
    ModifyWorldTransform(target, nullptr, MWT_IDENTITY);
    SetMapMode(target, MM_TEXT);
    if (mode == PlayMode::Ink) {
        EnumEnhMetaFile(target, metafile_.get(), playInInk, nullptr, &rect);
    } else {
        PlayEnhMetaFile(target, metafile_.get(), &rect);
    }
    RestoreDC(target, -1);
}
