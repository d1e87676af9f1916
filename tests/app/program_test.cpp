// End-to-end runs of the stampadoc program: a copy of the executable in a scratch folder, with or
// without an INI file beside it, started without a shell.

#include "app/document_file_text.h"
#include "platform/file_exists.h"
#include "platform/scratch_folder.h"
#include "support/no_spooler.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct ProgramResult {
    std::string output; // standard output
    int status = -1;    // exit status, -1 when the program did not exit normally
};

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    ProgramResult result;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    return result;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string UpperAsciiCopy(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(std::string(STAMPADOC_BIN_DIR) + "/stampadoc", program);
        std::filesystem::permissions(program, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add);
        const std::string halftone = std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp";
        if (IsExistingFile(halftone))
            std::filesystem::copy_file(halftone, folder / "retino.bmp");
        folder.Write("stampadoc.INI", "[copie_documenti]\r\nF=2\r\n[margine_sinistro]\r\nF=120\r\n");
    }

    NoSpooler noSpooler; // a printer named here is never found
    ScratchFolder folder;
    std::string program = folder / "stampadoc";
};

TEST_F(ProgramTest, NoArgumentsPrintsExactlyTheUsageLine) {
    const ProgramResult result = RunProgram(program, {});
    EXPECT_EQ(result.output, "Esecuzione non consentita\n");
    EXPECT_EQ(result.status, 0);
}

TEST_F(ProgramTest, InvalidSwitchesPrintTheUsageLine) {
    const std::string document = folder.Write("doc.txt", DocumentFileText({{1, ",\"F\""}}));
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"/I=" + document, "/S=PREDEFINITA", "/C=0", "/F=1"},
             {"/I=" + document, "/S=PREDEFINITA", "/C=1"},
             {"/I=" + document, "/C=1", "/F=1"},
             {"/I=" + folder / "absent.txt", "/S=PREDEFINITA", "/C=1", "/F=1"},
             {"/T=F", "/I=" + document}}) {
        const ProgramResult result = RunProgram(program, arguments);
        EXPECT_EQ(result.output, "Esecuzione non consentita\n") << arguments.size();
        EXPECT_EQ(result.status, 0);
    }
    EXPECT_TRUE(IsExistingFile(document));
}

TEST_F(ProgramTest, DirectPrintInvocationKeepsTheDocumentFile) {
    // No printer is installed: nothing is printed, so the document file stays.
    const std::string text = DocumentFileText({{1, ",\"F\""}, {2, ",\"Fattura\""}});
    const std::string document = folder.Write("Export/Documento.txt", text);
    const ProgramResult result =
        RunProgram(program, {"/I=" + UpperAsciiCopy(document), "/S=PREDEFINITA", "/C=1", "/F=101200N0"});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadWholeFile(document), text);
}

TEST_F(ProgramTest, PdfOutputInvocationSavesThePdfAndDeletesTheDocumentFile) {
    const std::string text = DocumentFileText({{1, ",\"F\""}, {97, ",\"" + folder / "out.pdf\""}});
    const std::string document = folder.Write("doc.txt", text);
    const ProgramResult result = RunProgram(program, {"/I=" + document, "/R=66", "/C=1", "/F=101200N0"});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.status, 0);
    // The reader upper-cases the name; a file still to be created keeps that spelling.
    EXPECT_EQ(ReadWholeFile(folder / "OUT.PDF").substr(0, 5), "%PDF-");
    EXPECT_FALSE(IsExistingFile(document));
}

TEST_F(ProgramTest, PdfOutputWithoutRowsPerPageKeepsTheDocumentFile) {
    const std::string text = DocumentFileText({{1, ",\"F\""}, {97, ",\"" + folder / "out.pdf\""}});
    const std::string document = folder.Write("doc.txt", text);
    const ProgramResult result =
        RunProgram(program, {"/I=" + document, "/S=PREDEFINITA", "/C=1", "/F=101200N0"});
    EXPECT_EQ(result.output, "Esecuzione non consentita\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadWholeFile(document), text);
    EXPECT_FALSE(IsExistingFile(folder / "OUT.PDF"));
}

TEST_F(ProgramTest, RowsPerPageBeyondAnySheetKeepTheDocumentFile) {
    const std::string text = DocumentFileText({{1, ",\"F\""}, {97, ",\"" + folder / "out.pdf\""}});
    const std::string document = folder.Write("doc.txt", text);
    const ProgramResult result =
        RunProgram(program, {"/I=" + document, "/R=2000000000", "/C=1", "/F=101200N0"});
    EXPECT_EQ(result.output, "Esecuzione non consentita\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadWholeFile(document), text);
    EXPECT_FALSE(IsExistingFile(folder / "OUT.PDF"));
}

TEST_F(ProgramTest, ReprintInvocationKeepsThePdfFile) {
    const std::string pdf = folder.Write("archivio.pdf", "%PDF-1.4\n%%EOF\n");
    const ProgramResult result = RunProgram(program, {"/T=F", "/I=" + pdf, "/S=PREDEFINITA"});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(ReadWholeFile(pdf), "%PDF-1.4\n%%EOF\n");
}

TEST_F(ProgramTest, PipeOrDeviceAsDocumentFileIsNoDocument) {
    // Reading either would never end: they are not files for the mode's preconditions.
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    for (const std::string& input : {folder / "pipe", std::string("/dev/zero")}) {
        const ProgramResult result = RunProgram(program, {"/I=" + input, "/S=PREDEFINITA", "/C=1", "/F=1"});
        EXPECT_EQ(result.output, "Esecuzione non consentita\n");
        EXPECT_EQ(result.status, 0);
    }
}

TEST_F(ProgramTest, UnreadableDocumentFileEndsQuietly) {
    // A document file of arbitrary bytes is read as a document with empty fields; the run exits 0.
    const std::string document = folder.Write("junk.txt", std::string("\0\xFF\"\r\r\n,,\"", 9));
    const ProgramResult result = RunProgram(program, {"/I=" + document, "/S=PREDEFINITA", "/C=1", "/F=1"});
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(IsExistingFile(document));
}

} // namespace
