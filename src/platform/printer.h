#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class PageTarget;

// One installed printer as the spooler lists it.
struct PrinterEntry {
    std::string deviceName;
    std::string driverName;
    std::string portName;
};

// What a printer's device context tells of its page, in printer dots.
struct PrinterPageMetrics {
    int resolutionX = 0;   // dots per inch across
    int resolutionY = 0;   // dots per inch down
    int physicalWidth = 0; // the whole sheet
    int physicalHeight = 0;
    int offsetX = 0; // left and top unprintable offsets
    int offsetY = 0;
    int printableWidth = 0; // the printable area
    int printableHeight = 0;
    bool operator==(const PrinterPageMetrics&) const = default;
};

// The system's printers and the one print job of the process: the printer list, the default printer,
// device-context metrics by device name, and a job with a title, pages and a canvas on each page.
class TPrinter {
public:
    virtual ~TPrinter() = default;

    // The installed printers in the system's order.
    virtual std::vector<PrinterEntry> printers() = 0;
    // Index of the system's default printer in printers(), or -1 when there is none.
    virtual int defaultPrinterIndex() = 0;
    // The metrics of a device context for that device name; nothing when none can be created.
    virtual std::optional<PrinterPageMetrics> pageMetrics(const std::string& deviceName) = 0;

    // Opens a job with this title on the printer of that device name, its first page begun. False
    // when no job can be opened (unknown printer, a job already open, the spooler refusing it).
    virtual bool beginDoc(const std::string& deviceName, const std::string& title) = 0;
    // While a job is open: the metrics of its page and its current page, one device unit per dot.
    virtual PrinterPageMetrics jobMetrics() const = 0;
    virtual PageTarget* page() = 0;
    // Ends the current page and begins the next one. False outside a job or when the page fails.
    virtual bool newPage() = 0;
    // Ends the job and hands it to the spooler; a job on which nothing was drawn is cancelled instead,
    // since a blank sheet is no copy. False when there is no job or the spooler did not take it.
    virtual bool endDoc() = 0;
    // Cancels the open job: nothing drawn on it reaches a sheet. For a run that failed, whose document
    // stays to be printed again. Nothing happens without a job.
    virtual void abortDoc() = 0;
};

// The platform's printer: CUPS on Linux, the Windows spooler and GDI on Windows.
std::unique_ptr<TPrinter> MakeSystemPrinter();

// The process-wide printer object, made from the platform on first use.
TPrinter& Printer();
// Replaces the process-wide printer (tests install a double) and gives back the previous one.
std::unique_ptr<TPrinter> ReplacePrinter(std::unique_ptr<TPrinter> printer);
