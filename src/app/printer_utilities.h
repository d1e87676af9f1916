#pragma once

#include <string>

// The names and page measures of the installed printers, by their index in the printer list of
// Printer(). An index outside the list gives empty names and 0.

std::string printerDeviceName(int index);
std::string printerDriverName(int index);
std::string printerPortName(int index);

// The number of text rows of a sixth of an inch in the printable height of the printer's page; 0 when
// the printer has no device context.
int printableRows(int index);

// The device y of the top of a text row: row 0 is the first printable line of the sheet. 0 when the
// printer has no device context.
int rowToDeviceY(int index, int row);
