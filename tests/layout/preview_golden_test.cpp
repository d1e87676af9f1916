// The layout preview program against hand-checked page texts of the documents in tests/data/layout.
#include "support/installed_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = fs::path(STAMPADOC_TEST_DATA) / "layout";

// The preview program of this test run, in a folder of its own: no INI file lies beside it.
const fs::path& PreviewProgram() {
    static const InstalledProgram copy("stampadoc-preview");
    return copy.path();
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

// Runs the preview with the arguments and answers its standard output.
// `environment` holds variable assignments for the program, such as "LC_ALL=C".
std::string RunPreview(const std::string& arguments, const fs::path& program = PreviewProgram(),
                       const std::string& environment = "") {
    const std::string command = environment + " '" + program.string() + "' " + arguments + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t count = 0;
        while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            output.append(buffer, count);
        pclose(pipe);
    }
    return output;
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
    const std::string output = RunPreview("'/I=" + document.string() + "' " + switches);
    EXPECT_EQ(output, ReadFile(kDataDir / (GetParam() + ".expected")));
    // The preview never deletes or changes the document file.
    ASSERT_TRUE(fs::exists(document));
    EXPECT_EQ(ReadFile(document), before);
}

INSTANTIATE_TEST_SUITE_P(Documents, PreviewGolden, ::testing::ValuesIn(GoldenDocuments()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(PreviewProgram, MissingDocumentFileGivesTheUsageLine) {
    EXPECT_EQ(RunPreview("'/I=" + (kDataDir / "absent.txt").string() + "' /F=000010N0"),
              "Esecuzione non consentita\n");
    EXPECT_EQ(RunPreview("/F=000010N0"), "Esecuzione non consentita\n");
}

TEST(PreviewProgram, RowsPerPageComeFromTheSwitch) {
    const std::string output =
        RunPreview("'/I=" + (kDataDir / "fattura_valuta.txt").string() + "' /F=000110N0 /R=80");
    EXPECT_NE(output.find("\n079 C|\n--- slots:"), std::string::npos);
}

TEST(PreviewProgram, WithoutLayoutFlagsTheDocumentStillComposes) {
    const std::string output = RunPreview("'/I=" + (kDataDir / "fattura_valuta.txt").string() + "'");
    EXPECT_EQ(output.rfind("=== page 1/1\n", 0), 0u);
}

TEST(PreviewProgram, ReadsTheIniFileOfTheStampadocBesideIt) {
    const InstalledProgram preview("stampadoc-preview");
    std::ofstream(preview.folder() / "stampadoc.INI", std::ios::binary)
        << "[testo_piede]\r\nF_1=GRAZIE PER LA PREFERENZA\r\n[currency]\r\nF=1\r\n";
    // A footer text takes four rows off the page: the totals box moves up from row 67 to row 63, and the
    // INI currency setting puts the currency sign of the user's locale before the total, converted to
    // Windows-1252 (the euro is 0x80); the C locale has none, and only the blank before the total remains.
    for (const auto& [locale, sign] :
         {std::pair<std::string, std::string>{"it_IT.UTF-8", "\x80"}, {"C", ""}}) {
        const std::string output =
            RunPreview("'/I=" + (kDataDir / "fattura_valuta.txt").string() + "' /F=000110N0", preview.path(),
                       "LC_ALL=" + locale);
        EXPECT_NE(output.find("\n062 N|" + std::string(64, ' ') + "(VALUTA=USD)\n"), std::string::npos);
        // The total ends in column 78 of the row.
        EXPECT_NE(output.find("\n066 N|" + std::string(69 - sign.size(), ' ') + sign + " 1.342,00\n"),
                  std::string::npos)
            << locale;
    }
}
