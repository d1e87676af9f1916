// Says what the Windows printer layer sees, one tab-separated record a line, for the scripts beside it:
//
//   printer  DEVICE  DRIVER  PORT      every installed printer, in the spooler's order
//   default  INDEX                     the default printer's index, -1 for none
//   metrics  DEVICE  DPI-X DPI-Y WIDTH HEIGHT OFFSET-X OFFSET-Y PRINTABLE-WIDTH PRINTABLE-HEIGHT
//                                      for each device name given on the command line ("none" when no
//                                      device context can be made for it)
#include <cstdio>
#include <optional>
#include <string>

#include "platform/printer.h"

int main(int argc, char** argv) {
    const std::unique_ptr<TPrinter> printer = MakeSystemPrinter();
    for (const PrinterEntry& entry : printer->printers())
        std::printf("printer\t%s\t%s\t%s\n", entry.deviceName.c_str(), entry.driverName.c_str(),
                    entry.portName.c_str());
    std::printf("default\t%d\n", printer->defaultPrinterIndex());
    for (int i = 1; i < argc; ++i) {
        const std::optional<PrinterPageMetrics> m = printer->pageMetrics(argv[i]);
        if (!m) {
            std::printf("metrics\t%s\tnone\n", argv[i]);
            continue;
        }
        std::printf("metrics\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", argv[i], m->resolutionX, m->resolutionY,
                    m->physicalWidth, m->physicalHeight, m->offsetX, m->offsetY, m->printableWidth,
                    m->printableHeight);
    }
    return 0;
}
