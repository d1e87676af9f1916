// The extremes of every integer the document file and the INI file give, through a whole run of the
// program (built with the sanitizers in the test build): each run ends normally, and either writes a
// sound PDF file and deletes the document file, or keeps the document file and says why.

#include "app/child_run.h"
#include "app/print_run_support.h"
#include "support/installed_program.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

using namespace print_run_test;

namespace {

// The test invoice cut to three document lines, with file line `line` replaced by `fields`.
std::string InvoiceWithLine(const std::string& pdf, int line, const std::string& fields) {
    std::istringstream in(InvoiceText(pdf));
    std::string text;
    std::string row;
    for (int number = 1; std::getline(in, row); ++number) {
        if (number == 98)
            row = "\"98\",\"3\"";
        if (number == line)
            row = "\"" + std::to_string(line) + "\"," + fields;
        text += row + "\n";
    }
    return text;
}

struct Extreme {
    std::string name;
    int line = 0;       // document file line replaced, 0 for none
    std::string fields; // its fields after field 0
    std::string ini;    // INI settings besides a footer text
};

// Each integer line of the document file and each integer INI setting at both ends of 32 bits.
std::vector<Extreme> AllExtremes() {
    const std::pair<const char*, const char*> ends[] = {{"Lowest", "-2147483648"}, {"Highest", "2147483647"}};
    const std::tuple<const char*, int, const char*> lines[] = {{"DocumentDecimals", 6, ",\"EUR\",\"1\""},
                                                               {"BaseDecimals", 7, ",\"EUR\""},
                                                               {"ReservedTop", 90, ""},
                                                               {"ReservedBottom", 91, ""},
                                                               {"Switch92", 92, ""},
                                                               {"Switch93", 93, ""},
                                                               {"Switch94", 94, ""},
                                                               {"Switch95", 95, ""},
                                                               {"Switch96", 96, ""},
                                                               {"LineCount", 98, ""}};
    const std::pair<const char*, const char*> sections[] = {{"Copies", "copie_documenti"},
                                                            {"LeftMargin", "margine_sinistro"},
                                                            {"FooterSize", "testo_piede_dimensione"},
                                                            {"FooterAlignment", "testo_piede_allineamento"},
                                                            {"Currency", "currency"},
                                                            {"FooterCompressed", "testo_piede_compresso"},
                                                            {"Halftone", "retinatura"}};
    std::vector<Extreme> all;
    for (const auto& [end, value] : ends) {
        for (const auto& [name, line, after] : lines)
            all.push_back({std::string(name) + end, line, "\"" + std::string(value) + "\"" + after, ""});
        for (const auto& [name, section] : sections)
            all.push_back(
                {std::string(name) + end, 0, "", "[" + std::string(section) + "]\r\nF=" + value + "\r\n"});
        all.push_back({std::string("DocumentNumber") + end, 73,
                       "\"12.03.2024\",\"B" + std::string(value) + "\",\"100\",\"22\"", ""});
    }
    // Large enough to overflow the form canvas's arithmetic, small enough not to be the lowest value.
    all.push_back({"ReservedTopNearlyLowest", 90, "\"-2000000000\"", ""});
    all.push_back({"LeftMarginNearlyLowest", 0, "", "[margine_sinistro]\r\nF=-2000000000\r\n"});
    return all;
}

class SettingExtremes : public ::testing::TestWithParam<Extreme> {};

TEST_P(SettingExtremes, RunEndsSoundly) {
    const Extreme& c = GetParam();
    const InstalledProgram program("stampadoc");
    program.WriteIni("[testo_piede]\r\nF_1=Grazie\r\n" + c.ini);
    TempFolder folder;
    const std::string pdf = folder / "OUT.PDF";
    const std::string document = folder / "doc.txt";
    WriteFile(document, InvoiceWithLine(pdf, c.line, c.fields));

    const ChildRun run =
        RunChild(program.path().string(), {"/I=" + document, "/R=72", "/C=1", "/F=101100N0"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
    if (Exists(document)) {
        EXPECT_NE(run.errors.find(" kept: "), std::string::npos) << "a kept document says why";
        EXPECT_FALSE(Exists(pdf));
    } else {
        EXPECT_EQ(run.errors, "");
        EXPECT_TRUE(QpdfCheckPasses(pdf));
        EXPECT_GE(PdfPages(pdf), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryInteger, SettingExtremes, ::testing::ValuesIn(AllExtremes()),
                         [](const auto& info) { return info.param.name; });

} // namespace
