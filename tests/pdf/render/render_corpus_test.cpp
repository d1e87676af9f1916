// Robustness: every page of every PDF file of the shared corpus (files of other programs, many damaged)
// is interpreted into a sink that checks what it is given. No file may crash or hang the renderer, and
// the files that qpdf finds good must give most of their pages something to draw.

#include "pdf/render/render_support.h"
#include "support/checking_render_sink.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace {

struct CorpusFile {
    std::string name;
    bool good = false;
};

std::vector<CorpusFile> CorpusFiles(const std::string& corpus) {
    std::vector<CorpusFile> files;
    std::ifstream list(corpus + "/pdf-qpdf-tests.tsv");
    std::string line;
    std::getline(list, line);
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::string name, bytes, check;
        if (std::getline(fields, name, '\t') && std::getline(fields, bytes, '\t') &&
            std::getline(fields, check, '\t'))
            files.push_back({name, check == "ok"});
    }
    return files;
}

TEST(RenderCorpus, EveryPageInterpretedSafely) {
    const std::string corpus = STAMPADOC_CORPUS_DIR;
    const std::vector<CorpusFile> files = CorpusFiles(corpus);
    if (files.empty())
        GTEST_SKIP() << "no corpus at " << corpus;
    // Tighter bounds than a printer's, to keep the test quick: a few files hold full pages of 600 dpi
    // colour pictures, which are decoded only up to these bounds.
    RenderLimits limits;
    limits.maxOperators = 500'000;
    limits.maxImagePixels = 4u << 20;
    limits.maxImagePixelsDrawn = 16u << 20;
    limits.maxDecodedBytes = 64u << 20;
    const auto start = std::chrono::steady_clock::now();
    int pages = 0;
    int goodPages = 0;
    int goodPagesDrawn = 0;
    std::size_t glyphs = 0;
    for (const CorpusFile& file : files) {
        SCOPED_TRACE(file.name);
        auto document = rendertest::Load(loadtest::ReadFile(corpus + "/pdf-qpdf-tests/" + file.name));
        if (!document)
            continue;
        for (int page = 1; page <= document->pageTree.PageCount(); ++page) {
            CheckingRenderSink sink;
            const RenderMatrix sheet{600 / 72.0, 0, 0, -600 / 72.0, 0, 7016};
            const RenderOutcome outcome = RenderPdfPage(*document, page, sink, sheet, limits);
            sink.Finish();
            EXPECT_TRUE(sink.Problems().empty()) << "page " << page << ": " << sink.Problems().front();
            ++pages;
            glyphs += sink.Glyphs();
            if (file.good && !document->encrypted) {
                ++goodPages;
                // Beyond the page's own save, clip and restore.
                goodPagesDrawn += outcome != RenderOutcome::Failed && sink.Calls() > 3;
            }
        }
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "corpus: " << files.size() << " files, " << pages << " pages interpreted, " << goodPagesDrawn
              << " of " << goodPages << " pages of good files drew something, " << glyphs << " glyphs, "
              << seconds << " s\n";
    EXPECT_GT(pages, 1000);
    EXPECT_GT(goodPagesDrawn * 10, goodPages * 8);
}

} // namespace
