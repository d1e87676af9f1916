#include "platform/printer.h"

namespace {

// Placeholder until the CUPS printer lands: no printers installed.
class NoPrinters : public TPrinter {
public:
    std::vector<PrinterEntry> printers() override { return {}; }
    int defaultPrinterIndex() override { return -1; }
    std::optional<PrinterPageMetrics> pageMetrics(const std::string&) override { return std::nullopt; }
    bool beginDoc(const std::string&, const std::string&) override { return false; }
    PrinterPageMetrics jobMetrics() const override { return {}; }
    PageTarget* page() override { return nullptr; }
    bool newPage() override { return false; }
    bool endDoc() override { return false; }
};

} // namespace

std::unique_ptr<TPrinter> MakeSystemPrinter() {
    return std::make_unique<NoPrinters>();
}
