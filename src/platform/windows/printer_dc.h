#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "platform/printer.h"

// A device context of a printer (CreateDCA on the spooler's device name), deleted with it.
class PrinterDc {
public:
    explicit PrinterDc(const std::string& deviceName);
    ~PrinterDc();
    PrinterDc(const PrinterDc&) = delete;
    PrinterDc& operator=(const PrinterDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // The page as GetDeviceCaps describes it: resolution, sheet, unprintable offsets, printable area.
    PrinterPageMetrics metrics() const;

private:
    HDC dc_ = nullptr;
};
