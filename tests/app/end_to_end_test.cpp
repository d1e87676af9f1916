// The program end to end: build/stampadoc prints the test invoice into a PDF file, and keeps the
// document file on every path that does not end with the PDF file saved.

#include "app/print_run_support.h"
#include "support/no_spooler.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace print_run_test;

namespace {

const std::string kBuiltProgram = std::string(STAMPADOC_BIN_DIR) + "/stampadoc";

// The program and its halftone bitmap in a folder of the test, so that the INI file beside it is the
// test's own (none unless a test writes one).
std::string InstallProgram(const TempFolder& folder) {
    const std::filesystem::path bin = folder / "BIN";
    std::filesystem::create_directory(bin);
    std::error_code linked;
    std::filesystem::create_hard_link(kBuiltProgram, bin / "stampadoc", linked);
    if (linked)
        std::filesystem::copy_file(kBuiltProgram, bin / "stampadoc");
    std::filesystem::copy_file(std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp",
                               bin / "retino.bmp");
    return (bin / "stampadoc").string();
}

// Runs the program in folder with the given switches; answers its standard output.
std::string RunProgram(const std::string& program, const TempFolder& folder, const std::string& switches) {
    return RunCommand("cd " + Quoted(folder.path()) + " && " + Quoted(program) + " " + switches +
                      " 2>/dev/null");
}

std::string Switches(const std::string& documentFile, const std::string& more = "/R=72") {
    return "/I=" + Quoted(documentFile) + " /F=11110N10 /C=1 " + more;
}

// Names are given in upper case: the program upper-cases every switch value and every text of the
// document file, then finds the file on disk without regard to case.
class EndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { program = InstallProgram(folder); }

    std::string WriteDocument(const std::string& name, const std::string& pdfFile) {
        const std::string path = folder / name;
        WriteFile(path, InvoiceText(pdfFile));
        return path;
    }

    NoSpooler noSpooler; // no printer is installed
    TempFolder folder;
    std::string program;
};

TEST_F(EndToEndTest, PrintsIntoANewPdfFileAndDeletesTheDocumentFile) {
    const std::string pdf = folder / "ARCHIVIO.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    EXPECT_EQ(RunProgram(program, folder, Switches(document)), "");
    EXPECT_FALSE(Exists(document));
    ASSERT_TRUE(Exists(pdf));
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    auto info = PdfInfo(pdf);
    EXPECT_EQ(info["Pages"], "3");
    EXPECT_EQ(info["Title"], "Documento fiscale");
    EXPECT_EQ(info["Author"], CreditLineText());
    EXPECT_EQ(info["Producer"], CreditLineText());
    EXPECT_EQ(info["Creator"], "Marvendo");
    EXPECT_EQ(info["Numero Documenti Nel File"], "1");
    EXPECT_EQ(info["Dati documento 1"].substr(0, 20), "~F~,~12.03.2024~,~A3");

    const std::string again = WriteDocument("DOC2.TXT", pdf);
    RunProgram(program, folder, Switches(again));
    EXPECT_FALSE(Exists(again));
    info = PdfInfo(pdf);
    EXPECT_EQ(info["Pages"], "6");
    EXPECT_EQ(info["Title"], "Documenti fiscali");
    EXPECT_EQ(info["Numero Documenti Nel File"], "2");
    EXPECT_EQ(info["Dati documento 1"], info["Dati documento 2"]);
}

// The example INI file beside the program, its logo named by logoFile.
void InstallExampleIni(const TempFolder& folder, const std::string& logoFile) {
    std::string ini = ReadFile(std::string(STAMPADOC_SOURCE_DIR) + "/examples/stampadoc.ini");
    const std::string key = "F=examples/logo.jpg";
    const size_t at = ini.find(key);
    ASSERT_NE(at, std::string::npos);
    ini.replace(at, key.size(), "F=" + logoFile);
    WriteFile(folder / "BIN/stampadoc.INI", ini);
}

size_t JpegImages(const std::string& pdf) {
    const std::string list = RunCommand("pdfimages -list " + Quoted(pdf));
    size_t count = 0;
    for (size_t at = 0; (at = list.find(" jpeg ", at)) != std::string::npos; ++at)
        ++count;
    return count;
}

TEST_F(EndToEndTest, ExampleIniPlacesTheLogo) {
    InstallExampleIni(folder, std::string(STAMPADOC_SOURCE_DIR) + "/examples/logo.jpg");
    const std::string pdf = folder / "LOGO.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    EXPECT_EQ(RunProgram(program, folder, "/I=" + Quoted(document) + " /F=11020N10 /C=1 /R=72"), "");
    EXPECT_FALSE(Exists(document));
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    EXPECT_GE(JpegImages(pdf), 1u);
}

TEST_F(EndToEndTest, MissingLogoIsNoError) {
    InstallExampleIni(folder, folder / "NESSUNO.JPG");
    const std::string pdf = folder / "SENZA.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    EXPECT_EQ(RunProgram(program, folder, "/I=" + Quoted(document) + " /F=11020N10 /C=1 /R=72"), "");
    EXPECT_FALSE(Exists(document));
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    EXPECT_EQ(JpegImages(pdf), 0u);
}

TEST_F(EndToEndTest, LogoThatIsNoImageKeepsTheDocument) {
    WriteFile(folder / "ROTTO.JPG", "non un'immagine");
    InstallExampleIni(folder, folder / "ROTTO.JPG");
    const std::string pdf = folder / "ROTTO.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    EXPECT_EQ(RunProgram(program, folder, "/I=" + Quoted(document) + " /F=11020N10 /C=1 /R=72"), "");
    EXPECT_TRUE(Exists(document));
    EXPECT_FALSE(Exists(pdf));
}

TEST_F(EndToEndTest, WithoutRowsPerPageTheUsageLineIsWrittenAndTheDocumentKept) {
    const std::string pdf = folder / "ARCHIVIO.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    EXPECT_EQ(RunProgram(program, folder, Switches(document, "/S=PREDEFINITA")),
              "Esecuzione non consentita\n");
    EXPECT_EQ(RunProgram(program, folder, Switches(document, "/R=0 /S=PREDEFINITA")),
              "Esecuzione non consentita\n");
    EXPECT_TRUE(Exists(document));
    EXPECT_FALSE(Exists(pdf));
}

TEST_F(EndToEndTest, NamedPrinterKeepsTheDocumentAndWritesNothing) {
    const std::string pdf = folder / "ARCHIVIO.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    EXPECT_EQ(RunProgram(program, folder, Switches(document, "/R=72 /S=PREDEFINITA")), "");
    EXPECT_TRUE(Exists(document));
    EXPECT_FALSE(Exists(pdf));
}

TEST_F(EndToEndTest, ForeignPdfFileKeepsTheDocumentAndTheFile) {
    const std::string pdf = folder / "ALTRUI.PDF";
    // A one-page PDF file of another producer: no document count.
    const std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>",
                                              "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                              "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>",
                                              "<< /Producer (Altro programma) /Title (Estratto conto) >>"};
    std::string foreign = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(foreign.size());
        foreign += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = foreign.size();
    foreign += "xref\n0 5\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        const std::string digits = std::to_string(offset);
        foreign += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    foreign +=
        "trailer\n<< /Size 5 /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    WriteFile(pdf, foreign);
    ASSERT_TRUE(QpdfCheckPasses(pdf));
    ASSERT_EQ(PdfInfo(pdf)["Title"], "Estratto conto");
    const std::string document = WriteDocument("DOC.TXT", pdf);
    RunProgram(program, folder, Switches(document));
    EXPECT_TRUE(Exists(document));
    EXPECT_EQ(ReadFile(pdf), foreign);
}

TEST_F(EndToEndTest, DamagedPdfFileKeepsTheDocumentAndTheFile) {
    const std::string pdf = folder / "ROTTO.PDF";
    WriteFile(pdf, "%PDF-1.4\ntroncato");
    const std::string document = WriteDocument("DOC.TXT", pdf);
    RunProgram(program, folder, Switches(document));
    EXPECT_TRUE(Exists(document));
    EXPECT_EQ(ReadFile(pdf), "%PDF-1.4\ntroncato");
}

TEST_F(EndToEndTest, UnwritableFolderKeepsTheDocument) {
    const std::string pdf = folder / "MANCA/ANCHE/ARCHIVIO.PDF";
    const std::string document = WriteDocument("DOC.TXT", pdf);
    RunProgram(program, folder, Switches(document));
    EXPECT_TRUE(Exists(document));
    EXPECT_FALSE(Exists(folder / "MANCA"));
}

TEST_F(EndToEndTest, EightRunsAtOnceAllEndUpInTheFile) {
    const std::string pdf = folder / "COMUNE.PDF";
    std::string script = "cd " + Quoted(folder.path()) + " && ";
    for (int i = 1; i <= 8; ++i) {
        const std::string document = WriteDocument("DOC" + std::to_string(i) + ".TXT", pdf);
        script += Quoted(program) + " " + Switches(document) + " >/dev/null 2>&1 & ";
    }
    script += "wait";
    RunCommand(script);
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(Exists(folder / ("DOC" + std::to_string(i) + ".TXT"))) << "document " << i;
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    auto info = PdfInfo(pdf);
    EXPECT_EQ(info["Numero Documenti Nel File"], "8");
    EXPECT_EQ(info["Pages"], "24");
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(info["Dati documento " + std::to_string(i)].empty()) << "entry " << i;
    EXPECT_EQ(info.count("Dati documento 9"), 0u);
}

// Starts the program on document without waiting for it.
pid_t StartProgram(const std::string& program, const TempFolder& folder, const std::string& document) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder.path().c_str()) != 0)
            ::_exit(127);
        const std::string input = "/I=" + document;
        ::execl(program.c_str(), program.c_str(), input.c_str(), "/F=11110N10", "/C=1", "/R=72",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

TEST_F(EndToEndTest, RunKilledDuringTheSaveLeavesTheEarlierFile) {
    const std::string pdf = folder / "ARCHIVIO.PDF";
    RunProgram(program, folder, Switches(WriteDocument("PRIMO.TXT", pdf)));
    ASSERT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], "1");

    // The save writes a temporary file beside the PDF file and renames it over the PDF file. Catch a
    // run while its temporary file exists, stop it there, and kill it.
    bool caught = false;
    std::string leftover;
    for (int attempt = 0; attempt < 10 && !caught; ++attempt) {
        const std::string before = ReadFile(pdf);
        const std::string count = PdfInfo(pdf)["Numero Documenti Nel File"];
        const std::string document = WriteDocument("DOC.TXT", pdf);
        const int watch = ::inotify_init1(IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(::inotify_add_watch(watch, folder.path().c_str(), IN_CREATE), 0);
        const pid_t child = StartProgram(program, folder, document);
        ASSERT_GT(child, 0);
        std::string temporary;
        while (temporary.empty()) {
            pollfd ready{watch, POLLIN, 0};
            if (::poll(&ready, 1, 100) <= 0) {
                int status = 0;
                if (::waitpid(child, &status, WNOHANG) == child)
                    break;
                continue;
            }
            alignas(inotify_event) char events[4096];
            const ssize_t n = ::read(watch, events, sizeof events);
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(events + at);
                const std::string name = event->len ? event->name : "";
                if (name.find(".stampadoc-tmp") != std::string::npos) {
                    ::kill(child, SIGSTOP);
                    temporary = folder / name;
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        ::close(watch);
        if (!temporary.empty() && Exists(temporary)) {
            // Stopped before the rename: the PDF file is still the earlier one, and stays so.
            caught = true;
            EXPECT_EQ(ReadFile(pdf), before);
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            EXPECT_EQ(ReadFile(pdf), before);
            EXPECT_TRUE(QpdfCheckPasses(pdf));
            EXPECT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], count);
            EXPECT_TRUE(Exists(document)) << "the document file stays";
            leftover = temporary;
        } else {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            if (!temporary.empty())
                std::filesystem::remove(temporary);
        }
        std::filesystem::remove(document);
    }
    EXPECT_TRUE(caught) << "no run was caught during its save";

    // The killed run held the lock only while it lived: the next run appends, and removes the temporary
    // file that the killed save left.
    const std::string count = PdfInfo(pdf)["Numero Documenti Nel File"];
    const std::string next = WriteDocument("ULTIMO.TXT", pdf);
    RunProgram(program, folder, Switches(next));
    EXPECT_FALSE(Exists(next));
    EXPECT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], std::to_string(std::stoi(count) + 1));
    EXPECT_FALSE(leftover.empty() || Exists(leftover)) << leftover;
}

// Runs that reach one archive through a symbolic link and through its real name at the same time wait
// for each other: every document ends up in it.
TEST_F(EndToEndTest, RunsThroughALinkAndTheRealNameAllEndUpInTheFile) {
    const std::string pdf = folder / "REALE.PDF";
    std::filesystem::create_symlink(pdf, folder / "LINK.PDF");
    RunProgram(program, folder, Switches(WriteDocument("PRIMO.TXT", pdf)));
    ASSERT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], "1");
    std::string script = "cd " + Quoted(folder.path()) + " && ";
    for (int i = 1; i <= 8; ++i) {
        const std::string name = i % 2 ? "LINK.PDF" : "REALE.PDF";
        const std::string document = WriteDocument("DOC" + std::to_string(i) + ".TXT", folder / name);
        script += Quoted(program) + " " + Switches(document) + " >/dev/null 2>&1 & ";
    }
    RunCommand(script + "wait");
    for (int i = 1; i <= 8; ++i)
        EXPECT_FALSE(Exists(folder / ("DOC" + std::to_string(i) + ".TXT"))) << "document " << i;
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "LINK.PDF"));
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    EXPECT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], "9");
}

} // namespace
