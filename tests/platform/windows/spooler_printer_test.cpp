// The Windows printer: picking the default printer out of the list, and a printer without a job.
#include <gtest/gtest.h>

#include "platform/page_target.h"
#include "platform/printer.h"
#include "platform/windows/spooler_printers.h"

namespace {

TEST(IndexOfPrinterTest, FindsTheDefaultPrintersEntry) {
    const std::vector<PrinterEntry> printers = {
        {"Ufficio", "d", "p"}, {"UFFICIO", "d", "p"}, {"Magazzino", "d", "p"}, {"magazzino", "d", "p"}};
    const struct {
        const char* name;
        int index;
    } cases[] = {
        {"UFFICIO", 1},   // the exact name wins over an earlier one of another case
        {"magazzino", 3}, // likewise when it comes later
        {"MAGAZZINO", 2}, // without an exact one, the first that differs only in case
        {"Cassa", -1},    {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IndexOfPrinter(printers, c.name), c.index) << c.name;
    EXPECT_EQ(IndexOfPrinter({}, "Ufficio"), -1);
}

TEST(SpoolerPrinterTest, AnUnknownPrinterHasNoMetricsAndNoJob) {
    const std::unique_ptr<TPrinter> printer = MakeSystemPrinter();
    const std::string unknown = "Nessuna stampante con questo nome";
    EXPECT_FALSE(printer->pageMetrics(unknown).has_value());
    EXPECT_FALSE(printer->beginDoc(unknown, "titolo"));
    EXPECT_EQ(printer->page(), nullptr);
    EXPECT_FALSE(printer->newPage());
    EXPECT_EQ(printer->jobMetrics(), PrinterPageMetrics{});
    EXPECT_FALSE(printer->endDoc());
    printer->abortDoc(); // nothing to cancel
}

TEST(SpoolerPrinterTest, TheDefaultIndexPointsIntoTheList) {
    const std::unique_ptr<TPrinter> printer = MakeSystemPrinter();
    const std::vector<PrinterEntry> printers = printer->printers();
    const int index = printer->defaultPrinterIndex();
    ASSERT_GE(index, -1);
    ASSERT_LT(index, static_cast<int>(printers.size()));
    if (index >= 0) {
        EXPECT_TRUE(printer->pageMetrics(printers[static_cast<std::size_t>(index)].deviceName).has_value());
    }
}

} // namespace
