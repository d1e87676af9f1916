#include "app/startup.h"

#include "app/command_line.h"

#include "app/desktop_double.h"
#include "app/document_file_text.h"
#include "app/process_state_guard.h"
#include "pdf/toolkit.h"
#include "platform/file_exists.h"
#include "platform/scratch_folder.h"
#include "support/no_spooler.h"
#include "util/dates.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A folder standing for the executable's folder, with a document file in a sub-folder whose names mix
// cases, as the management product's upper-cased paths must find them.
class StartupTest : public ::testing::Test {
protected:
    ProcessStateGuard state;
    NoSpooler noSpooler;      // no scheduler for the programs started here
    PlatformDoubles doubles; // no printers, no PDF viewer
    ScratchFolder folder;
    std::string executable = folder / "stampadoc";

    std::string WriteDocument(const std::map<int, std::string>& fields) {
        return folder.Write("Documenti/Fattura_1.txt", DocumentFileText(fields));
    }
    void WriteIni(const std::string& text) { folder.Write("stampadoc.INI", text); }

    std::string Run(const std::vector<std::string>& arguments) {
        std::ostringstream out;
        EXPECT_EQ(RunStampadoc(arguments, executable, out), 0);
        return out.str();
    }
};

std::string UpperAsciiCopy(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

TEST_F(StartupTest, NoArgumentsWritesTheUsageLine) {
    EXPECT_EQ(Run({}), "Esecuzione non consentita\n");
}

TEST_F(StartupTest, PivotYearFollowsTheClock) {
    PivotYear = 1950;
    Run({});
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(PivotYear, local.tm_year + 1900 - 75);
}

TEST_F(StartupTest, MissingInputFileWritesTheUsageLine) {
    EXPECT_EQ(Run({"/I=" + folder / "absent.txt", "/S=PREDEFINITA", "/C=1", "/F=1"}),
              "Esecuzione non consentita\n");
    EXPECT_EQ(Run({"/I=" + folder.Path(), "/S=PREDEFINITA", "/C=1", "/F=1"}), "Esecuzione non consentita\n");
}

TEST_F(StartupTest, ZeroCopiesWritesTheUsageLineEvenWhenTheIniFileGivesCopies) {
    const std::string document = WriteDocument({{1, ",\"F\""}});
    WriteIni("[copie_documenti]\nF=3\n");
    EXPECT_EQ(Run({"/I=" + document, "/S=PREDEFINITA", "/C=0", "/F=1"}), "Esecuzione non consentita\n");
    EXPECT_TRUE(IsExistingFile(document));
}

TEST_F(StartupTest, PrintInvocationKeepsTheDocumentFile) {
    const std::string text = DocumentFileText({{1, ",\"F\""}});
    const std::string document = folder.Write("Documenti/Fattura_1.txt", text);
    EXPECT_EQ(Run({"/i=" + UpperAsciiCopy(document), "/s=predefinita", "/c=1", "/f=101200N0"}), "");
    EXPECT_EQ(ReadWholeFile(document), text);
}

TEST_F(StartupTest, BlankReprintKindFallsThroughToPrintingTheDocument) {
    const std::string document = WriteDocument({{1, ",\"F\""}});
    EXPECT_EQ(Run({"/T= X", "/I=" + document, "/S=PREDEFINITA", "/C=1", "/F=1"}), "");
    EXPECT_TRUE(IsExistingFile(document));
}

TEST_F(StartupTest, PdfOutputWithoutRowsPerPageEndsWithTheUsageLine) {
    const std::string document = WriteDocument({{1, ",\"F\""}, {97, ",\"" + folder / "out.pdf\""}});
    EXPECT_EQ(Run({"/I=" + document, "/S=PREDEFINITA", "/C=1", "/F=1"}), "Esecuzione non consentita\n");
    EXPECT_TRUE(IsExistingFile(document));
    EXPECT_FALSE(IsExistingFile(folder / "OUT.PDF"));
    // With rows per page the run goes on: without a printer named the PDF file is saved and nothing else
    // happens, so the document file goes.
    EXPECT_EQ(Run({"/I=" + document, "/C=1", "/F=1", "/R=66"}), "");
    EXPECT_TRUE(IsExistingFile(folder / "OUT.PDF"));
    EXPECT_FALSE(IsExistingFile(document));
}

TEST_F(StartupTest, RowsPerPageAreBoundedForPdfOutput) {
    const std::string document = WriteDocument({{1, ",\"F\""}, {97, ",\"" + folder / "out.pdf\""}});
    EXPECT_EQ(Run({"/I=" + document, "/C=1", "/F=1", "/R=1001"}), "Esecuzione non consentita\n");
    EXPECT_TRUE(IsExistingFile(document));
    EXPECT_FALSE(IsExistingFile(folder / "OUT.PDF"));
    EXPECT_EQ(Run({"/I=" + document, "/C=1", "/F=1", "/R=$7FFFFFFF"}), "Esecuzione non consentita\n");
    EXPECT_TRUE(IsExistingFile(document));
}

TEST_F(StartupTest, ReprintKeepsThePdfFile) {
    const std::string pdf = folder.Write("Archivio/Fatture.pdf", "%PDF-1.4\n%%EOF\n");
    EXPECT_EQ(Run({"/T=F", "/I=" + UpperAsciiCopy(pdf), "/S=PREDEFINITA"}), "");
    EXPECT_EQ(ReadWholeFile(pdf), "%PDF-1.4\n%%EOF\n");
}

TEST_F(StartupTest, ReprintReadsTheCopiesOfItsCode) {
    WriteIni("[copie_documenti]\nF=4\n[margine_sinistro]\nF=10\n");
    RunSettings settings = ParseCommandLine({"/T=f", "/I=x.pdf", "/S=P"});
    const ReprintJob job = PrepareReprint(settings, StartupEnvironmentFor(executable));
    EXPECT_EQ(job.copies, 4);
    EXPECT_EQ(job.pdfFile, "X.PDF");
    EXPECT_EQ(job.halftoneBitmapPath, folder / "retino.bmp");
    EXPECT_EQ(settings.leftMargin, 150);
}

TEST_F(StartupTest, ReprintCopiesComeFromTheSwitchTheIniFileOrAreOne) {
    const auto copies = [&](const std::vector<std::string>& arguments) {
        RunSettings settings = ParseCommandLine(arguments);
        return PrepareReprint(settings, StartupEnvironmentFor(executable)).copies;
    };
    EXPECT_EQ(copies({"/T=F", "/I=x.pdf", "/S=P", "/C=2"}), 2);
    EXPECT_EQ(copies({"/T=F", "/I=x.pdf", "/S=P", "/C=0"}), 0);
    EXPECT_EQ(copies({"/T=F", "/I=x.pdf", "/S=P"}), 1);
    WriteIni("[copie_documenti]\nF=0\n");
    EXPECT_EQ(copies({"/T=F", "/I=x.pdf", "/S=P"}), 0);
    EXPECT_EQ(copies({"/T=B", "/I=x.pdf", "/S=P"}), 1);
}

TEST_F(StartupTest, ReprintPrintsThePdfFileOnTheNamedPrinter) {
    doubles.printer->entries = {{"Ufficio", "Driver", "usb1"}};
    doubles.printer->metrics["Ufficio"] = PrinterDouble::SmallA4();
    TPDFToolkit pdf;
    pdf.NewDocument();
    pdf.NewPage();
    const std::string file = folder / "Archivio.pdf";
    ASSERT_GT(pdf.SaveToFile(file), 0);
    EXPECT_EQ(Run({"/T=F", "/I=" + UpperAsciiCopy(file), "/S=ufficio"}), "");
    ASSERT_EQ(doubles.printer->jobs.size(), 1u);
    EXPECT_EQ(doubles.printer->jobs[0].title, "Fattura Marvendo");
    EXPECT_EQ(doubles.printer->jobs[0].pages.size(), 2u);
    EXPECT_TRUE(IsExistingFile(file));
}

// Reads the document and the settings as printDocumentFile does before the engine takes over.
DocumentPrintJob PrepareJob(RunSettings& settings, const std::string& executable) {
    ResolveInputFile(settings);
    DocumentPrintJob job = LoadDocumentFile(settings);
    CompleteDocumentSettings(job, settings, StartupEnvironmentFor(executable));
    return job;
}

TEST_F(StartupTest, DocumentAndRunParametersAreRead) {
    const std::string logo = folder.Write("Loghi/Ditta.jpg", "jpeg");
    const std::string document =
        WriteDocument({{1, ",\"f\""},
                       {88, ",\"cod\",\"descrizione\",\"um\",\"qta\",\"prezzo\",\"sc\",\"importo\",\"iva\""},
                       {89, ",\"" + folder / "loghi/ditta.jpg\""},
                       {90, ",\"2\""},
                       {91, ",\"3\""},
                       {93, ",\"1\""},
                       {96, ",\"1\""},
                       {97, ",\"" + folder / "archivio/out.pdf\""}});
    folder.Write("Archivio/keep", "");
    RunSettings settings = ParseCommandLine({"/I=" + document, "/F=101200N0", "/R=66", "/C=2"});
    const DocumentPrintJob job = PrepareJob(settings, executable);

    EXPECT_EQ(job.documentFile, document);
    EXPECT_EQ(job.document->DocTypeCode, "F");
    EXPECT_EQ(job.ColumnHeadings[0], "COD");
    EXPECT_EQ(job.ColumnHeadings[7], "IVA");
    // The upper-cased paths of the document file name the files on disk.
    EXPECT_EQ(job.engine.logoFile, logo);
    EXPECT_EQ(job.engine.pdfFile, folder / "Archivio/OUT.PDF");
    EXPECT_EQ(job.engine.topRows, 2);
    EXPECT_EQ(job.engine.bottomRows, 3);
    EXPECT_FALSE(job.engine.option92);
    EXPECT_TRUE(job.engine.option93);
    EXPECT_FALSE(job.engine.option94);
    EXPECT_TRUE(job.engine.option96);
    EXPECT_EQ(job.engine.layoutKind, "N");
    EXPECT_EQ(job.copies, 2);
    EXPECT_EQ(job.rowsPerPage, 66);
    EXPECT_EQ(job.halftoneBitmapPath, folder / "retino.bmp");
}

TEST_F(StartupTest, WithoutIniFileTheLeftMarginIs150) {
    const std::string document = WriteDocument({{1, ",\"F\""}});
    RunSettings settings = ParseCommandLine({"/I=" + document, "/F=1", "/S=P", "/C=1"});
    const DocumentPrintJob job = PrepareJob(settings, executable);
    EXPECT_EQ(job.engine.leftMargin, 150);
    EXPECT_TRUE(job.engine.halftone);
    EXPECT_EQ(job.copies, 1);
}

TEST_F(StartupTest, IniFileWithoutTheKeyGivesLeftMargin100) {
    WriteIni("[margine_sinistro]\nB=130\n");
    const std::string document = WriteDocument({{1, ",\"F\""}});
    RunSettings settings = ParseCommandLine({"/I=" + document, "/F=1", "/S=P", "/C=1"});
    EXPECT_EQ(PrepareJob(settings, executable).engine.leftMargin, 100);
}

TEST_F(StartupTest, LowerCaseIniExtensionIsRead) {
    folder.Write("stampadoc.ini", "[margine_sinistro]\nF=130\n");
    const std::string document = WriteDocument({{1, ",\"F\""}});
    RunSettings settings = ParseCommandLine({"/I=" + document, "/F=1", "/S=P", "/C=1"});
    EXPECT_EQ(PrepareJob(settings, executable).engine.leftMargin, 130);
}

TEST_F(StartupTest, IniSettingsOfTheDocumentTypeCode) {
    folder.Write("Loghi/Altro.jpg", "jpeg");
    WriteIni("[copie_documenti]\nB=1\nF=3\n[margine_sinistro]\nF=$78\n[marchio_file]\nF=" +
             folder / "LOGHI/ALTRO.JPG" +
             "\n[testo_piede]\nF_2=  Grazie  \n[testo_piede_allineamento]\nF=258\n[retinatura]\nF=0\n");
    const std::string document = WriteDocument({{1, ",\"F\""}, {89, ",\"/nowhere/logo.jpg\""}});
    RunSettings settings = ParseCommandLine({"/I=" + document, "/F=1", "/S=P", "/C=1"});
    const DocumentPrintJob job = PrepareJob(settings, executable);
    EXPECT_EQ(job.copies, 3);
    EXPECT_EQ(job.engine.leftMargin, 120);
    EXPECT_EQ(job.engine.logoFile, folder / "Loghi/Altro.jpg");
    EXPECT_EQ(job.engine.footerText1, "");
    EXPECT_EQ(job.engine.footerText2, "Grazie");
    EXPECT_EQ(job.engine.footerAlignment, 2);
    EXPECT_FALSE(job.engine.halftone);
}

TEST_F(StartupTest, TransportDateTextFromLine92OrTheDate) {
    PivotYear = PivotYearForYear(2026);
    RunSettings settings;
    settings.inputFile = WriteDocument({{1, ",\"F\""}, {12, ",\"15.03.26\""}});
    EXPECT_EQ(PrepareJob(settings, executable).transportDateText, "15.03.26");

    settings.inputFile = WriteDocument({{1, ",\"F\""}, {12, ",\"15.03.26\""}, {92, ",\"1\""}});
    EXPECT_EQ(PrepareJob(settings, executable).transportDateText, "GG.MM.AA");

    settings.inputFile = WriteDocument({{1, ",\"F\""}});
    EXPECT_EQ(PrepareJob(settings, executable).transportDateText, "");
}

TEST_F(StartupTest, TransportDateWithTheOldFixedPivot) {
    // With the pivot fixed at 1925 this year's dates lose their short form: why start-up follows the clock.
    PivotYear = 1925;
    TRecDocObjectBase document;
    ASSERT_TRUE(ReadDate("15.03.2026", document.TransportDate));
    EXPECT_EQ(TransportDateText(document, RunParameters{}), "15032026");
    PivotYear = PivotYearForYear(2026);
    EXPECT_EQ(TransportDateText(document, RunParameters{}), "15.03.26");
}

} // namespace
