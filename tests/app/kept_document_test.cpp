// A run that keeps its document file says why on standard error, in one line naming the file; standard
// output and the exit status stay as they were.

#include "app/child_run.h"
#include "app/document_file_text.h"
#include "app/kept_document.h"
#include "pdf/toolkit.h"
#include "platform/scratch_folder.h"
#include "support/installed_program.h"
#include "support/no_spooler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteForeignPdf(const std::string& path) {
    TPDFToolkit pdf;
    ASSERT_NE(pdf.NewDocument(), nullptr);
    ASSERT_GT(pdf.SaveToFile(path), 0);
}

struct FailureCase {
    const char* name;
    std::map<int, std::string> lines; // "{pdf}" stands for the PDF file, "{folder}" for the scratch folder
    std::vector<std::string> switches;
    const char* pdfContent; // written as the PDF file before the run; nullptr for none, "foreign" for a PDF
    const char* output;     // expected standard output
    const char* reason;     // part of the reason on standard error
};

std::string Expand(std::string text, const std::string& folder) {
    for (const auto& [name, value] : {std::pair<std::string, std::string>{"{pdf}", folder + "/OUT.PDF"},
                                      std::pair<std::string, std::string>{"{folder}", folder}}) {
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name))
            text.replace(at, name.size(), value);
    }
    return text;
}

class KeptDocument : public ::testing::TestWithParam<FailureCase> {};

TEST_P(KeptDocument, WritesOneLineNamingTheReasonAndTheFile) {
    const FailureCase& c = GetParam();
    const NoSpooler noSpooler; // the program finds no printer, whatever scheduler the machine runs
    const InstalledProgram program("stampadoc");
    ScratchFolder folder;
    std::map<int, std::string> lines{{1, ",\"F\""}};
    for (const auto& [line, fields] : c.lines)
        lines[line] = Expand(fields, folder.Path());
    folder.Write("logo.txt", "no picture");
    if (c.pdfContent != nullptr && std::string(c.pdfContent) == "foreign")
        WriteForeignPdf(folder / "OUT.PDF");
    else if (c.pdfContent != nullptr)
        folder.Write("OUT.PDF", c.pdfContent);
    const std::string text = DocumentFileText(lines);
    const std::string document = folder.Write("doc.txt", text);
    std::vector<std::string> arguments{"/I=" + document, "/C=1"};
    arguments.insert(arguments.end(), c.switches.begin(), c.switches.end());

    const ChildRun run = RunChild(program.path().string(), arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, c.output);
    EXPECT_EQ(run.errors.rfind("stampadoc: " + document + " kept: ", 0), 0u) << run.errors;
    EXPECT_NE(run.errors.find(c.reason), std::string::npos) << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << "one line: " << run.errors;
    EXPECT_EQ(ReadWholeFile(document), text);
}

const char* const kUsage = "Esecuzione non consentita\n";

INSTANTIATE_TEST_SUITE_P(
    FailurePaths, KeptDocument,
    ::testing::Values(
        FailureCase{"TooManyLines",
                    {{97, ",\"{pdf}\""}, {98, ",\"100001\""}},
                    {"/R=66", "/F=101200N0"},
                    nullptr,
                    "",
                    "100001 document lines"},
        FailureCase{"NoPrinter", {}, {"/S=PREDEFINITA", "/F=101200N0"}, nullptr, "", "no printer"},
        FailureCase{"NoRowsPerPage",
                    {{97, ",\"{pdf}\""}},
                    {"/S=PREDEFINITA", "/F=101200N0"},
                    nullptr,
                    kUsage,
                    "rows per page"},
        FailureCase{"UnreadablePdf",
                    {{97, ",\"{pdf}\""}},
                    {"/R=66", "/F=101200N0"},
                    "no PDF at all",
                    "",
                    "cannot be read"},
        FailureCase{
            "ForeignPdf", {{97, ",\"{pdf}\""}}, {"/R=66", "/F=101200N0"}, "foreign", "", "no document count"},
        FailureCase{"LogoNotAnImage",
                    {{89, ",\"{folder}/logo.txt\""}, {97, ",\"{pdf}\""}},
                    {"/R=66", "/F=101200N0"},
                    nullptr,
                    "",
                    "logo"},
        FailureCase{"NoBodyRows",
                    {{90, ",\"60\""}, {97, ",\"{pdf}\""}},
                    {"/R=66", "/F=101200N0"},
                    nullptr,
                    "",
                    "cannot be composed"},
        FailureCase{"PdfFolderTwoLevelsDeep",
                    {{97, ",\"{folder}/A/B/OUT.PDF\""}},
                    {"/R=66", "/F=101200N0"},
                    nullptr,
                    "",
                    "OUT.PDF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeptDocument, ClosedStandardOutputLeavesTheExitStatusAlone) {
    const InstalledProgram program("stampadoc");
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]); // the usage line goes into a pipe nobody reads
    const pid_t child = fork();
    if (child == 0) {
        dup2(ends[1], STDOUT_FILENO);
        execl(program.path().c_str(), program.path().c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(KeptDocument, ADocumentFileThatCannotBeDeletedIsReported) {
    ScratchFolder folder;
    const std::string printed = folder.Write("printed.txt", "x");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(DeletePrintedDocument(printed));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(std::filesystem::exists(printed));

    // A folder that is not empty cannot be removed, whoever runs the test.
    const std::string stuck = folder / "stuck";
    folder.Write("stuck/inside.txt", "x");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(DeletePrintedDocument(stuck));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors.rfind("stampadoc: " + stuck + " printed but not deleted", 0), 0u) << errors;
    EXPECT_NE(errors.find("would print it again"), std::string::npos);
}

} // namespace
