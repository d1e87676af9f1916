// The layout preview program against hand-checked page texts of the documents in tests/data/layout.
#include "layout/preview_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace preview_test;

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

std::vector<std::string> GoldenDocuments() {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kDataDir))
        if (entry.path().extension() == ".expected")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class PreviewGolden : public ::testing::TestWithParam<std::string> {};

} // namespace

TEST_P(PreviewGolden, PageTextMatchesTheCheckedCopy) {
    const fs::path document = kDataDir / (GetParam() + ".txt");
    const std::string before = ReadFile(document);
    const std::string switches = FirstLine(ReadFile(kDataDir / (GetParam() + ".args")));
    const std::string output = RunPreview({"/I=" + document.string()}, switches);
    EXPECT_EQ(output, ReadFile(kDataDir / (GetParam() + ".expected")));
    // The preview never deletes or changes the document file.
    ASSERT_TRUE(fs::exists(document));
    EXPECT_EQ(ReadFile(document), before);
}

INSTANTIATE_TEST_SUITE_P(Documents, PreviewGolden, ::testing::ValuesIn(GoldenDocuments()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(PreviewProgram, MissingDocumentFileGivesTheUsageLine) {
    EXPECT_EQ(RunPreview({"/I=" + (kDataDir / "absent.txt").string(), "/F=000010N0"}),
              "Esecuzione non consentita\n");
    EXPECT_EQ(RunPreview({"/F=000010N0"}), "Esecuzione non consentita\n");
}

TEST(PreviewProgram, RowsPerPageComeFromTheSwitch) {
    const std::string output =
        RunPreview({"/I=" + (kDataDir / "fattura_valuta.txt").string(), "/F=000110N0", "/R=80"});
    EXPECT_NE(output.find("\n079 C|\n--- slots:"), std::string::npos);
}

TEST(PreviewProgram, WithoutLayoutFlagsTheDocumentStillComposes) {
    const std::string output = RunPreview({"/I=" + (kDataDir / "fattura_valuta.txt").string()});
    EXPECT_EQ(output.rfind("=== page 1/1\n", 0), 0u);
}

TEST(PreviewProgram, ReadsTheIniFileOfTheStampadocBesideIt) {
    const InstalledProgram preview("stampadoc-preview");
    std::ofstream(preview.folder() / "stampadoc.INI", std::ios::binary)
        << "[testo_piede]\r\nF_1=GRAZIE PER LA PREFERENZA\r\n";
    // A footer text takes four rows off the page: the totals box moves up from row 67 to row 63.
    const std::string output =
        RunPreview({"/I=" + (kDataDir / "fattura_valuta.txt").string(), "/F=000110N0"}, "", preview.path());
    EXPECT_NE(output.find("\n062 N|" + std::string(64, ' ') + "(VALUTA=USD)\n"), std::string::npos);
}
