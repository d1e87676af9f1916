#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/desktop_double.h"
#include "app/viewer_printing.h"
#include "app/window_utilities.h"
#include "layout/stampa_documento_base.h"
#include "pdf/reader/load_support.h"
#include "pdf/toolkit.h"

namespace {

constexpr WindowHandle kConsole = 40;
constexpr WindowHandle kViewer = 41;
const std::string kProgram = "C:\\Programmi\\Adobe\\AcroRd32.exe";

// A PDF file of `pages` empty A4 pages.
std::string PdfOfPages(int pages) {
    loadtest::PdfText pdf;
    std::string kids;
    for (int i = 0; i < pages; ++i)
        kids += std::to_string(3 + i) + " 0 R ";
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(pages) + " >>");
    for (int i = 0; i < pages; ++i)
        pdf.Object(3 + i, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 595 842 ] >>");
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    return pdf.text;
}

class DeliveryTest : public ::testing::Test {
protected:
    void SetUp() override {
        doubles.printer->entries = {{"Laser", "Driver laser", "lpt1"}, {"Ufficio", "Driver ufficio", "usb1"}};
        doubles.printer->defaultIndex = 1;
        doubles.printer->metrics["Laser"] = PrinterDouble::SmallA4();
        doubles.printer->metrics["Ufficio"] = PrinterDouble::SmallA4();
        doubles.desktop->windows = {{kConsole, "ConsoleWindowClass", "stampadoc"}};
        ConsoleWindow() = {};
        findConsoleWindow(ConsoleWindow());
        engine.pdfFile = folder.Write("fattura.pdf", PdfOfPages(3));
    }
    void TearDown() override { ConsoleWindow() = {}; }

    // The viewer is associated with PDF files; running says whether its window is already open.
    void AssociateViewer(bool running) {
        desktop().association = kProgram;
        const DesktopDouble::Window window{kViewer, "AcrobatSDIWindow", "fattura.pdf - Adobe Reader"};
        if (running)
            desktop().windows.push_back(window);
        else
            desktop().viewerOnStart = window;
    }
    DesktopDouble& desktop() { return *doubles.desktop; }
    PrinterDouble& printer() { return *doubles.printer; }

    PlatformDoubles doubles;
    loadtest::TempFolder folder;
    TStampaDocumentoBase engine{"", "", true};
};

TEST_F(DeliveryTest, ToolkitPrintsEachCopyAsOneJobOnTheDefaultPrinter) {
    engine.printerName = "predefinita";
    EXPECT_TRUE(engine.deliver(2));
    EXPECT_EQ(engine.printerName, "Ufficio");
    ASSERT_EQ(printer().jobs.size(), 2u);
    for (const PrinterDouble::Job& job : printer().jobs) {
        EXPECT_EQ(job.deviceName, "Ufficio");
        EXPECT_EQ(job.title, "Fattura Marvendo");
        EXPECT_EQ(job.pages.size(), 3u);
        EXPECT_TRUE(job.ended);
    }
    EXPECT_EQ(engine.pdfToolkit->Documents().size(), 1u); // the loaded file is removed
    EXPECT_TRUE(desktop().commands.empty());
}

TEST_F(DeliveryTest, NamedPrinterIsFoundWhateverItsCase) {
    engine.printerName = "LASER";
    EXPECT_TRUE(engine.deliver(1));
    EXPECT_EQ(engine.printerName, "Laser");
    ASSERT_EQ(printer().jobs.size(), 1u);
    EXPECT_EQ(printer().jobs[0].deviceName, "Laser");
}

TEST_F(DeliveryTest, MissingPrinterOrUnloadableFilePrintsNothing) {
    AssociateViewer(false);
    engine.printerName = "Altra";
    EXPECT_FALSE(engine.deliver(1));
    EXPECT_EQ(engine.printerName, "Altra");
    EXPECT_TRUE(desktop().started.empty());

    desktop().association.reset();
    engine.printerName = "Laser";
    engine.pdfFile = folder.Write("rotto.pdf", "%PDF-1.4\nnon un PDF\n");
    EXPECT_FALSE(engine.deliver(1));
    EXPECT_TRUE(printer().jobs.empty());
}

TEST_F(DeliveryTest, ZeroCopiesPrintNothingAndSucceed) {
    engine.printerName = "Laser";
    EXPECT_TRUE(engine.deliver(0));
    EXPECT_TRUE(printer().jobs.empty());

    // The viewer is still started and closed again.
    AssociateViewer(false);
    EXPECT_TRUE(engine.deliver(0));
    EXPECT_TRUE(desktop().commands.empty());
    EXPECT_EQ(desktop().started.size(), 1u);
    EXPECT_EQ(desktop().terminated.size(), 1u);
}

TEST_F(DeliveryTest, RunningViewerPrintsSilentlyAndIsLeftAlone) {
    AssociateViewer(true);
    engine.printerName = "PREDEFINITA";
    EXPECT_TRUE(engine.deliver(3));
    ASSERT_EQ(desktop().commands.size(), 3u);
    for (const DesktopDouble::Command& command : desktop().commands) {
        EXPECT_EQ(command.text, "[FilePrintSilent(\"" + engine.pdfFile + "\")]");
        EXPECT_EQ(command.timeout, 60'000u);
    }
    EXPECT_EQ(desktop().openConversations, 0);
    EXPECT_TRUE(desktop().started.empty());
    EXPECT_TRUE(desktop().terminated.empty());
    EXPECT_TRUE(desktop().messages.empty());
    EXPECT_TRUE(desktop().focused.empty());
    EXPECT_TRUE(printer().jobs.empty());
}

TEST_F(DeliveryTest, ViewerStartedHereGetsFilePrintToAndIsClosed) {
    AssociateViewer(false);
    engine.printerName = "laser";
    EXPECT_TRUE(engine.deliver(1));
    ASSERT_EQ(desktop().commands.size(), 1u);
    EXPECT_EQ(desktop().commands[0].text,
              "[FilePrintTo(\"" + engine.pdfFile + "\",\"Laser\",\"Driver laser\",\"lpt1\")]");

    ASSERT_EQ(desktop().started.size(), 1u);
    EXPECT_EQ(desktop().started[0].verb, "open");
    EXPECT_EQ(desktop().started[0].file, kProgram);
    EXPECT_EQ(desktop().started[0].parameters, "");
    EXPECT_EQ(desktop().started[0].showMode, kSwHide);
    EXPECT_EQ(desktop().sleeps, std::vector<unsigned>{3000});
    EXPECT_EQ(desktop().terminated, std::vector<ProcessHandle>{DesktopDouble::kViewerProcess});
    EXPECT_EQ(desktop().released, std::vector<ProcessHandle>{DesktopDouble::kViewerProcess});

    // The console is brought to the front after the start and after closing; the viewer is told to close.
    ASSERT_EQ(desktop().messages.size(), 3u);
    for (int i : {0, 2}) {
        EXPECT_EQ(desktop().messages[i].window, DesktopDouble::kDesktopWindow);
        EXPECT_EQ(desktop().messages[i].message, kWmSysCommand);
        EXPECT_EQ(desktop().messages[i].wParam, kScHotKey);
        EXPECT_EQ(desktop().messages[i].lParam, static_cast<std::intptr_t>(kConsole));
    }
    EXPECT_EQ(desktop().messages[1].window, kViewer);
    EXPECT_EQ(desktop().messages[1].message, kWmClose);
    EXPECT_EQ(desktop().focused, (std::vector<WindowHandle>{kConsole, kConsole}));
}

TEST_F(DeliveryTest, ViewerIsTriedThreeTimesASecondApart) {
    AssociateViewer(true);
    engine.printerName = "PREDEFINITA";
    desktop().connectionsRefused = 2;
    EXPECT_TRUE(engine.deliver(1));
    EXPECT_EQ(desktop().connectAttempts, 3);
    EXPECT_EQ(desktop().commands.size(), 1u);
    EXPECT_EQ(desktop().sleeps, (std::vector<unsigned>{1000, 1000}));

    // A viewer that never answers fails the copy; the remaining copies are not sent.
    desktop().viewerAnswers = false;
    desktop().connectAttempts = 0;
    EXPECT_FALSE(engine.deliver(2));
    EXPECT_EQ(desktop().connectAttempts, 3);
}

TEST_F(DeliveryTest, SilentViewerStartedHereIsStillClosed) {
    AssociateViewer(false);
    desktop().viewerAnswers = false;
    engine.printerName = "Laser";
    EXPECT_FALSE(engine.deliver(2));
    EXPECT_EQ(desktop().connectAttempts, 3);
    EXPECT_EQ(desktop().terminated.size(), 1u);
}

TEST_F(DeliveryTest, TimeoutIsAMinutePerStartedMegabyte) {
    AssociateViewer(true);
    const std::string big = folder.File("grande.pdf");
    folder.Write("grande.pdf", "");
    std::filesystem::resize_file(big, 2'500'000);
    ViewerPrinting printing{true, {}, 1};
    EXPECT_TRUE(printWithViewer(big, printing));
    EXPECT_EQ(printing.timeoutFactor, 3);
    ASSERT_EQ(desktop().commands.size(), 1u);
    EXPECT_EQ(desktop().commands[0].timeout, 180'000u);

    // A file that is gone sends nothing.
    EXPECT_FALSE(printWithViewer(folder.File("assente.pdf"), printing));
    EXPECT_EQ(desktop().commands.size(), 1u);
}

TEST(WindowSearch, ViewerTitlesAndTheFirstConsoleWindow) {
    PlatformDoubles doubles;
    struct Case {
        std::string title;
        bool viewer;
    };
    for (const Case& c : {Case{"FATTURA.PDF - Adobe Reader", true}, Case{"x - Adobe Acrobat Pro", true},
                          Case{"Acrobat Reader DC", true}, Case{"FATTURA.PDF - ADOBE READER", false},
                          Case{"Acrobat", false}}) {
        doubles.desktop->windows = {{7, "Other", "Blocco note"}, {8, "Viewer", c.title}};
        ViewerWindowInfo info{99, true};
        findViewerWindow(info);
        EXPECT_EQ(info.found, c.viewer) << c.title;
        EXPECT_EQ(info.handle, c.viewer ? 8u : 0u) << c.title;
    }

    doubles.desktop->windows = {{1, "Shell", "x"}, {2, "TTY", "terminale"}, {3, "ConsoleWindowClass", "cmd"}};
    ConsoleWindowInfo console;
    findConsoleWindow(console);
    EXPECT_EQ(console.handle, 2u);
    EXPECT_STREQ(console.title, "terminale");
    EXPECT_FALSE(console.isConsoleClass);
}

} // namespace
