// Robustness: every PDF file of the shared corpus (files of other programs, many damaged) is loaded;
// none may crash or hang the loader. Files that qpdf finds good must load with the page count qpdf gives
// (tests/data/pdf/load/corpus_pages.tsv, made with `qpdf --show-npages`), and a save and reload must keep
// it. Every third saved file is also checked by qpdf (all of them with STAMPADOC_FULL_CORPUS=1).

#include "pdf/reader/load_support.h"
#include "pdf/toolkit.h"

#include <fstream>
#include <sstream>

namespace {

// Rows of a tab-separated file without its heading: the first `columns` fields of each line.
std::vector<std::vector<std::string>> ReadTable(const std::string& fileName, std::size_t columns) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream list(fileName);
    std::string line;
    std::getline(list, line);
    while (std::getline(list, line)) {
        std::istringstream fields(line);
        std::vector<std::string> row(columns);
        bool complete = true;
        for (std::string& field : row)
            complete = complete && static_cast<bool>(std::getline(fields, field, '\t'));
        if (complete)
            rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(LoadCorpus, EveryFileLoadsOrFailsCleanlyAndGoodFilesRoundTrip) {
    const std::string corpus = STAMPADOC_CORPUS_DIR;
    const auto files = ReadTable(corpus + "/pdf-qpdf-tests.tsv", 3);
    if (files.empty())
        GTEST_SKIP() << "no corpus at " << corpus;
    std::map<std::string, int> expectedPages;
    for (const auto& row : ReadTable(std::string(STAMPADOC_TEST_DATA) + "/pdf/load/corpus_pages.tsv", 2))
        expectedPages[row[0]] = std::atoi(row[1].c_str());
    ASSERT_FALSE(expectedPages.empty());
    const bool full = std::getenv("STAMPADOC_FULL_CORPUS") != nullptr;

    loadtest::TempFolder folder;
    int loaded = 0;
    int good = 0;
    int roundTrips = 0;
    int checked = 0;
    for (const auto& row : files) {
        const std::string& name = row[0];
        SCOPED_TRACE(name);
        const std::string path = corpus + "/pdf-qpdf-tests/" + name;
        TPDFToolkit toolkit;
        const int result = toolkit.LoadFromFile(path);
        loaded += result;
        if (row[2] != "ok" || !expectedPages.count(name))
            continue;
        ++good;
        const int pages = expectedPages[name];
        const bool encrypted = loadtest::ReadFile(path).find("/Encrypt") != std::string::npos;
        if (result != 1) {
            // Files without pages, and encrypted files whose page tree sits in an encrypted object stream,
            // cannot be appended to; everything else must load.
            if (pages > 0 && !encrypted)
                ADD_FAILURE() << "qpdf finds this file good but it does not load";
            continue;
        }
        if (pages == 0)
            continue; // qpdf sees no page where the page tree reader may find one (many-nulls.pdf)
        EXPECT_EQ(toolkit.PageCount(), pages);
        if (toolkit.SelectedDocument()->encrypted)
            continue; // its objects cannot be rewritten without the key
        const std::string saved = folder.File("saved.pdf");
        ASSERT_EQ(toolkit.SaveToFile(saved), 1);
        TPDFToolkit again;
        ASSERT_EQ(again.LoadFromFile(saved), 1);
        EXPECT_EQ(again.PageCount(), pages);
        ++roundTrips;
        if (full || roundTrips % 3 == 0) {
            std::string output;
            const int check =
                loadtest::Run("qpdf --show-npages --check " + loadtest::ShellQuote(saved), &output);
            EXPECT_TRUE(check == 0 || check == 3) << "qpdf --check gives " << check << "\n" << output;
            const std::size_t lastLine = output.find_last_of('\n', output.size() - 2);
            EXPECT_EQ(std::atoi(output.c_str() + (lastLine == std::string::npos ? 0 : lastLine + 1)), pages);
            ++checked;
        }
    }
    std::cout << "corpus: " << files.size() << " files, " << loaded << " loaded; " << good << " good, "
              << roundTrips << " saved and reloaded, " << checked << " checked by qpdf\n";
}
