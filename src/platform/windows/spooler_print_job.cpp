#include "platform/windows/spooler_print_job.h"

SpoolerPrintJob::SpoolerPrintJob(const std::string& deviceName)
    : dc_(deviceName), metrics_(dc_.metrics()), target_(dc_.get(), [this] { drawn_ = true; }) {}

std::unique_ptr<SpoolerPrintJob> SpoolerPrintJob::start(const std::string& deviceName,
                                                        const std::string& title) {
    std::unique_ptr<SpoolerPrintJob> job(new SpoolerPrintJob(deviceName));
    if (!job->dc_ || job->metrics_.resolutionX <= 0 || job->metrics_.resolutionY <= 0)
        return nullptr;
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = title.c_str();
    if (StartDocA(job->dc_.get(), &info) <= 0)
        return nullptr;
    job->open_ = true;
    if (StartPage(job->dc_.get()) <= 0)
        return nullptr; // the destructor aborts the job
    job->pageOpen_ = true;
    return job;
}

SpoolerPrintJob::~SpoolerPrintJob() {
    cancel();
}

bool SpoolerPrintJob::newPage() {
    if (!pageOpen_)
        return false;
    pageOpen_ = EndPage(dc_.get()) > 0 && StartPage(dc_.get()) > 0;
    return pageOpen_;
}

bool SpoolerPrintJob::finish() {
    if (!open_)
        return false;
    if (!drawn_) {
        // Nothing was drawn: a blank sheet is no copy.
        cancel();
        return true;
    }
    const bool pageEnded = !pageOpen_ || EndPage(dc_.get()) > 0;
    pageOpen_ = false;
    open_ = false;
    if (!pageEnded) {
        AbortDoc(dc_.get());
        return false;
    }
    return EndDoc(dc_.get()) > 0;
}

void SpoolerPrintJob::cancel() {
    if (!open_)
        return;
    AbortDoc(dc_.get());
    open_ = false;
    pageOpen_ = false;
}
