#include "platform/linux/cups_print_job.h"

#include <cairo-pdf.h>

#include "platform/linux/cups_connection.h"

namespace {

constexpr double kPointsPerInch = 72.0;

bool accepted(ipp_status_t status) {
    return status <= IPP_STATUS_OK_CONFLICTING;
}

} // namespace

std::unique_ptr<CupsPrintJob> CupsPrintJob::create(const cups_dest_t& dest, const std::string& title,
                                                   const PrinterPageMetrics& metrics) {
    if (metrics.resolutionX <= 0 || metrics.resolutionY <= 0 || metrics.physicalWidth <= 0 ||
        metrics.physicalHeight <= 0)
        return nullptr;
    std::unique_ptr<CupsPrintJob> job(new CupsPrintJob);
    job->title_ = title;
    job->metrics_ = metrics;
    if (cupsCopyDest(const_cast<cups_dest_t*>(&dest), 0, &job->dest_) != 1 || job->dest_ == nullptr)
        return nullptr;
    job->http_ = ConnectToScheduler();
    if (job->http_ == nullptr)
        return nullptr;
    job->info_ = cupsCopyDestInfo(job->http_, job->dest_);
    if (job->info_ == nullptr)
        return nullptr;
    if (!accepted(
            cupsCreateDestJob(job->http_, job->dest_, job->info_, &job->jobId_, title.c_str(), 0, nullptr)) ||
        job->jobId_ <= 0) {
        job->ended_ = true; // there is no job to cancel
        return nullptr;
    }

    const double width = metrics.physicalWidth * kPointsPerInch / metrics.resolutionX;
    const double height = metrics.physicalHeight * kPointsPerInch / metrics.resolutionY;
    job->surface_ = cairo_pdf_surface_create_for_stream(&CupsPrintJob::writeToJob, job.get(), width, height);
    if (cairo_surface_status(job->surface_) != CAIRO_STATUS_SUCCESS)
        return nullptr; // the destructor cancels the job
    cairo_pdf_surface_set_metadata(job->surface_, CAIRO_PDF_METADATA_TITLE, title.c_str());
    job->context_ = cairo_create(job->surface_);
    cairo_scale(job->context_, kPointsPerInch / metrics.resolutionX, kPointsPerInch / metrics.resolutionY);
    cairo_translate(job->context_, metrics.offsetX, metrics.offsetY);
    CupsPrintJob* self = job.get();
    job->target_ = std::make_unique<CairoContextTarget>(job->context_, [self] { self->startDocument(); });
    return job;
}

CupsPrintJob::~CupsPrintJob() {
    if (!ended_)
        cancel();
    closeSurface();
    if (info_ != nullptr)
        cupsFreeDestInfo(info_);
    if (http_ != nullptr)
        httpClose(http_);
    if (dest_ != nullptr)
        cupsFreeDests(1, dest_);
}

void CupsPrintJob::startDocument() {
    if (started_ || failed_ || ended_)
        return;
    const http_status_t status =
        cupsStartDestDocument(http_, dest_, info_, jobId_, title_.c_str(), CUPS_FORMAT_PDF, 0, nullptr, 1);
    if (status != HTTP_STATUS_CONTINUE) {
        failed_ = true;
        return;
    }
    started_ = true;
    std::string pending;
    pending.swap(pending_);
    write(reinterpret_cast<const unsigned char*>(pending.data()), static_cast<unsigned int>(pending.size()));
}

bool CupsPrintJob::write(const unsigned char* data, unsigned int length) {
    if (failed_ || ended_)
        return !failed_; // after the end: what a cancelled job's surface still writes goes nowhere
    if (!started_) {
        pending_.append(reinterpret_cast<const char*>(data), length);
        return true;
    }
    if (length > 0 &&
        cupsWriteRequestData(http_, reinterpret_cast<const char*>(data), length) != HTTP_STATUS_CONTINUE)
        failed_ = true;
    return !failed_;
}

cairo_status_t CupsPrintJob::writeToJob(void* closure, const unsigned char* data, unsigned int length) {
    return static_cast<CupsPrintJob*>(closure)->write(data, length) ? CAIRO_STATUS_SUCCESS
                                                                    : CAIRO_STATUS_WRITE_ERROR;
}

bool CupsPrintJob::newPage() {
    if (ended_ || context_ == nullptr)
        return false;
    cairo_show_page(context_);
    return !failed_ && cairo_status(context_) == CAIRO_STATUS_SUCCESS;
}

void CupsPrintJob::closeSurface() {
    target_.reset();
    if (context_ != nullptr) {
        cairo_destroy(context_);
        context_ = nullptr;
    }
    if (surface_ != nullptr) {
        cairo_surface_finish(surface_);
        if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
            failed_ = true;
        cairo_surface_destroy(surface_);
        surface_ = nullptr;
    }
}

bool CupsPrintJob::finish() {
    if (ended_)
        return false;
    if (!started_ && !failed_) {
        // Nothing was drawn: a blank sheet is no copy.
        cancel();
        return true;
    }
    if (started_)
        closeSurface(); // writes the rest of the document into the job
    if (failed_) {
        cancel();
        return false;
    }
    ended_ = true;
    return accepted(cupsFinishDestDocument(http_, dest_, info_));
}

void CupsPrintJob::cancel() {
    if (ended_)
        return;
    ended_ = true;
    if (jobId_ <= 0 || http_ == nullptr)
        return; // the job was never created
    if (started_) {
        // The document is still open: drop the connection, so that the scheduler never receives its end,
        // and cancel the job on a new one.
        closeSurface();
        httpClose(http_);
        http_ = ConnectToScheduler();
        if (http_ == nullptr)
            return;
    }
    cupsCancelDestJob(http_, dest_, jobId_);
}
