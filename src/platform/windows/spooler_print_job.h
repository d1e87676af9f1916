#pragma once

#include <memory>
#include <string>

#include "platform/printer.h"
#include "platform/windows/dc_page_target.h"
#include "platform/windows/printer_dc.h"

// One print job on a printer's device context: StartDocA and the first StartPage when it is made, a page
// target on the context, EndPage/StartPage between pages, EndDoc at the end. A job on which nothing was
// drawn is aborted instead of ended, and so is one that is dropped while open.
class SpoolerPrintJob {
public:
    // nullptr when no device context can be made for the name or the spooler refuses the job.
    static std::unique_ptr<SpoolerPrintJob> start(const std::string& deviceName, const std::string& title);
    ~SpoolerPrintJob();
    SpoolerPrintJob(const SpoolerPrintJob&) = delete;
    SpoolerPrintJob& operator=(const SpoolerPrintJob&) = delete;

    const PrinterPageMetrics& metrics() const { return metrics_; }
    PageTarget* page() { return pageOpen_ ? &target_ : nullptr; }
    bool newPage();
    // Ends the job (true when the spooler took it), or aborts it when nothing was drawn (true).
    bool finish();
    void cancel();

private:
    explicit SpoolerPrintJob(const std::string& deviceName);

    PrinterDc dc_;
    PrinterPageMetrics metrics_;
    DcPageTarget target_;
    bool open_ = false;
    bool pageOpen_ = false;
    bool drawn_ = false;
};
