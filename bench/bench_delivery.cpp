// Delivering a 100-page PDF file as the program writes it (the 100-page invoice) to a printer at
// 600 dpi, through the toolkit: loading, placing and drawing every page on the printer's page, against
// poppler's pdftoppm drawing the same pages in grey at 600 dpi. Each side runs in a child process of
// its own; wall time and peak memory (maximum resident set) of each, and the ratios ours / poppler.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "docdata/document_reader.h"
#include "layout/stampa_documento_base.h"
#include "platform/printer.h"
#include "platform/rgb_page_image.h"

namespace {

constexpr int kLines = 4175; // 100 pages
constexpr int kRows = 72;

// A 600 dpi A4 laser printer that keeps only the page being drawn, as a spooler streams the pages.
class BenchPrinter : public TPrinter {
public:
    std::vector<PrinterEntry> printers() override { return {{"Laser", "Bench", "file"}}; }
    int defaultPrinterIndex() override { return 0; }
    std::optional<PrinterPageMetrics> pageMetrics(const std::string&) override { return kMetrics; }
    bool beginDoc(const std::string&, const std::string&) override {
        page_ = std::make_unique<RgbPageImage>(kMetrics.printableWidth, kMetrics.printableHeight);
        pages = 1;
        return true;
    }
    PrinterPageMetrics jobMetrics() const override { return kMetrics; }
    PageTarget* page() override { return page_.get(); }
    bool newPage() override {
        page_ = std::make_unique<RgbPageImage>(kMetrics.printableWidth, kMetrics.printableHeight);
        ++pages;
        return true;
    }
    bool endDoc() override {
        page_.reset();
        return true;
    }
    void abortDoc() override { page_.reset(); }
    int pages = 0;

private:
    static constexpr PrinterPageMetrics kMetrics{600, 600, 4960, 7016, 100, 100, 4760, 6816};
    std::unique_ptr<RgbPageImage> page_;
};

// The benchmark invoice with kLines document lines (its own lines repeated), written into `pdf`.
std::string HundredPageInvoice(const std::string& pdf) {
    std::ifstream in(std::string(STAMPADOC_SOURCE_DIR) + "/tests/data/print_run/fattura.txt",
                     std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string out;
    for (int i = 1; i <= 99; ++i)
        out += (i == 97   ? "\"97\",\"" + pdf + "\""
                : i == 98 ? "\"98\",\"" + std::to_string(kLines) + "\""
                          : lines[i - 1]) +
               "\n";
    const std::vector<std::string> body(lines.begin() + 99, lines.end());
    for (int i = 0; i < kLines; ++i)
        out += body[i % body.size()] + "\n";
    return out;
}

bool WriteHundredPagePdf(const std::string& folder, const std::string& pdf) {
    const std::string document = folder + "/fattura.txt";
    std::ofstream(document, std::ios::binary) << HundredPageInvoice(pdf);
    TRecDocObjectBase record;
    RunParameters params;
    ReadDocumentFile(document, record, params);
    TStampaDocumentoBase engine(std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp", "", true);
    engine.setCaptionDefaults(true);
    engine.loadDocument(record, 1);
    engine.leftMargin = 150;
    engine.pdfFile = pdf;
    return engine.printRun(1, kRows, params.ColumnHeadings);
}

struct Measure {
    double seconds = 0;
    long peakKiB = 0;
    int status = -1;
};

// Runs work in a child process: its wall time, peak memory and exit status.
Measure InChild(const std::function<int()>& work) {
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    Measure measure;
    rusage usage{};
    int status = 0;
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return measure;
    clock_gettime(CLOCK_MONOTONIC, &end);
    measure.seconds = (end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
    measure.peakKiB = usage.ru_maxrss;
    measure.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return measure;
}

} // namespace

int main() {
    char pattern[] = "/tmp/stampadoc-bench-delivery-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    const std::string folder = pattern;
    const std::string pdf = folder + "/CENTO.PDF";
    if (!WriteHundredPagePdf(folder, pdf)) {
        std::fprintf(stderr, "bench_delivery: the 100-page PDF file could not be written\n");
        return 1;
    }

    const Measure ours = InChild([&] {
        auto* printer = new BenchPrinter;
        ReplacePrinter(std::unique_ptr<TPrinter>(printer));
        TStampaDocumentoBase engine("", "", true);
        engine.pdfFile = pdf;
        engine.printerName = "PREDEFINITA";
        const bool delivered = engine.deliver(1);
        std::printf("delivery: %d pages drawn\n", printer->pages);
        std::fflush(stdout);
        return delivered ? 0 : 1;
    });
    const Measure poppler = InChild([&] {
        // The pictures go to standard output, which is thrown away: a printer takes them as they come.
        const int null = open("/dev/null", O_WRONLY);
        if (null < 0 || dup2(null, STDOUT_FILENO) < 0)
            return 126;
        execlp("pdftoppm", "pdftoppm", "-gray", "-r", "600", pdf.c_str(), static_cast<char*>(nullptr));
        return 127;
    });
    std::filesystem::remove_all(folder);
    if (ours.status != 0 || poppler.status != 0) {
        std::fprintf(stderr, "bench_delivery: a run failed (delivery %d, pdftoppm %d)\n", ours.status,
                     poppler.status);
        return 1;
    }
    std::printf("%-52s wall %7.2f s   peak memory %8ld KiB\n", "delivery of the 100-page PDF file at 600 dpi",
                ours.seconds, ours.peakKiB);
    std::printf("%-52s wall %7.2f s   peak memory %8ld KiB\n", "pdftoppm -gray -r 600 of the same file",
                poppler.seconds, poppler.peakKiB);
    std::printf("ratios delivery / pdftoppm: wall %.2f, peak memory %.2f\n", ours.seconds / poppler.seconds,
                static_cast<double>(ours.peakKiB) / poppler.peakKiB);
    return 0;
}
