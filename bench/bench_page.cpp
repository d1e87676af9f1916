// One page of the 100-page invoice as the print run makes it (the form drawn into formStream, added to a
// PDF document with image compression, placed on its page) against libdeflate alone compressing the same
// page's samples at level 6 (and zlib at level 6, for reference). Prints medians of alternating runs and
// the ratio page / libdeflate, whose goal is at most 1.5. Times are processor times of the thread.

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "docdata/document_reader.h"
#include "layout/stampa_documento_base.h"
#include "pdf/toolkit.h"

namespace {

constexpr int kRows = 72;
constexpr int kMargin = 150;
constexpr int kLines = 4175; // 100 pages
constexpr int kPage = 50;
constexpr int kRounds = 15;

// The benchmark invoice with kLines document lines (its own lines repeated).
std::string HundredPageInvoice() {
    std::ifstream in(std::string(STAMPADOC_SOURCE_DIR) + "/tests/data/print_run/fattura.txt",
                     std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::string out;
    for (int i = 1; i <= 99; ++i)
        out += (i == 98 ? "\"98\",\"" + std::to_string(kLines) + "\"" : lines[i - 1]) + "\n";
    const std::vector<std::string> body(lines.begin() + 99, lines.end());
    for (int i = 0; i < kLines; ++i)
        out += body[i % body.size()] + "\n";
    return out;
}

// The samples of a page bitmap (a bottom-up Windows bitmap with rows padded to four bytes), top row
// first and without padding, as the PDF image holds them.
std::string SamplesOf(const std::string& bmp) {
    const auto le32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(
            static_cast<unsigned char>(bmp[at]) | static_cast<unsigned char>(bmp[at + 1]) << 8 |
            static_cast<unsigned char>(bmp[at + 2]) << 16 | static_cast<unsigned char>(bmp[at + 3]) << 24);
    };
    const std::uint32_t offset = le32(10);
    const std::uint32_t width = le32(18);
    const std::uint32_t height = le32(22);
    const std::size_t rowBytes = (width + 7) / 8;
    const std::size_t stride = (width + 31) / 32 * 4;
    std::string samples;
    for (std::uint32_t y = 0; y < height; ++y)
        samples.append(bmp, offset + (height - 1 - y) * stride, rowBytes);
    return samples;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Processor time of this thread (user and system), which other work on a busy machine disturbs less
// than wall time.
double ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Milliseconds(const std::function<void()>& work) {
    const double start = ThreadMilliseconds();
    work();
    return ThreadMilliseconds() - start;
}

} // namespace

int main() {
    const std::string documentPath =
        (std::filesystem::temp_directory_path() / ("stampadoc-bench-" + std::to_string(::getpid()) + ".txt"))
            .string();
    std::ofstream(documentPath, std::ios::binary) << HundredPageInvoice();
    TRecDocObjectBase record;
    RunParameters params;
    ReadDocumentFile(documentPath, record, params);
    std::filesystem::remove(documentPath);

    TStampaDocumentoBase engine(std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp", "", true);
    engine.setCaptionDefaults(true);
    engine.loadDocument(record, 1);
    engine.option94 = params.LayoutSwitches[2];
    engine.option95 = params.LayoutSwitches[3];
    engine.leftMargin = kMargin;

    TPDFToolkit pdf;
    pdf.NewDocument();
    pdf.SetPageSize("A4");
    pdf.SetMeasurementUnits(2);
    pdf.SetOrigin(1);
    pdf.CompressImages(1);
    const int height = static_cast<int>(pdf.PageHeight() * 600);
    const int width = static_cast<int>(pdf.PageWidth() * 600);

    std::vector<double> page;
    std::vector<double> deflate;
    std::vector<double> zlib;
    std::size_t compressedSize = 0;
    std::size_t sampleBytes = 0;
    engine.ComposePages(kRows, params.ColumnHeadings, [&] {
        if (engine.currentPage < kPage)
            return true;
        // What the print run does for a page, but the credit line.
        const auto makePage = [&] {
            engine.RenderPage(kRows, width - 60 - 2 * kMargin, kMargin, height);
            std::istringstream picture(std::move(engine.formStream));
            TPDFImage* image = pdf.AddImageFromStream(picture, 0);
            engine.formStream = std::move(picture).str();
            pdf.SelectImage(image);
            pdf.DrawImage(0.05, 0, pdf.PageWidth() - 0.1, pdf.PageHeight());
        };
        makePage();
        const std::string samples = SamplesOf(engine.formStream);
        sampleBytes = samples.size();
        libdeflate_compressor* compressor = libdeflate_alloc_compressor(6);
        std::vector<char> out(libdeflate_zlib_compress_bound(compressor, samples.size()));
        std::vector<Bytef> zout(compressBound(samples.size()));
        for (int round = 0; round < kRounds; ++round) {
            page.push_back(Milliseconds(makePage));
            deflate.push_back(Milliseconds([&] {
                compressedSize = libdeflate_zlib_compress(compressor, samples.data(), samples.size(),
                                                          out.data(), out.size());
            }));
            zlib.push_back(Milliseconds([&] {
                uLongf size = zout.size();
                compress2(zout.data(), &size, reinterpret_cast<const Bytef*>(samples.data()), samples.size(),
                          6);
            }));
        }
        libdeflate_free_compressor(compressor);
        return false;
    });
    if (page.empty()) {
        std::fprintf(stderr, "bench_page: the invoice has fewer than %d pages\n", kPage);
        return 1;
    }
    const double ratio = Median(page) / Median(deflate);
    std::printf("page %d of the 100-page invoice: %.1f ms (median of %d)\n", kPage, Median(page), kRounds);
    std::printf("libdeflate level 6 on its %zu bytes of samples: %.1f ms (%zu bytes)\n", sampleBytes,
                Median(deflate), compressedSize);
    std::printf("zlib level 6 on the same samples: %.1f ms\n", Median(zlib));
    std::printf("ratio page / libdeflate: %.2f (goal at most 1.50)\n", ratio);
    return 0;
}
