#pragma once

#include <memory>
#include <string>

#include <cairo.h>
#include <cups/cups.h>

#include "platform/linux/cairo_context_target.h"
#include "platform/printer.h"

// One print job on a CUPS destination. Its pages are drawn on a Cairo PDF surface whose unit is one
// printer dot, with the origin at the top-left corner of the printable area (as on a printer's device
// context), and the PDF is streamed into the job as it is produced: no temporary file.
//
// The job is created at once, so a scheduler that refuses it is known before anything is drawn; the
// document is only started once something is drawn, and a job without any drawing is cancelled.
class CupsPrintJob {
public:
    // Creates the job on a copy of dest; nullptr when the scheduler cannot be reached or refuses it.
    static std::unique_ptr<CupsPrintJob> create(const cups_dest_t& dest, const std::string& title,
                                                const PrinterPageMetrics& metrics);
    // A job that was neither finished nor cancelled is cancelled.
    ~CupsPrintJob();
    CupsPrintJob(const CupsPrintJob&) = delete;
    CupsPrintJob& operator=(const CupsPrintJob&) = delete;

    const PrinterPageMetrics& metrics() const { return metrics_; }
    PageTarget* page() { return target_.get(); }
    bool newPage();
    // Sends the job (true when the scheduler took the whole document), or cancels it when nothing was
    // drawn (true when the cancellation went through).
    bool finish();
    // Cancels the job, whatever was drawn.
    void cancel();

private:
    CupsPrintJob() = default;
    void startDocument();
    bool write(const unsigned char* data, unsigned int length);
    static cairo_status_t writeToJob(void* closure, const unsigned char* data, unsigned int length);
    void closeSurface();

    cups_dest_t* dest_ = nullptr;
    http_t* http_ = nullptr;
    cups_dinfo_t* info_ = nullptr;
    int jobId_ = 0;
    std::string title_;
    PrinterPageMetrics metrics_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* context_ = nullptr;
    std::unique_ptr<CairoContextTarget> target_;
    std::string pending_; // what the surface wrote before the document was started
    bool started_ = false;
    bool failed_ = false;
    bool ended_ = false;
};
