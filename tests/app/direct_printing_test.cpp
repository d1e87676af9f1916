// Direct printing against the printer double: the printer utilities, printer selection, and whole runs
// of the program that print the test invoice on the selected printer.

#include "app/print_run_support.h"
#include "app/printer_selection.h"
#include "app/printer_utilities.h"
#include "app/process_state_guard.h"
#include "app/startup.h"
#include "support/printer_double.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace print_run_test;

namespace {

// The process-wide printer is a double for the test, with three printers (the default the second).
class DirectPrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<PrinterDouble>();
        printer = owned.get();
        printer->entries = {{"Ufficio", "Driver A", "usb://a"},
                            {"Magazzino", "Driver B", "socket://b"},
                            {"MAGAZZINO", "Driver C", "lpd://c"}};
        printer->defaultIndex = 1;
        // 600 dpi, a 7016-dot sheet with 6814 printable dots from 101 down.
        printer->metrics["Ufficio"] = {600, 600, 4961, 7016, 100, 101, 4761, 6814};
        printer->metrics["Magazzino"] = PrinterDouble::SmallA4();
        previous = ReplacePrinter(std::move(owned));
    }
    void TearDown() override { ReplacePrinter(std::move(previous)); }

    // Runs the program on the test invoice (printed directly) with these switches after "/I=".
    std::string RunDocument(const std::string& switches, const std::string& ini = "") {
        if (!ini.empty())
            WriteFile(folder / "stampadoc.INI", ini);
        document = folder / "FATTURA.TXT";
        WriteFile(document, InvoiceText(""));
        std::vector<std::string> arguments = {"/I=" + document, "/F=101200N0"};
        std::istringstream words(switches);
        for (std::string word; words >> word;)
            arguments.push_back(word);
        std::ostringstream out;
        RunStampadoc(arguments, folder / "stampadoc", out);
        return out.str();
    }

    ProcessStateGuard state;
    TempFolder folder;
    std::string document;
    PrinterDouble* printer = nullptr;
    std::unique_ptr<TPrinter> previous;
};

TEST_F(DirectPrintingTest, UtilitiesMeasureThePrinterByIndex) {
    EXPECT_EQ(printerDeviceName(1), "Magazzino");
    EXPECT_EQ(printerDriverName(2), "Driver C");
    EXPECT_EQ(printerPortName(0), "usb://a");
    EXPECT_EQ(printerDeviceName(3), "");
    EXPECT_EQ(printerPortName(-1), "");

    // 6814 printable dots at 600 dpi give 68 rows; row 0 is the top offset, row 6 an inch lower.
    EXPECT_EQ(printableRows(0), 68);
    EXPECT_EQ(rowToDeviceY(0, 0), 101);
    EXPECT_EQ(rowToDeviceY(0, 6), 701);
    // 1135 dots at 100 dpi: 68.1 rows.
    EXPECT_EQ(printableRows(1), 68);
    EXPECT_EQ(rowToDeviceY(1, 1), 33);
    // No device context, no printer, no resolution: 0.
    EXPECT_EQ(printableRows(2), 0);
    EXPECT_EQ(rowToDeviceY(2, 5), 0);
    EXPECT_EQ(printableRows(7), 0);
    printer->metrics["MAGAZZINO"] = {0, 0, 100, 100, 0, 0, 100, 100};
    EXPECT_EQ(printableRows(2), 0);
    EXPECT_EQ(rowToDeviceY(2, 5), 0);
}

TEST_F(DirectPrintingTest, SelectionMatchesTheDefaultOrTheFirstNameIgnoringCase) {
    const std::pair<std::string, int> cases[] = {
        {"PREDEFINITA", 1}, {"predefinita", 1}, {"UFFICIO", 0},   {"magazzino", 1},
        {"Cantina", -1},    {"", -1},           {"UFFICIO ", -1},
    };
    for (const auto& [name, index] : cases)
        EXPECT_EQ(SelectPrinterIndex(name), index) << name;
    printer->defaultIndex = -1;
    EXPECT_EQ(SelectPrinterIndex("PREDEFINITA"), -1);
}

TEST_F(DirectPrintingTest, CopiesArePrintedInOneJobAndTheDocumentFileGoes) {
    EXPECT_EQ(RunDocument("/S=magazzino /C=3"), "");
    EXPECT_FALSE(Exists(document));
    ASSERT_EQ(printer->jobs.size(), 1u);
    const PrinterDouble::Job& job = printer->jobs[0];
    EXPECT_EQ(job.deviceName, "Magazzino");
    EXPECT_EQ(job.title, "Marvendo - stampa");
    EXPECT_TRUE(job.ended);
    EXPECT_FALSE(job.aborted);
    // The test invoice has 3 pages at 68 rows: three copies, and no sheet after the last.
    ASSERT_EQ(job.pages.size(), 9u);
    for (const auto& page : job.pages) {
        // The form is drawn from a sixth of an inch in; the sheet's last half inch stays white, where
        // the PDF pages carry their credit line.
        EXPECT_GT(page->countDark(17, 0, 776, page->height()), 1000);
        EXPECT_EQ(page->countDark(page->width() - 12, 0, page->width(), page->height()), 0);
    }
    EXPECT_EQ(job.pages[0]->countDark(0, 0, 827, 1169), job.pages[3]->countDark(0, 0, 827, 1169));
}

TEST_F(DirectPrintingTest, PdfOutputWithANamedPrinterAndNoRowsTakesThePrintersRows) {
    document = folder / "FATTURA.TXT";
    WriteFile(document, InvoiceText(folder / "ARCHIVIO.PDF"));
    std::ostringstream out;
    RunStampadoc({"/I=" + document, "/F=101200N0", "/C=1", "/S=MAGAZZINO"}, folder / "stampadoc", out);
    EXPECT_EQ(out.str(), ""); // rows from the printer: no usage line
    EXPECT_FALSE(Exists(document)); // saved and delivered
    WriteFile(document, InvoiceText(folder / "ARCHIVIO.PDF"));
    printer->metrics.erase("Magazzino");
    RunStampadoc({"/I=" + document, "/F=101200N0", "/C=1", "/S=MAGAZZINO"}, folder / "stampadoc", out);
    EXPECT_EQ(out.str(), "Esecuzione non consentita\n");
    EXPECT_TRUE(Exists(document));
}

TEST_F(DirectPrintingTest, ZeroCopiesFromTheIniFilePrintNothingAndSucceed) {
    EXPECT_EQ(RunDocument("/S=PREDEFINITA /C=2", "[copie_documenti]\r\nF=0\r\n"), "");
    EXPECT_FALSE(Exists(document));
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_TRUE(printer->jobs[0].ended);
    // Only the sheet the job was opened with, never drawn on: the spooler drops such a job.
    EXPECT_EQ(printer->jobs[0].pages.size(), 1u);
    EXPECT_EQ(printer->jobs[0].pages[0]->countDark(0, 0, 827, 1169), 0);
}

TEST_F(DirectPrintingTest, NoPrinterNoJobOrNoRowsKeepTheDocumentFile) {
    EXPECT_EQ(RunDocument("/S=Cantina /C=1"), "");
    EXPECT_TRUE(Exists(document));
    EXPECT_TRUE(printer->jobs.empty());

    printer->refuseJobs = true;
    EXPECT_EQ(RunDocument("/S=UFFICIO /C=1"), "");
    EXPECT_TRUE(Exists(document));
    EXPECT_TRUE(printer->jobs.empty());
    printer->refuseJobs = false;

    // A page too small for one row: the job is cancelled before any engine exists.
    printer->metrics["Ufficio"] = {600, 600, 4961, 90, 0, 0, 4961, 90};
    EXPECT_EQ(RunDocument("/S=UFFICIO /C=1"), "");
    EXPECT_TRUE(Exists(document));
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_TRUE(printer->jobs[0].aborted);

    // A page with rows, but too few for the body: the run fails and its job is cancelled.
    printer->metrics["Ufficio"] = {600, 600, 4961, 2000, 0, 0, 4961, 2000};
    EXPECT_EQ(RunDocument("/S=UFFICIO /C=1"), "");
    EXPECT_TRUE(Exists(document));
    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_TRUE(printer->jobs[1].aborted);
}

} // namespace
