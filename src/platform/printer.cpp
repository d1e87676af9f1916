#include "platform/printer.h"

#include <utility>

namespace {

std::unique_ptr<TPrinter>& ProcessPrinter() {
    static std::unique_ptr<TPrinter> printer;
    return printer;
}

} // namespace

TPrinter& Printer() {
    std::unique_ptr<TPrinter>& printer = ProcessPrinter();
    if (!printer)
        printer = MakeSystemPrinter();
    return *printer;
}

std::unique_ptr<TPrinter> ReplacePrinter(std::unique_ptr<TPrinter> printer) {
    std::swap(ProcessPrinter(), printer);
    return printer;
}
