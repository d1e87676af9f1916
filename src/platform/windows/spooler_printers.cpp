#include "platform/windows/spooler_printers.h"

#include <vector>

#include <windows.h>

#include <winspool.h>

#include "util/strings.h"

namespace {

constexpr DWORD kListedPrinters = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;

std::string Text(const char* text) {
    return text != nullptr ? text : "";
}

} // namespace

std::vector<PrinterEntry> SpoolerPrinters() {
    std::vector<PrinterEntry> printers;
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersA(kListedPrinters, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0)
        return printers;
    // PRINTER_INFO_2A holds pointers into the same buffer: keep it aligned for them.
    std::vector<PRINTER_INFO_2A> buffer(needed / sizeof(PRINTER_INFO_2A) + 1);
    if (!EnumPrintersA(kListedPrinters, nullptr, 2, reinterpret_cast<BYTE*>(buffer.data()),
                       static_cast<DWORD>(buffer.size() * sizeof(PRINTER_INFO_2A)), &needed, &count))
        return printers;
    for (DWORD i = 0; i < count; ++i)
        printers.push_back(
            {Text(buffer[i].pPrinterName), Text(buffer[i].pDriverName), Text(buffer[i].pPortName)});
    return printers;
}

std::string SpoolerDefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size == 0)
        return {};
    std::vector<char> name(size, '\0');
    if (!GetDefaultPrinterA(name.data(), &size))
        return {};
    return std::string(name.data());
}

int IndexOfPrinter(const std::vector<PrinterEntry>& printers, const std::string& deviceName) {
    if (deviceName.empty())
        return -1;
    for (std::size_t i = 0; i < printers.size(); ++i)
        if (printers[i].deviceName == deviceName)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < printers.size(); ++i)
        if (SameTextAscii(printers[i].deviceName, deviceName))
            return static_cast<int>(i);
    return -1;
}
