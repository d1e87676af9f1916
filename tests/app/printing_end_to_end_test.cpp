// The program printing directly into the private scheduler of scripts/print-scheduler: what reaches the
// queue is read back (the raw queue keeps every job's bytes) and checked with poppler and tesseract.

#include "app/print_run_support.h"
#include "support/installed_program.h"
#include "support/print_scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace print_run_test;

namespace {

const std::string kExampleInvoice = std::string(STAMPADOC_SOURCE_DIR) + "/examples/fattura.txt";

class PrintingEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        STAMPADOC_REQUIRE_SCHEDULER();
        lock = std::make_unique<PrintScheduler::Lock>();
        ASSERT_FALSE(program.path().empty());
        for (const char* queue : {"GREZZA", "Ufficio_Fatture", "RIFIUTA"})
            lastJob[queue] = PrintScheduler::LastJobId(queue);
    }

    // A copy of the example invoice (printed directly: its line 97 names no PDF file).
    std::string CopyOfExampleInvoice(const std::string& name = "FATTURA.TXT") {
        const std::string path = folder / name;
        WriteFile(path, ReadFile(kExampleInvoice));
        return path;
    }

    // Runs the program with the switches, its own HOME (no lpoptions of the user) and the environment
    // given; answers its standard output.
    std::string Run(const std::string& switches, const std::string& environment = "") {
        return RunCommand("cd " + Quoted(folder.path()) + " && env HOME=" + Quoted(folder.path()) + " " +
                          environment + " " + Quoted(program.path().string()) + " " + switches +
                          " 2>/dev/null");
    }

    std::vector<PrintScheduler::Job> NewJobs(const std::string& queue) {
        PrintScheduler::WaitForQueue(queue);
        return PrintScheduler::JobsAfter(queue, lastJob[queue]);
    }

    // The pages of the invoice laid out on the raw queue's sheet (A4 at 300 dpi: 70 rows), counted
    // through PDF output.
    int InvoicePagesAt70Rows() {
        std::string text = ReadFile(kExampleInvoice);
        const std::string line97 = "\r\n\"\"\r\n\"\",\"58\"";
        const size_t at = text.find(line97);
        if (at == std::string::npos)
            return -1;
        const std::string pdf = folder / "CONTA.PDF";
        text.replace(at, line97.size(), "\r\n\"\",\"" + pdf + "\"\r\n\"\",\"58\"");
        WriteFile(folder / "CONTA.TXT", text);
        Run("/I=" + Quoted(folder / "CONTA.TXT") + " /F=101200N0 /C=1 /R=70", "CUPS_SERVER=/nonexistent");
        return PdfPages(pdf);
    }

    std::unique_ptr<PrintScheduler::Lock> lock;
    TempFolder folder;
    InstalledProgram program{"stampadoc"};
    std::map<std::string, int> lastJob;
};

TEST_F(PrintingEndToEndTest, ThreeCopiesAreOneJobOfReadablePagesWithoutCreditLine) {
    const std::string document = CopyOfExampleInvoice();
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /S=PREDEFINITA /C=3 /F=101200N0"), "");
    EXPECT_FALSE(Exists(document));

    const std::vector<PrintScheduler::Job> jobs = NewJobs("GREZZA");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, "Marvendo - stampa");
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED);
    const std::string printed = PrintScheduler::CapturedPath("GREZZA", jobs[0].id);
    EXPECT_TRUE(QpdfCheckPasses(printed));
    const int pages = InvoicePagesAt70Rows();
    ASSERT_GT(pages, 0);
    EXPECT_EQ(PdfPages(printed), 3 * pages);
    EXPECT_EQ(PdfInfo(printed)["Page size"], "595.2 x 841.92 pts (A4)");
    // No credit line on a printed page.
    EXPECT_EQ(RunCommand("pdftotext " + Quoted(printed) + " - | grep -c 'Stampato con'"), "0\n");

    // Every copy is the same document: its pages render to the same pixels, and none is blank.
    const auto render = [&](int page, int dpi) {
        const std::string image = folder / ("pagina-" + std::to_string(page));
        RunCommand("pdftoppm -r " + std::to_string(dpi) + " -gray -f " + std::to_string(page) + " -l " +
                   std::to_string(page) + " -singlefile " + Quoted(printed) + " " + Quoted(image));
        return image + ".pgm";
    };
    for (int page = 1; page <= pages; ++page) {
        const std::string first = ReadFile(render(page, 50));
        EXPECT_NE(first.find('\0'), std::string::npos) << "page " << page << " is blank";
        for (int copy = 1; copy < 3; ++copy)
            EXPECT_EQ(ReadFile(render(copy * pages + page, 50)), first)
                << "copy " << copy + 1 << ", page " << page;
    }
    // The first page shows the form and the customer, the last page the total.
    const std::string head = RunCommand("tesseract " + Quoted(render(1, 300)) + " stdout -l ita 2>/dev/null");
    for (const char* expected : {"DOCUMENTO", "PARTITA IVA CLIENTE", "ROSSI MARIO"})
        EXPECT_NE(head.find(expected), std::string::npos) << expected << "\n--- OCR text:\n" << head;
    const std::string tail =
        RunCommand("tesseract " + Quoted(render(pages, 300)) + " stdout -l ita 2>/dev/null | tr -d ' '");
    EXPECT_NE(tail.find("TOTALE1.454,56"), std::string::npos) << tail;
}

TEST_F(PrintingEndToEndTest, TheCupsPdfQueuePrintsThroughTheFilterChain) {
    const std::string output = PrintScheduler::pdfFolder();
    if (output.empty())
        GTEST_SKIP() << "the scheduler has no cups-pdf queue (it runs only as root)";
    const auto printedFiles = [&] {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(output))
            files.push_back(entry.path().string());
        return files;
    };
    const size_t before = printedFiles().size();
    const std::string document = CopyOfExampleInvoice();
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /S=PDF /C=2 /F=101200N0"), "");
    EXPECT_FALSE(Exists(document));
    PrintScheduler::WaitForQueue("PDF");
    const std::vector<std::string> files = printedFiles();
    ASSERT_EQ(files.size(), before + 1);
    const std::string printed =
        *std::max_element(files.begin(), files.end(), [](const auto& a, const auto& b) {
            return std::filesystem::last_write_time(a) < std::filesystem::last_write_time(b);
        });
    EXPECT_TRUE(QpdfCheckPasses(printed));
    // The queue's A4 sheet at 300 dpi holds 70 rows, as the raw queue's.
    EXPECT_EQ(PdfPages(printed), 2 * InvoicePagesAt70Rows());
}

TEST_F(PrintingEndToEndTest, AQueueNameInLowerCaseFindsTheQueue) {
    const std::string document = CopyOfExampleInvoice();
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /s=ufficio_fatture /C=1 /F=101200N0"), "");
    EXPECT_FALSE(Exists(document));
    const std::vector<PrintScheduler::Job> jobs = NewJobs("Ufficio_Fatture");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED);
    EXPECT_GT(PdfPages(PrintScheduler::CapturedPath("Ufficio_Fatture", jobs[0].id)), 0);
}

TEST_F(PrintingEndToEndTest, NoPrinterARejectingQueueOrNoSchedulerPrintNothingAndKeepTheFile) {
    const std::string document = CopyOfExampleInvoice();
    const std::string text = ReadFile(document);
    const std::string switches = " /C=1 /F=101200N0";
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /S=NESSUNA" + switches), "");
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /S=RIFIUTA" + switches), "");
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /S=PREDEFINITA" + switches,
                  "CUPS_SERVER=" + Quoted(folder / "spento.sock")),
              "");
    EXPECT_EQ(ReadFile(document), text);
    for (const char* queue : {"GREZZA", "Ufficio_Fatture", "RIFIUTA"})
        EXPECT_TRUE(NewJobs(queue).empty()) << queue;
}

TEST_F(PrintingEndToEndTest, ZeroCopiesFromTheIniFilePrintNothingAndSucceed) {
    WriteFile((program.folder() / "stampadoc.INI").string(), "[copie_documenti]\r\nF=0\r\n");
    const std::string document = CopyOfExampleInvoice();
    EXPECT_EQ(Run("/I=" + Quoted(document) + " /S=GREZZA /C=1 /F=101200N0"), "");
    EXPECT_FALSE(Exists(document));
    // The job opened before the copies were known is cancelled: no sheet, no bytes.
    for (const PrintScheduler::Job& job : NewJobs("GREZZA")) {
        EXPECT_EQ(job.state, IPP_JSTATE_CANCELED);
        EXPECT_EQ(PrintScheduler::CapturedBytes("GREZZA", job.id), "");
    }
}

} // namespace
