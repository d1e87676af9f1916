#pragma once

#include <string>

// The "/S=" value that selects the system's default printer (compared without regard to ASCII case).
inline constexpr const char* DefaultPrinterName = "PREDEFINITA";

// The title of the print job of direct printing.
inline constexpr const char* DirectPrintJobTitle = "Marvendo - stampa";

// The index in the printer list of the printer a "/S=" name selects: the default printer for
// "PREDEFINITA", otherwise the first printer whose device name equals the name without regard to ASCII
// case. -1 when none does.
int SelectPrinterIndex(const std::string& printerName);

// Selects the printer and opens the print job of direct printing on it. Answers the printer's index,
// or -1 when no printer matches or the job cannot be opened.
int OpenDirectPrintJob(const std::string& printerName);
