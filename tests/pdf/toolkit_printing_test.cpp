#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "pdf/reader/load_support.h"
#include "pdf/toolkit.h"
#include "support/printer_double.h"

namespace {

using loadtest::PdfText;
using loadtest::TempFolder;

// A PDF file of A4 pages with these content streams; page 1 of its own size.
std::string PagesPdf(const std::vector<std::string>& contents, const std::string& streamEntries = "") {
    PdfText pdf;
    const int count = static_cast<int>(contents.size());
    std::string kids;
    for (int i = 0; i < count; ++i)
        kids += std::to_string(3 + 2 * i) + " 0 R ";
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(count) +
                      " /MediaBox [ 0 0 595.28 841.89 ] >>");
    for (int i = 0; i < count; ++i) {
        pdf.Object(3 + 2 * i, "<< /Type /Page /Parent 2 0 R /Contents " + std::to_string(4 + 2 * i) +
                                  " 0 R /Resources << >> >>");
        pdf.Stream(4 + 2 * i, streamEntries, contents[static_cast<std::size_t>(i)]);
    }
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    return pdf.text;
}

class PrintDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto installed = std::make_unique<PrinterDouble>();
        printer = installed.get();
        printer->entries = {{"Ufficio", "Driver", "usb://ufficio"}};
        printer->defaultIndex = 0;
        printer->metrics["Ufficio"] = PrinterDouble::SmallA4();
        previous = ReplacePrinter(std::move(installed));
    }
    void TearDown() override { ReplacePrinter(std::move(previous)); }

    // Loads a file of these pages into the toolkit.
    void Load(const std::vector<std::string>& contents, const std::string& streamEntries = "") {
        ASSERT_EQ(pdf.LoadFromFile(folder.Write("doc.pdf", PagesPdf(contents, streamEntries))), 1);
    }

    TempFolder folder;
    TPDFToolkit pdf;
    PrinterDouble* printer = nullptr;
    std::unique_ptr<TPrinter> previous;
};

TEST(PrintOptions, ScalingRotationAndTitleNumber) {
    TPDFToolkit pdf;
    EXPECT_EQ(pdf.PrintOptions(0, 1, "Fattura Marvendo"), 115216);
    EXPECT_EQ(pdf.PrintOptions(0, 1, "Fattura Marvendo"), 16 + 451 * 256);
    // Scaling keeps its low four bits; only exactly 1 turns on auto rotate and centre.
    EXPECT_EQ(pdf.PrintOptions(2, 0, "a"), 2 + 452 * 256);
    EXPECT_EQ(pdf.PrintOptions(0x13, 2, "b"), 3 + 453 * 256);
}

TEST_F(PrintDocumentTest, PageRangeIsClampedToTheDocument) {
    Load({"", "", ""});
    const int options = pdf.PrintOptions(0, 1, "Fattura Marvendo");
    EXPECT_EQ(pdf.PrintDocument("ufficio", 0, 99, options), 1);
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_EQ(printer->jobs[0].deviceName, "Ufficio");
    EXPECT_EQ(printer->jobs[0].title, "Fattura Marvendo");
    EXPECT_EQ(printer->jobs[0].pages.size(), 3u);
    EXPECT_TRUE(printer->jobs[0].ended);

    // A last page before the first prints the first alone.
    EXPECT_EQ(pdf.PrintDocument("Ufficio", 2, 1, options), 1);
    EXPECT_EQ(printer->jobs[1].pages.size(), 1u);
}

TEST_F(PrintDocumentTest, TitleOutsideTheListGivesTheDefaultTitle) {
    Load({""});
    pdf.PrintOptions(0, 1, "Fattura Marvendo");
    EXPECT_EQ(pdf.PrintDocument("Ufficio", 1, 1, 16 + 451 * 256), 1);
    EXPECT_EQ(pdf.PrintDocument("Ufficio", 1, 1, 16), 1);
    ASSERT_EQ(printer->jobs.size(), 2u);
    EXPECT_EQ(printer->jobs[0].title, "Documento PDF");
    EXPECT_EQ(printer->jobs[1].title, "Documento PDF");
}

TEST_F(PrintDocumentTest, UnknownPrinterOrRefusedJobPrintsNothing) {
    Load({""});
    const int options = pdf.PrintOptions(0, 1, "t");
    EXPECT_EQ(pdf.PrintDocument("Altra", 1, 1, options), 0);
    printer->refuseJobs = true;
    EXPECT_EQ(pdf.PrintDocument("Ufficio", 1, 1, options), 0);
    EXPECT_TRUE(printer->jobs.empty());
}

TEST_F(PrintDocumentTest, UnreadablePageFailsAndTheJobIsEnded) {
    Load({"0 0 m", "not deflate data"}, "/Filter /FlateDecode");
    pdf.SelectPage(2);
    EXPECT_EQ(pdf.PrintDocument("Ufficio", 1, 2, pdf.PrintOptions(0, 1, "t")), 0);
    ASSERT_EQ(printer->jobs.size(), 1u);
    EXPECT_TRUE(printer->jobs[0].ended);
    EXPECT_EQ(pdf.SelectedDocument()->pageTree.SelectedPageNumber(), 2);
}

TEST_F(PrintDocumentTest, A4PageSitsAtItsNaturalPlaceOnA4Paper) {
    // A black square one inch from the left and two inches from the top, one inch wide.
    Load({"0 g 72 697.89 72 -72 re f"});
    ASSERT_EQ(pdf.PrintDocument("Ufficio", 1, 1, pdf.PrintOptions(0, 1, "t")), 1);
    const RgbPageImage& page = *printer->jobs[0].pages[0];
    // 100 dpi, the printable area 17 dots in from the sheet's edges.
    EXPECT_EQ(page.countDark(83 + 2, 183 + 2, 183 - 2, 283 - 2), 96 * 96);
    EXPECT_EQ(page.countDark(0, 0, page.width(), page.height()), page.countDark(80, 180, 186, 286));
    EXPECT_GE(page.countDark(80, 180, 186, 286), 99 * 99);
}

} // namespace
