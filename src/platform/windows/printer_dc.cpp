#include "platform/windows/printer_dc.h"

PrinterDc::PrinterDc(const std::string& deviceName)
    : dc_(CreateDCA(nullptr, deviceName.c_str(), nullptr, nullptr)) {}

PrinterDc::~PrinterDc() {
    if (dc_ != nullptr)
        DeleteDC(dc_);
}

PrinterPageMetrics PrinterDc::metrics() const {
    PrinterPageMetrics m;
    if (dc_ == nullptr)
        return m;
    m.resolutionX = GetDeviceCaps(dc_, LOGPIXELSX);
    m.resolutionY = GetDeviceCaps(dc_, LOGPIXELSY);
    m.physicalWidth = GetDeviceCaps(dc_, PHYSICALWIDTH);
    m.physicalHeight = GetDeviceCaps(dc_, PHYSICALHEIGHT);
    m.offsetX = GetDeviceCaps(dc_, PHYSICALOFFSETX);
    m.offsetY = GetDeviceCaps(dc_, PHYSICALOFFSETY);
    m.printableWidth = GetDeviceCaps(dc_, HORZRES);
    m.printableHeight = GetDeviceCaps(dc_, VERTRES);
    return m;
}
