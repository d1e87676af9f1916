// The printer on Windows: the spooler's printers, their device contexts' metrics and one job at a time.
#include <map>
#include <memory>

#include "platform/printer.h"
#include "platform/windows/printer_dc.h"
#include "platform/windows/spooler_print_job.h"
#include "platform/windows/spooler_printers.h"

namespace {

class SpoolerPrinter : public TPrinter {
public:
    std::vector<PrinterEntry> printers() override { return list(); }

    int defaultPrinterIndex() override { return IndexOfPrinter(list(), SpoolerDefaultPrinter()); }

    std::optional<PrinterPageMetrics> pageMetrics(const std::string& deviceName) override {
        const auto known = metrics_.find(deviceName);
        if (known != metrics_.end())
            return known->second;
        const PrinterDc dc(deviceName);
        if (!dc)
            return std::nullopt;
        const PrinterPageMetrics metrics = dc.metrics();
        if (metrics.resolutionX <= 0 || metrics.resolutionY <= 0)
            return std::nullopt;
        metrics_[deviceName] = metrics;
        return metrics;
    }

    bool beginDoc(const std::string& deviceName, const std::string& title) override {
        if (job_)
            return false;
        job_ = SpoolerPrintJob::start(deviceName, title);
        return job_ != nullptr;
    }

    PrinterPageMetrics jobMetrics() const override { return job_ ? job_->metrics() : PrinterPageMetrics{}; }
    PageTarget* page() override { return job_ ? job_->page() : nullptr; }
    bool newPage() override { return job_ && job_->newPage(); }

    bool endDoc() override {
        if (!job_)
            return false;
        const bool sent = job_->finish();
        job_.reset();
        return sent;
    }

    void abortDoc() override { job_.reset(); }

private:
    // The list is read once: its order stays the same for the whole run.
    const std::vector<PrinterEntry>& list() {
        if (!list_)
            list_ = SpoolerPrinters();
        return *list_;
    }

    std::optional<std::vector<PrinterEntry>> list_;
    std::map<std::string, PrinterPageMetrics> metrics_;
    std::unique_ptr<SpoolerPrintJob> job_;
};

} // namespace

std::unique_ptr<TPrinter> MakeSystemPrinter() {
    return std::make_unique<SpoolerPrinter>();
}
