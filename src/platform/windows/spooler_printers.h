#pragma once

#include <string>
#include <vector>

#include "platform/printer.h"

// The spooler's local and connected printers (EnumPrintersA, level 2) in its order; empty when it lists
// none or cannot be asked.
std::vector<PrinterEntry> SpoolerPrinters();

// The device name of the user's default printer (GetDefaultPrinterA); empty when there is none.
std::string SpoolerDefaultPrinter();

// The index of the default printer in the list: the entry of exactly that name, else the first whose name
// matches it without regard to ASCII case; -1 when none does.
int IndexOfPrinter(const std::vector<PrinterEntry>& printers, const std::string& deviceName);
