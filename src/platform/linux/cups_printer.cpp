// The printer on Linux: the CUPS destinations, their page metrics and one print job at a time.
#include <map>
#include <memory>

#include "platform/linux/cups_connection.h"
#include "platform/linux/cups_destinations.h"
#include "platform/linux/cups_page_metrics.h"
#include "platform/linux/cups_print_job.h"
#include "platform/printer.h"

namespace {

class CupsPrinter : public TPrinter {
public:
    std::vector<PrinterEntry> printers() override {
        std::vector<PrinterEntry> entries;
        const CupsDestinations& dests = destinations();
        for (int i = 0; i < dests.count(); ++i) {
            const cups_dest_t& dest = dests.at(i);
            entries.push_back({CupsDestinations::deviceName(dest), option(dest, "printer-make-and-model"),
                               option(dest, "device-uri")});
        }
        return entries;
    }

    int defaultPrinterIndex() override { return destinations().defaultIndex(); }

    std::optional<PrinterPageMetrics> pageMetrics(const std::string& deviceName) override {
        const auto known = metrics_.find(deviceName);
        if (known != metrics_.end())
            return known->second;
        cups_dest_t* dest = destinations().find(deviceName);
        if (dest == nullptr)
            return std::nullopt;
        http_t* http = ConnectToScheduler();
        if (http == nullptr)
            return std::nullopt;
        cups_dinfo_t* info = cupsCopyDestInfo(http, dest);
        PrinterPageMetrics metrics;
        const bool measured = QueryPageMetrics(http, dest, info, metrics);
        if (info != nullptr)
            cupsFreeDestInfo(info);
        httpClose(http);
        if (!measured)
            return std::nullopt;
        metrics_[deviceName] = metrics;
        return metrics;
    }

    bool beginDoc(const std::string& deviceName, const std::string& title) override {
        if (job_)
            return false;
        const cups_dest_t* dest = destinations().find(deviceName);
        const std::optional<PrinterPageMetrics> metrics = pageMetrics(deviceName);
        if (dest == nullptr || !metrics)
            return false;
        job_ = CupsPrintJob::create(*dest, title, *metrics);
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

    void abortDoc() override {
        if (job_)
            job_->cancel();
        job_.reset();
    }

private:
    // The destinations are read once: the list and its order stay the same for the whole run.
    const CupsDestinations& destinations() {
        if (!destinations_)
            destinations_ = std::make_unique<CupsDestinations>();
        return *destinations_;
    }

    static std::string option(const cups_dest_t& dest, const char* name) {
        const char* value = cupsGetOption(name, dest.num_options, dest.options);
        return value != nullptr ? value : "";
    }

    std::unique_ptr<CupsDestinations> destinations_;
    std::map<std::string, PrinterPageMetrics> metrics_;
    std::unique_ptr<CupsPrintJob> job_;
};

} // namespace

std::unique_ptr<TPrinter> MakeSystemPrinter() {
    return std::make_unique<CupsPrinter>();
}
