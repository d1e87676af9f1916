// Every page bitmap of the example documents and of the golden layout documents, printed into PDF files
// by the program, against the MD5 sums of their samples (tests/data/render/page_bitmaps.md5). The
// samples are read back by poppler and qpdf, so that any change to a single pixel of a page shows. The
// sums are those of the Linux drawing layer; the Windows pages differ in their glyph shapes.
#include "support/installed_program.h"
#include "support/program_run.h"
#include "support/shell_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = STAMPADOC_SOURCE_DIR;
const fs::path kLayoutData = fs::path(STAMPADOC_TEST_DATA) / "layout";

std::string RunCommand(const std::string& command) {
    return RunShell(command).output;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A document to print: its file, the layout switches, and whether the example INI file (footer texts,
// logo) lies beside the program.
struct GoldenDocument {
    std::string name;
    fs::path file;
    std::string flags;
    bool exampleSettings = false;
};

std::vector<GoldenDocument> Documents() {
    std::vector<GoldenDocument> documents;
    for (const char* name : {"ddt", "fattura", "ottanta_colonne", "scontrino"})
        documents.push_back({std::string("ex_") + name, kSource / "examples" / (std::string(name) + ".txt"),
                             "/F=11020N10", true});
    for (const fs::directory_entry& entry : fs::directory_iterator(kLayoutData)) {
        if (entry.path().extension() != ".args" || entry.path().stem() == "prezzo_errato")
            continue; // that document fails to compose and prints nothing
        std::istringstream args(ReadFile(entry.path()));
        std::string flags;
        while (args >> flags && flags.rfind("/F=", 0) != 0) {
        }
        if (flags.rfind("/F=", 0) == 0)
            documents.push_back({"gl_" + entry.path().stem().string(),
                                 kLayoutData / (entry.path().stem().string() + ".txt"), flags, false});
    }
    return documents;
}

// The golden sums by document: page number -> MD5 of the inflated samples.
std::map<std::string, std::map<int, std::string>> GoldenSums() {
    std::map<std::string, std::map<int, std::string>> sums;
    std::istringstream lines(ReadFile(fs::path(STAMPADOC_TEST_DATA) / "render" / "page_bitmaps.md5"));
    std::string name;
    int page = 0;
    std::string md5;
    while (lines >> name >> page >> md5)
        sums[name][page] = md5;
    return sums;
}

// The document with line 97 naming the PDF file to write.
std::string WithPdfFile(const std::string& text, const fs::path& pdf) {
    std::string out;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const bool cr = !line.empty() && line.back() == '\r';
        out += number == 97 ? "\"\",\"" + pdf.string() + "\"" + (cr ? "\r" : "") : line;
        out += '\n';
    }
    return out;
}

class PageBitmaps : public ::testing::TestWithParam<GoldenDocument> {};

} // namespace

TEST_P(PageBitmaps, SamplesMatchTheGoldenSums) {
    const GoldenDocument& document = GetParam();
    const InstalledProgram program("stampadoc");
    ASSERT_FALSE(program.path().empty());
    if (document.exampleSettings) {
        // The example INI file, with its logo named by full path.
        std::string ini = ReadFile(kSource / "examples/stampadoc.ini");
        const std::string logo = "examples/logo.jpg";
        const std::string full = (kSource / logo).string();
        for (size_t at = ini.find(logo); at != std::string::npos; at = ini.find(logo, at + full.size()))
            ini.replace(at, logo.size(), full);
        program.WriteIni(ini);
    }
    const fs::path work = program.folder();
    const fs::path pdf = work / "PAGINE.PDF";
    const fs::path file = work / "documento.txt";
    std::ofstream(file, std::ios::binary) << WithPdfFile(ReadFile(document.file), pdf);
    RunProgram(program.path(), {"/I=" + file.string(), document.flags, "/C=1", "/R=72"});
    ASSERT_FALSE(fs::exists(file)) << "the print run failed";

    // pdfimages lists page, size, encoding and object number of every image; the form bitmaps are the
    // Flate-encoded ones.
    std::map<int, std::string> sums;
    std::istringstream list(RunCommand("pdfimages -list " + ShellQuoted(pdf)));
    std::string line;
    // Columns: page num type width height color comp bpc enc interp object ID ...
    while (std::getline(list, line)) {
        std::istringstream columns(line);
        std::vector<std::string> m;
        for (std::string column; columns >> column;)
            m.push_back(column);
        if (m.size() < 12 || m[0].find_first_not_of("0123456789") != std::string::npos || m[8] != "image" ||
            m[11] != "0")
            continue;
        EXPECT_EQ(m[3], "4900");
        EXPECT_EQ(m[4], "7015");
        std::string& sum = sums[std::stoi(m[0])];
        sum = RunCommand("qpdf --show-object=" + m[10] + " --filtered-stream-data " + ShellQuoted(pdf) +
                         " | md5sum | cut -c1-32");
        sum.pop_back(); // the line end
    }
    EXPECT_EQ(sums, GoldenSums()[document.name]);
}

INSTANTIATE_TEST_SUITE_P(Documents, PageBitmaps, ::testing::ValuesIn(Documents()),
                         [](const ::testing::TestParamInfo<GoldenDocument>& info) {
                             return info.param.name;
                         });
