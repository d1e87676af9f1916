// Our renderer against poppler: pages of our own PDF files (the example documents as the program writes
// them, the writer's test file, the vector benchmark page) and of a few files of other programs are drawn
// through the printer's canvas and by pdftoppm into grey pictures of the same size. At most 0.5 % of the
// pixels may differ by more than a quarter of the grey range (resampling, antialiased edges), and the
// differing pixels may not form a line or a block, which would be a missing or misplaced element.

#include "pdf/render/canvas_render_sink.h"
#include "pdf/render/page_box.h"
#include "pdf/render/render_support.h"
#include "pdf/toolkit.h"
#include "platform/rgb_page_image.h"
#include "support/installed_program.h"
#include "support/program_run.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

struct GreyPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// A binary PGM file as pdftoppm -gray writes it; empty when it cannot be read.
GreyPicture ReadPgm(const std::string& path) {
    GreyPicture picture;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> picture.width >> picture.height >> maxValue) || magic != "P5" || maxValue != 255)
        return {};
    in.get();
    picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
    in.read(reinterpret_cast<char*>(picture.pixels.data()),
            static_cast<std::streamsize>(picture.pixels.size()));
    return in ? picture : GreyPicture{};
}

// Page `page` by poppler, in grey at `dpi`.
GreyPicture PopplerPage(const std::string& file, int page, int dpi, const loadtest::TempFolder& folder) {
    const std::string out = folder.File("poppler");
    const std::string number = std::to_string(page);
    const std::string command = "pdftoppm -gray -singlefile -r " + std::to_string(dpi) + " -f " + number +
                                " -l " + number + " " + loadtest::ShellQuote(file) + " " +
                                loadtest::ShellQuote(out) + " 2>/dev/null";
    if (loadtest::Run(command) != 0)
        return {};
    return ReadPgm(out + ".pgm");
}

// Page `page` by our renderer through the canvas, in a picture of the given size.
GreyPicture OurPage(TPDFDocument& document, int page, int dpi, int width, int height) {
    RgbPageImage image(width, height);
    TPDFDictionary* dictionary = document.pageTree.Page(page);
    if (image.empty() || !dictionary)
        return {};
    const PageBox box = ReadPageBox(document, *dictionary);
    const double scale = dpi / 72.0;
    const RenderMatrix pageToPicture{scale, 0, 0, -scale, -box.x1 * scale, box.y2 * scale};
    CanvasRenderSink sink(*image.canvas());
    EXPECT_EQ(RenderPdfPage(document, page, sink, pageToPicture), RenderOutcome::Complete);
    GreyPicture picture{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const DrawColor c = image.pixel(x, y);
            const double grey = 0.299 * (c & 0xFF) + 0.587 * ((c >> 8) & 0xFF) + 0.114 * ((c >> 16) & 0xFF);
            picture.pixels[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(grey + 0.5);
        }
    }
    return picture;
}

struct Difference {
    long differing = 0;
    long total = 0;
    int longestLine = 0;   // differing pixels two thick, one after the other along a row or a column
    int largestSquare = 0; // side of the largest square of differing pixels
    int lineX = 0, lineY = 0;
};

// A pixel of ours differs when it is more than a quarter of the grey range away from poppler's pixels at
// the same place and within `reach` pixels of it: the two renderers may put an antialiased or resampled
// edge a little apart (poppler fits a page picture to whole pixels, we draw it at its exact size), which
// is no missing or misplaced element. For the same reason a line must be two pixels thick: one pixel of
// an edge drawn with another coverage is none.
Difference Compare(const GreyPicture& ours, const GreyPicture& theirs, int reach) {
    Difference result;
    const int w = ours.width, h = ours.height;
    result.total = static_cast<long>(w) * h;
    const auto index = [&](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    std::vector<std::uint8_t> differs(ours.pixels.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int value = ours.pixels[index(x, y)];
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h &&
                           std::abs(value - theirs.pixels[index(x + dx, y + dy)]) <= 64;
            differs[index(x, y)] = !near;
            result.differing += !near;
        }
    }
    const auto size = static_cast<std::size_t>(w);
    std::vector<int> columnRun(size), square(size), previousSquare(size);
    for (int y = 0; y < h; ++y) {
        int rowRun = 0;
        for (int x = 0; x < w; ++x) {
            const bool d = differs[index(x, y)] != 0;
            const bool below = y + 1 < h && differs[index(x, y + 1)] != 0;
            const bool right = x + 1 < w && differs[index(x + 1, y)] != 0;
            rowRun = d && below ? rowRun + 1 : 0;
            columnRun[x] = d && right ? columnRun[x] + 1 : 0;
            square[x] = !d ? 0
                        : (x == 0 || y == 0)
                            ? 1
                            : 1 + std::min({square[x - 1], previousSquare[x], previousSquare[x - 1]});
            if (std::max(rowRun, columnRun[x]) > result.longestLine) {
                result.lineX = x;
                result.lineY = y;
            }
            result.longestLine = std::max({result.longestLine, rowRun, columnRun[x]});
            result.largestSquare = std::max(result.largestSquare, square[x]);
        }
        std::swap(square, previousSquare);
    }
    return result;
}

// Compares page by page; at most `maxPages` pages of the file.
void ComparePages(const std::string& file, int dpi, int maxPages = 1000) {
    SCOPED_TRACE(file + " at " + std::to_string(dpi) + " dpi");
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(file), 1);
    TPDFDocument& document = *toolkit.SelectedDocument();
    loadtest::TempFolder folder;
    // A line is a tenth of an inch of differing pixels, a block a square of a fiftieth of an inch.
    const int longestLine = dpi / 10;
    const int largestBlock = dpi / 50;
    for (int page = 1; page <= std::min(document.pageTree.PageCount(), maxPages); ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const GreyPicture theirs = PopplerPage(file, page, dpi, folder);
        ASSERT_GT(theirs.width, 0);
        const GreyPicture ours = OurPage(document, page, dpi, theirs.width, theirs.height);
        ASSERT_EQ(ours.pixels.size(), theirs.pixels.size());
        const Difference d = Compare(ours, theirs, std::max(1, dpi / 300));
        EXPECT_LE(d.differing * 1000, d.total * 5) << d.differing << " of " << d.total;
        EXPECT_LT(d.longestLine, longestLine) << d.lineX << "," << d.lineY;
        EXPECT_LT(d.largestSquare, largestBlock);
    }
}

// The example documents, each appended by a copy of the program to one PDF file, the invoice with the
// example logo; made once.
class PopplerComparison : public testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new InstalledProgram("stampadoc");
        folder = new loadtest::TempFolder;
        const std::string source = STAMPADOC_SOURCE_DIR;
        program->WriteIni("[marchio_file]\nF=" + source + "/examples/logo.jpg\n");
        pdf = folder->File("ESEMPI.PDF");
        for (const char* example : {"fattura", "ddt", "scontrino", "ottanta_colonne"}) {
            std::istringstream lines(loadtest::ReadFile(source + "/examples/" + example + ".txt"));
            std::string text, line;
            for (int number = 1; std::getline(lines, line); ++number)
                text += (number == 97 ? "\"\",\"" + pdf + "\"\r" : line) + "\n";
            const std::string document = folder->Write(std::string(example) + ".txt", text);
            EXPECT_EQ(RunProgram(program->path(), {"/I=" + document, "/F=12020N10", "/C=1", "/R=72"}, {},
                                 folder->path)
                          .status,
                      0);
        }
    }
    static void TearDownTestSuite() {
        delete folder;
        delete program;
    }

    static inline InstalledProgram* program = nullptr;
    static inline loadtest::TempFolder* folder = nullptr;
    static inline std::string pdf;
};

TEST_F(PopplerComparison, ExampleDocumentsAsTheProgramWritesThem) {
    ASSERT_TRUE(std::filesystem::exists(pdf)) << "the program wrote no PDF file";
    ComparePages(pdf, 150);
    ComparePages(pdf, 600, 2);
}

TEST(PopplerComparisonFiles, WriterAndBenchmarkFiles) {
    const std::string source = STAMPADOC_SOURCE_DIR;
    for (const std::string& file :
         {source + "/tests/data/pdf/model/new_document_masked.pdf", source + "/bench/vector_invoice.pdf"}) {
        ComparePages(file, 150);
        ComparePages(file, 600, 1);
    }
}

TEST(PopplerComparisonFiles, CorpusFilesOurRendererCompletes) {
    const std::string corpus = std::string(STAMPADOC_CORPUS_DIR) + "/pdf-qpdf-tests/";
    if (!std::filesystem::exists(corpus))
        GTEST_SKIP() << "no corpus at " << corpus;
    // Files of other programs in standard fonts, paths and images, which poppler and we draw alike.
    const std::vector<std::string> files = {
        "11-pages.pdf", "add-contents.pdf", "append-page-content.pdf", "c-pages.pdf",
        "coalesce.pdf", "collate-odd.pdf",  "duplicate-pages.pdf"};
    for (const std::string& name : files)
        ComparePages(corpus + name, 150, 3);
}

} // namespace
