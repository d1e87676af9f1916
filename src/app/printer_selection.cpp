#include "app/printer_selection.h"

#include "app/printer_utilities.h"
#include "platform/printer.h"
#include "util/strings.h"

#include <vector>

int SelectPrinterIndex(const std::string& printerName) {
    if (SameTextAscii(printerName, DefaultPrinterName))
        return Printer().defaultPrinterIndex();
    const std::vector<PrinterEntry> entries = Printer().printers();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (SameTextAscii(entries[i].deviceName, printerName))
            return static_cast<int>(i);
    }
    return -1;
}

int OpenDirectPrintJob(const std::string& printerName) {
    const int index = SelectPrinterIndex(printerName);
    if (index < 0 || !Printer().beginDoc(printerDeviceName(index), DirectPrintJobTitle))
        return -1;
    return index;
}
