#include <optional>
#include <string>

#include "app/delivery.h"
#include "app/viewer_printing.h"
#include "app/window_utilities.h"
#include "layout/stampa_documento_base.h"
#include "pdf/toolkit.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "platform/printer.h"
#include "util/strings.h"

namespace {

constexpr const char* kDefaultPrinterName = "PREDEFINITA";
constexpr const char* kDeliveryJobTitle = "Fattura Marvendo";
constexpr unsigned kViewerStartMilliseconds = 3000;

struct DeliveryPrinter {
    PrinterEntry entry;
    bool useDefaultPrinter = false;
};

// "PREDEFINITA" (ASCII case ignored) is the default printer; any other name the first installed printer
// of that device name. Nothing when there is no such printer.
std::optional<DeliveryPrinter> selectDeliveryPrinter(const std::string& name) {
    TPrinter& printer = Printer();
    const std::vector<PrinterEntry> printers = printer.printers();
    if (SameTextAscii(name, kDefaultPrinterName)) {
        const int index = printer.defaultPrinterIndex();
        if (index < 0 || index >= static_cast<int>(printers.size()))
            return std::nullopt;
        return DeliveryPrinter{printers[static_cast<std::size_t>(index)], true};
    }
    for (const PrinterEntry& entry : printers)
        if (SameTextAscii(entry.deviceName, name))
            return DeliveryPrinter{entry, false};
    return std::nullopt;
}

// Prints the file through the toolkit, one job per copy. A file that cannot be loaded prints nothing.
bool printWithToolkit(TPDFToolkit& pdf, const std::string& file, const std::string& deviceName, int copies) {
    if (pdf.LoadFromFile(file) <= 0)
        return false;
    bool result = true;
    for (int copy = 0; result && copy < copies; ++copy) {
        const int pages = pdf.PageCount();
        const int options = pdf.PrintOptions(0, 1, kDeliveryJobTitle);
        result = pdf.PrintDocument(deviceName, 1, pages, options) > 0;
    }
    pdf.RemoveDocument(pdf.SelectedDocument());
    return result;
}

void focusConsole() {
    const WindowHandle console = ConsoleWindow().handle;
    bringWindowToFront(console);
    Desktop().setFocus(console);
}

// Prints the file through the viewer associated with PDF files, over DDE, one command per copy. A viewer
// that was not running is started first and closed again afterwards; one already running is left alone.
bool printThroughViewer(const std::string& program, const std::string& file, const DeliveryPrinter& printer,
                        int copies) {
    TDesktop& desktop = Desktop();
    ViewerWindowInfo viewer;
    findViewerWindow(viewer);
    const bool viewerStartedHere = !viewer.found;
    ProcessHandle viewerProcess = 0;
    if (viewerStartedHere) {
        viewerProcess = startProgram(0, "open", program, "", kSwHide);
        desktop.sleep(kViewerStartMilliseconds);
        focusConsole();
    }

    ViewerPrinting printing{printer.useDefaultPrinter, printer.entry, 1};
    bool result = true;
    for (int copy = 0; result && copy < copies; ++copy)
        result = printWithViewer(file, printing);

    if (viewerStartedHere) {
        findViewerWindow(viewer);
        if (viewer.found) {
            if (viewerProcess != 0)
                desktop.terminateProcess(viewerProcess, 0);
            desktop.postMessage(viewer.handle, kWmClose, 0, 0);
        }
        focusConsole();
    }
    if (viewerProcess != 0)
        desktop.releaseProcess(viewerProcess);
    return result;
}

} // namespace

bool IsDeliveryPrinterInstalled(const std::string& printerName) {
    return selectDeliveryPrinter(printerName).has_value();
}

bool TStampaDocumentoBase::deliver(int copies) {
    // 1-2. The printer; its device name replaces the requested name.
    const std::optional<DeliveryPrinter> printer = selectDeliveryPrinter(printerName);
    if (!printer)
        return false;
    printerName = printer->entry.deviceName;

    // 3-5. Through the viewer associated with PDF files, or without one through the toolkit.
    // The viewer is another program: it is handed the file name in the system's own form.
    const std::string nativeFile = NativeFileName(pdfFile);
    if (const std::optional<std::string> program = Desktop().associatedProgram(nativeFile))
        return printThroughViewer(*program, nativeFile, *printer, copies);
    if (!pdfToolkit)
        pdfToolkit = std::make_unique<TPDFToolkit>();
    return printWithToolkit(*pdfToolkit, pdfFile, printerName, copies);
}
