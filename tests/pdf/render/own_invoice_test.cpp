// Our own PDF files: the example invoice as the program writes it, loaded as the delivery loads it and
// interpreted page by page. Each page must give the form picture over the page, the logo in its frame and
// the credit line turned upright along the right edge; poppler's pdfimages reads the same pictures.

#include "pdf/render/render_support.h"
#include "pdf/toolkit.h"
#include "support/installed_program.h"
#include "support/program_run.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>

namespace {

using rendertest::RecordingSink;

const std::string kCreditLine = "Stampato con Marvendo - Pentacor srl - Padova - www.pentacor.it";

// The example invoice printed into a PDF file by a copy of the program, with the example logo; made once.
class OwnInvoice : public testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new InstalledProgram("stampadoc");
        folder = new loadtest::TempFolder;
        const std::string source = STAMPADOC_SOURCE_DIR;
        program->WriteIni("[marchio_file]\nF=" + source + "/examples/logo.jpg\n");
        std::istringstream lines(loadtest::ReadFile(source + "/examples/fattura.txt"));
        std::string text;
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number)
            text += (number == 97 ? "\"\",\"" + folder->File("esempio.pdf") + "\"\r" : line) + "\n";
        const std::string document = folder->Write("fattura.txt", text);
        EXPECT_EQ(
            RunProgram(program->path(), {"/I=" + document, "/F=11020N10", "/C=1", "/R=72"}, {}, folder->path)
                .status,
            0);
        // The program upper-cases the names it is given.
        for (const auto& entry : std::filesystem::directory_iterator(folder->path)) {
            std::string name = entry.path().filename().string();
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            if (name == "esempio.pdf")
                pdf = entry.path().string();
        }
    }
    static void TearDownTestSuite() {
        delete folder;
        delete program;
    }

    void SetUp() override {
        ASSERT_FALSE(pdf.empty()) << "the program wrote no PDF file";
        ASSERT_EQ(toolkit.LoadFromFile(pdf), 1);
    }

    // The page drawn in page space.
    RecordingSink Draw(int page) {
        RecordingSink sink;
        EXPECT_EQ(RenderPdfPage(*toolkit.SelectedDocument(), page, sink, RenderMatrix()),
                  RenderOutcome::Complete);
        return sink;
    }

    static InstalledProgram* program;
    static loadtest::TempFolder* folder;
    static std::string pdf;
    TPDFToolkit toolkit;
};

InstalledProgram* OwnInvoice::program = nullptr;
loadtest::TempFolder* OwnInvoice::folder = nullptr;
std::string OwnInvoice::pdf;

// pdfimages' list of the pictures of one page: width, height, colour and bits per component.
std::vector<std::string> PopplerImages(const std::string& pdf, int page) {
    std::string output;
    loadtest::Run("pdfimages -list -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                      loadtest::ShellQuote(pdf),
                  &output);
    std::vector<std::string> images;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string number, index, type, width, height, colour, components, bits;
        if (fields >> number >> index >> type >> width >> height >> colour >> components >> bits &&
            type == "image")
            images.push_back(width + "x" + height + " " + colour + " " + bits);
    }
    return images;
}

std::string Described(const std::string& record, const std::string& colour, int bits) {
    std::istringstream fields(record);
    std::string word, format, size;
    fields >> word >> format >> size;
    return size + " " + colour + " " + std::to_string(bits);
}

TEST_F(OwnInvoice, EveryPageHasFormLogoAndCreditLine) {
    const int pages = toolkit.PageCount();
    ASSERT_GE(pages, 1);
    const double width = toolkit.PageWidth(); // points: a loaded document is measured in points
    const double height = toolkit.PageHeight();
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        const RecordingSink sink = Draw(page);
        std::vector<std::string> images;
        for (const std::string& record : sink.records)
            if (record.rfind("image ", 0) == 0)
                images.push_back(record);
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(PopplerImages(pdf, page), (std::vector<std::string>{Described(images[0], "gray", 1),
                                                                      Described(images[1], "rgb", 8)}));

        // The form picture covers the page but for 0.05 inch on either side.
        EXPECT_EQ(images[0].substr(0, 12), "image gray1 ");
        const RenderMatrix& form = sink.imageMatrices[0];
        EXPECT_NEAR(form.a, width - 7.2, 1e-3);
        EXPECT_NEAR(form.d, height, 1e-3);
        EXPECT_NEAR(form.e, 3.6, 1e-3);
        EXPECT_NEAR(form.f, 0, 1e-3);
        // The logo, in RGB, inside the page.
        EXPECT_EQ(images[1].substr(0, 12), "image rgb24 ");
        const RenderMatrix& logo = sink.imageMatrices[1];
        EXPECT_GT(logo.a, 0);
        EXPECT_GT(logo.d, 0);
        EXPECT_GE(logo.e, 0);
        EXPECT_LE(logo.e + logo.a, width);
        EXPECT_GE(logo.f, 0);
        EXPECT_LE(logo.f + logo.d, height);

        ASSERT_EQ(sink.runs.size(), 1u);
        const RenderGlyphRun& credit = sink.runs[0];
        EXPECT_EQ(credit.fontName, "Times-Roman");
        std::string text;
        for (const RenderGlyph& glyph : credit.glyphs)
            text += static_cast<char>(glyph.ansi);
        EXPECT_EQ(text, kCreditLine);
        // Turned by 90 degrees at 6 points, reading upwards, centred on the page's half height.
        EXPECT_NEAR(credit.matrix.a, 0, 1e-6);
        EXPECT_NEAR(credit.matrix.b, 6, 1e-6);
        EXPECT_NEAR(credit.matrix.c, -6, 1e-6);
        EXPECT_NEAR(credit.matrix.d, 0, 1e-6);
        const RenderGlyph& last = credit.glyphs.back();
        double x = 0;
        double y = 0;
        credit.matrix.Apply((last.x + last.width) / 2, 0, x, y);
        EXPECT_NEAR(y, height / 2, 0.01);
        EXPECT_GT(x, width - 12);
        EXPECT_LT(x, width);
    }
}

TEST_F(OwnInvoice, FormPictureSamplesAreThoseAPopplerToolReads) {
    const RecordingSink sink = Draw(1);
    ASSERT_FALSE(sink.imageSamples.empty());
    const std::vector<std::uint8_t>& ours = sink.imageSamples[0];
    ASSERT_EQ(loadtest::Run("pdfimages -f 1 -l 1 " + loadtest::ShellQuote(pdf) + " " +
                            loadtest::ShellQuote(folder->File("page"))),
              0);
    // A PBM file: "P4", width, height, then rows of whole bytes with 1 for black.
    const std::string pbm = loadtest::ReadFile(folder->File("page-000.pbm"));
    std::istringstream header(pbm);
    std::string magic;
    int pbmWidth = 0;
    int pbmHeight = 0;
    header >> magic >> pbmWidth >> pbmHeight;
    ASSERT_EQ(magic, "P4");
    const std::size_t stride = (static_cast<std::size_t>(pbmWidth) + 7) / 8;
    const std::size_t start = static_cast<std::size_t>(header.tellg()) + 1;
    ASSERT_EQ(pbm.size() - start, stride * static_cast<std::size_t>(pbmHeight));
    ASSERT_EQ(ours.size(), pbm.size() - start);
    const std::uint8_t lastMask =
        static_cast<std::uint8_t>(0xFF << (stride * 8 - static_cast<std::size_t>(pbmWidth)));
    std::size_t differing = 0;
    std::size_t black = 0;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        const std::uint8_t mask = (i + 1) % stride == 0 ? lastMask : 0xFF;
        const auto white = static_cast<std::uint8_t>(~static_cast<std::uint8_t>(pbm[start + i]) & mask);
        differing += (ours[i] & mask) != white;
        black += static_cast<std::size_t>(__builtin_popcount(static_cast<std::uint8_t>(~ours[i] & mask)));
    }
    EXPECT_EQ(differing, 0u);
    EXPECT_GT(black, 10000u); // the form is drawn, not a blank page
}

} // namespace
