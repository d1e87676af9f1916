// The print run for PDF output, driven on the engine directly: new files, appending, the information
// entries, the page contents, and every way a run fails without touching the PDF file.

#include "app/print_run_support.h"

#include "app/desktop_double.h"
#include "app/pdf_output.h"
#include "docdata/document_reader.h"
#include "layout/stampa_documento_base.h"
#include "pdf/toolkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace print_run_test;

namespace {

class PrintRunTest : public ::testing::Test {
protected:
    // An engine loaded with the test invoice, PDF output into pdfFile.
    std::unique_ptr<TStampaDocumentoBase> MakeEngine(const std::string& pdfFile) {
        const std::string documentFile = folder / "documento.txt";
        WriteFile(documentFile, InvoiceText("IGNORATO.PDF"));
        TRecDocObjectBase record;
        RunParameters parameters;
        ReadDocumentFile(documentFile, record, parameters);
        headings = parameters.ColumnHeadings;
        auto engine = std::make_unique<TStampaDocumentoBase>(
            std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp", "", true);
        engine->leftMargin = 150;
        engine->setCaptionDefaults(true);
        engine->loadDocument(record, 0);
        engine->pdfFile = pdfFile;
        return engine;
    }

    bool Run(TStampaDocumentoBase& engine, int rows = 72, int copies = 1) {
        return engine.printRun(copies, rows, headings);
    }

    // A PDF file that another program wrote: no document count.
    static void WriteForeignPdf(const std::string& path, const std::string& count = "") {
        TPDFToolkit pdf;
        ASSERT_NE(pdf.NewDocument(), nullptr);
        ASSERT_GT(pdf.SetInformation(5, "Altro programma"), 0);
        if (!count.empty()) {
            ASSERT_GT(pdf.SetCustomInformation(DocumentCountKey, count), 0);
        }
        ASSERT_GT(pdf.SaveToFile(path), 0);
    }

    // Runs the engine in a child process as the user "nobody"; no answer unless this process is root.
    std::optional<bool> RunAsNobody(TStampaDocumentoBase& engine) {
        if (::geteuid() != 0)
            return std::nullopt;
        const pid_t child = ::fork();
        if (child == 0) {
            const bool switched = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(switched ? (Run(engine) ? 1 : 0) : 2);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
            return std::nullopt;
        return WEXITSTATUS(status) == 1;
    }

    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    TStampaDocumentoBase::ColumnHeadingList headings;
    PlatformDoubles doubles; // no printers unless a test installs them
};

struct stat StatOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info;
}

TEST_F(PrintRunTest, NewFileHoldsOneDocumentWithItsEntries) {
    const std::string pdf = folder / "nuovo.pdf";
    auto engine = MakeEngine(pdf);
    ASSERT_TRUE(Run(*engine));
    ASSERT_GE(engine->pageCount, 2) << "the test invoice spans several pages";
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    auto info = PdfInfo(pdf);
    EXPECT_EQ(std::atoi(info["Pages"].c_str()), engine->pageCount);
    EXPECT_EQ(info["Title"], "Documento fiscale");
    EXPECT_EQ(info["Subject"], "Documento fiscale");
    EXPECT_EQ(info["Author"], CreditLineText());
    EXPECT_EQ(info["Producer"], CreditLineText());
    EXPECT_EQ(info["Creator"], "Marvendo");
    EXPECT_EQ(info.count("Keywords"), 0u);
    EXPECT_EQ(info["Numero Documenti Nel File"], "1");
    EXPECT_EQ(info["Dati documento 1"], engine->DocumentIndexRecord(engine->pageCount));
    EXPECT_EQ(info.count("Dati documento 2"), 0u);
    // The page buffer lives only for the run; the lock file stays beside the PDF file.
    EXPECT_EQ(engine->page, nullptr);
    EXPECT_TRUE(Exists(folder / ".nuovo.pdf.stampadoc-lock"));
}

TEST_F(PrintRunTest, SecondRunAppendsAndKeepsTheFirstDocument) {
    const std::string pdf = folder / "archivio.pdf";
    auto first = MakeEngine(pdf);
    ASSERT_TRUE(Run(*first));
    const int pages = first->pageCount;
    const std::string firstRecord = first->DocumentIndexRecord(pages);
    const std::string before = ReadFile(pdf);

    auto second = MakeEngine(pdf);
    ASSERT_TRUE(Run(*second));
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    auto info = PdfInfo(pdf);
    EXPECT_EQ(std::atoi(info["Pages"].c_str()), 2 * pages);
    EXPECT_EQ(info["Numero Documenti Nel File"], "2");
    EXPECT_EQ(info["Dati documento 1"], firstRecord);
    EXPECT_EQ(info["Dati documento 2"], second->DocumentIndexRecord(pages));
    EXPECT_EQ(info["Title"], "Documenti fiscali");
    EXPECT_EQ(info["Subject"], "Documenti fiscali");

    // Appending changes only the page tree root (its kids and count) and the information dictionary;
    // every other object of the first file, pages, pictures and text included, stands byte for byte in
    // the second file under the same number.
    const auto oldObjects = IndirectObjects(before);
    const auto newObjects = IndirectObjects(ReadFile(pdf));
    int streams = 0;
    int changed = 0;
    for (const auto& [number, bytes] : oldObjects) {
        const auto found = newObjects.find(number);
        ASSERT_NE(found, newObjects.end()) << "object " << number << " is gone";
        if (bytes.find("/Type /Pages") != std::string::npos || bytes.find("/Producer") != std::string::npos) {
            ++changed;
            EXPECT_NE(found->second, bytes) << "object " << number << " should have been updated";
            continue;
        }
        if (bytes.find("stream") != std::string::npos)
            ++streams;
        EXPECT_EQ(found->second, bytes) << "object " << number << " changed";
    }
    EXPECT_EQ(changed, 2);
    EXPECT_GE(streams, 2 * pages) << "a content stream and a picture per page";
}

TEST_F(PrintRunTest, CreditLineStandsOnEveryPage) {
    const std::string pdf = folder / "credito.pdf";
    auto engine = MakeEngine(pdf);
    ASSERT_TRUE(Run(*engine));
    for (int p = 1; p <= engine->pageCount; ++p) {
        const std::string text = RunCommand("pdftotext -f " + std::to_string(p) + " -l " + std::to_string(p) +
                                            " " + Quoted(pdf) + " -");
        EXPECT_NE(text.find(CreditLineText()), std::string::npos) << "page " << p;
    }
}

TEST_F(PrintRunTest, EveryPageRendersAt600DpiWithTheFormVisible) {
    const std::string pdf = folder / "resa.pdf";
    auto engine = MakeEngine(pdf);
    ASSERT_TRUE(Run(*engine));
    for (int p = 1; p <= engine->pageCount; ++p) {
        const std::string out = folder / ("pagina" + std::to_string(p));
        int status = -1;
        RunCommand("pdftoppm -r 600 -mono -f " + std::to_string(p) + " -l " + std::to_string(p) +
                       " -singlefile " + Quoted(pdf) + " " + Quoted(out),
                   &status);
        ASSERT_EQ(status, 0);
        const std::string pbm = ReadFile(out + ".pbm");
        // "P4\n<width> <height>\n" then the rows, a set bit being black.
        int width = 0, height = 0, consumed = 0;
        ASSERT_EQ(std::sscanf(pbm.c_str(), "P4 %d %d%n", &width, &height, &consumed), 2);
        EXPECT_NEAR(width, 4961, 2); // A4 at 600 dpi
        EXPECT_NEAR(height, 7016, 2);
        const std::string bits = pbm.substr(static_cast<size_t>(consumed) + 1);
        ASSERT_EQ(bits.size(), static_cast<size_t>((width + 7) / 8) * static_cast<size_t>(height));
        long black = 0;
        for (unsigned char byte : bits)
            black += __builtin_popcount(byte);
        const double share = static_cast<double>(black) / (static_cast<double>(width) * height);
        // Boxes, shaded bands and text: clearly more than a blank page, far less than a black one.
        EXPECT_GT(share, 0.01) << "page " << p;
        EXPECT_LT(share, 0.5) << "page " << p;
        std::filesystem::remove(out + ".pbm");
    }
}

TEST_F(PrintRunTest, MissingLogoIsNoError) {
    const std::string pdf = folder / "senza_logo.pdf";
    auto engine = MakeEngine(pdf);
    engine->setCaptionDefaults(true);
    engine->printLogo = true;
    engine->logoFile = folder / "manca.jpg";
    ASSERT_TRUE(Run(*engine));
    const std::string list = RunCommand("pdfimages -list " + Quoted(pdf));
    EXPECT_EQ(list.find("jpeg"), std::string::npos);
    EXPECT_EQ(PdfPages(pdf), engine->pageCount);
}

TEST_F(PrintRunTest, LogoIsPlacedOnEveryPage) {
    const std::string pdf = folder / "logo.pdf";
    auto engine = MakeEngine(pdf);
    engine->setCaptionDefaults(true);
    engine->printLogo = true;
    engine->logoFile = std::string(STAMPADOC_SOURCE_DIR) + "/examples/logo.jpg";
    ASSERT_TRUE(Run(*engine));
    EXPECT_TRUE(QpdfCheckPasses(pdf));
    const std::string list = RunCommand("pdfimages -list " + Quoted(pdf));
    int jpegs = 0;
    for (size_t at = 0; (at = list.find(" jpeg ", at)) != std::string::npos; ++at)
        ++jpegs;
    EXPECT_EQ(jpegs, engine->pageCount);
}

TEST_F(PrintRunTest, LogoThatIsNoImageFailsAndKeepsTheEarlierFile) {
    const std::string pdf = folder / "logo_rotto.pdf";
    ASSERT_TRUE(Run(*MakeEngine(pdf)));
    const std::string before = ReadFile(pdf);
    const std::string logo = folder / "logo.jpg";
    WriteFile(logo, "non un'immagine");
    auto engine = MakeEngine(pdf);
    engine->setCaptionDefaults(true);
    engine->printLogo = true;
    engine->logoFile = logo;
    EXPECT_FALSE(Run(*engine));
    EXPECT_EQ(ReadFile(pdf), before);
}

TEST_F(PrintRunTest, ForeignPdfFileIsLeftUntouched) {
    const std::string pdf = folder / "altrui.pdf";
    WriteForeignPdf(pdf);
    const std::string before = ReadFile(pdf);
    auto engine = MakeEngine(pdf);
    EXPECT_FALSE(Run(*engine));
    EXPECT_EQ(ReadFile(pdf), before);
}

TEST_F(PrintRunTest, UnreadableDocumentCountIsLeftUntouched) {
    for (const char* count : {"due", "1.5", "-1", "2147483647", "99999999999"}) {
        const std::string pdf = folder / "conteggio.pdf";
        WriteForeignPdf(pdf, count);
        const std::string before = ReadFile(pdf);
        auto engine = MakeEngine(pdf);
        EXPECT_FALSE(Run(*engine)) << count;
        EXPECT_EQ(ReadFile(pdf), before) << count;
        std::filesystem::remove(pdf);
    }
}

TEST_F(PrintRunTest, FileWithACountIsAppendedTo) {
    const std::string pdf = folder / "contato.pdf";
    WriteForeignPdf(pdf, " 41 ");
    auto engine = MakeEngine(pdf);
    ASSERT_TRUE(Run(*engine));
    auto info = PdfInfo(pdf);
    EXPECT_EQ(info["Numero Documenti Nel File"], "42");
    EXPECT_EQ(info["Dati documento 42"], engine->DocumentIndexRecord(engine->pageCount));
    EXPECT_EQ(info["Title"], "Documenti fiscali");
}

TEST_F(PrintRunTest, DamagedPdfFileFailsAndStaysAsItWas) {
    const std::string pdf = folder / "rotto.pdf";
    WriteFile(pdf, "%PDF-1.4\nnon un PDF\n");
    auto engine = MakeEngine(pdf);
    EXPECT_FALSE(Run(*engine));
    EXPECT_EQ(ReadFile(pdf), "%PDF-1.4\nnon un PDF\n");
}

TEST_F(PrintRunTest, UninstalledPrinterFailsBeforeAnythingIsWritten) {
    const std::string pdf = folder / "stampante.pdf";
    auto engine = MakeEngine(pdf);
    engine->printerName = "PREDEFINITA";
    EXPECT_FALSE(Run(*engine));
    EXPECT_FALSE(Exists(pdf));
}

TEST_F(PrintRunTest, SavedFileIsPrintedOncePerCopy) {
    doubles.printer->entries = {{"Ufficio", "Driver", "usb1"}};
    doubles.printer->defaultIndex = 0;
    doubles.printer->metrics["Ufficio"] = PrinterDouble::SmallA4();
    const std::string pdf = folder / "stampata.pdf";
    auto engine = MakeEngine(pdf);
    engine->printerName = "PREDEFINITA";
    ASSERT_TRUE(Run(*engine, 72, 3));
    EXPECT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], "1");
    ASSERT_EQ(doubles.printer->jobs.size(), 3u);
    for (const PrinterDouble::Job& job : doubles.printer->jobs) {
        EXPECT_EQ(job.title, "Fattura Marvendo");
        EXPECT_EQ(static_cast<int>(job.pages.size()), engine->pageCount);
        // The form and the text reach the sheet.
        EXPECT_GT(job.pages[0]->countDark(0, 0, job.pages[0]->width(), job.pages[0]->height()), 10000);
    }
}

TEST_F(PrintRunTest, BlankPrinterNameCountsAsNone) {
    const std::string pdf = folder / "vuota.pdf";
    auto engine = MakeEngine(pdf);
    engine->printerName = "   ";
    EXPECT_TRUE(Run(*engine));
}

TEST_F(PrintRunTest, MissingFolderIsCreatedOneLevelOnly) {
    const std::string pdf = folder / "nuova/uscita.pdf";
    auto engine = MakeEngine(pdf);
    ASSERT_TRUE(Run(*engine));
    EXPECT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], "1");

    const std::string deep = folder / "a/b/uscita.pdf";
    auto other = MakeEngine(deep);
    EXPECT_FALSE(Run(*other));
    EXPECT_FALSE(Exists(folder / "a"));
}

TEST_F(PrintRunTest, PageWithoutRowsFailsWithoutOutput) {
    const std::string pdf = folder / "righe.pdf";
    auto engine = MakeEngine(pdf);
    EXPECT_FALSE(Run(*engine, 0));
    EXPECT_FALSE(Exists(pdf));
    EXPECT_EQ(engine->page, nullptr);
}

TEST_F(PrintRunTest, EmptyPdfFileNameFailsWithoutOutput) {
    auto engine = MakeEngine("");
    EXPECT_FALSE(Run(*engine));
    EXPECT_FALSE(Exists(".lock"));
}

TEST_F(PrintRunTest, DirectPrintingWithoutPrintJobFails) {
    auto engine = std::make_unique<TStampaDocumentoBase>(
        std::string(STAMPADOC_SOURCE_DIR) + "/src/layout/retino.bmp", "", false);
    engine->setCaptionDefaults(true);
    EXPECT_FALSE(Run(*engine));
}

// A name with control bytes, and a file that exists but is no PDF file: the run fails before anything is
// created, and the file stays as it was.
TEST_F(PrintRunTest, RefusedNamesCreateNothing) {
    const std::string foreign = "root:x:0:0:root:/root:/bin/sh\n";
    WriteFile(folder / "passwd", foreign);
    const std::string names[] = {folder / "a\x01z/f.pdf", folder / std::string("f\0.pdf", 6),
                                 folder / "f\x7F.pdf", folder / "passwd"};
    for (const std::string& name : names) {
        auto engine = MakeEngine(name);
        EXPECT_FALSE(Run(*engine)) << name;
    }
    EXPECT_EQ(Entries(), (std::vector<std::string>{"documento.txt", "passwd"}));
    EXPECT_EQ(ReadFile(folder / "passwd"), foreign);
}

// Other users share one archive: the lock file that root made under a strict umask serves them, a
// replaced archive keeps its permission bits and group, and an archive they may not write stays as it
// is while their run fails.
TEST_F(PrintRunTest, ArchiveSharedWithOtherUsers) {
    const std::string pdf = folder / "comune.pdf";
    const mode_t umaskBefore = ::umask(077);
    auto first = MakeEngine(pdf);
    const bool created = Run(*first);
    ::umask(umaskBefore);
    ASSERT_TRUE(created);
    EXPECT_EQ(StatOf(PdfLockFileName(pdf)).st_mode & 0777, 0444u);

    ASSERT_EQ(::chown(pdf.c_str(), 0, 65534), 0);
    ASSERT_EQ(::chmod(pdf.c_str(), 0660), 0);
    auto second = MakeEngine(pdf);
    ASSERT_TRUE(Run(*second));
    EXPECT_EQ(StatOf(pdf).st_mode & 07777, 0660u);
    EXPECT_EQ(StatOf(pdf).st_gid, 65534u);

    ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod(pdf.c_str(), 0666), 0);
    auto third = MakeEngine(pdf);
    const std::optional<bool> sharedRun = RunAsNobody(*third);
    if (!sharedRun)
        GTEST_SKIP() << "switching to another user needs root";
    EXPECT_TRUE(*sharedRun) << "the lock file must serve every user";
    EXPECT_EQ(StatOf(pdf).st_mode & 07777, 0666u);
    EXPECT_EQ(PdfInfo(pdf)["Numero Documenti Nel File"], "3");

    ASSERT_EQ(::chown(pdf.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(pdf.c_str(), 0444), 0);
    const std::string before = ReadFile(pdf);
    auto fourth = MakeEngine(pdf);
    EXPECT_EQ(RunAsNobody(*fourth), false);
    EXPECT_EQ(ReadFile(pdf), before);
    EXPECT_EQ(StatOf(pdf).st_uid, 0u);
}

} // namespace
