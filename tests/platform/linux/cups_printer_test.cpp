// The CUPS printer against the private scheduler of scripts/print-scheduler, and the metrics it computes
// from a queue's media.

#include "platform/drawing_canvas.h"
#include "platform/linux/cups_page_metrics.h"
#include "platform/page_target.h"
#include "platform/printer.h"
#include "support/print_scheduler.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

TEST(PageMetricsFor, TurnsHundredthsOfMillimetreIntoDots) {
    struct Case {
        int dpi;
        MediaExtent media;
        PrinterPageMetrics expected;
    };
    const Case cases[] = {
        // A4 without margins.
        {300, {21000, 29700, 0, 0, 0, 0}, {300, 300, 2480, 3508, 0, 0, 2480, 3508}},
        // A4 with the usual 4.23 mm / 6.35 mm margins at 600 dpi.
        {600, {21000, 29700, 423, 423, 635, 635}, {600, 600, 4961, 7016, 100, 150, 4761, 6716}},
        // Letter at 600 dpi with quarter-inch margins.
        {600, {21590, 27940, 635, 635, 635, 635}, {600, 600, 5100, 6600, 150, 150, 4800, 6300}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PageMetricsFor(c.dpi, c.dpi, c.media), c.expected) << c.dpi << " dpi, " << c.media.width;
}

// The whole printer object, freshly made for each test so that nothing of another test is cached.
class CupsPrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        STAMPADOC_REQUIRE_SCHEDULER();
        ::setenv("HOME", PrintScheduler::folder().c_str(), 1); // no lpoptions of the user
        lock_ = std::make_unique<PrintScheduler::Lock>();
        printer = MakeSystemPrinter();
    }

    int indexOf(const std::string& deviceName) {
        const std::vector<PrinterEntry> entries = printer->printers();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].deviceName == deviceName)
                return static_cast<int>(i);
        }
        return -1;
    }

    std::unique_ptr<PrintScheduler::Lock> lock_;
    std::unique_ptr<TPrinter> printer;
};

TEST_F(CupsPrinterTest, ListsTheQueuesWithDriverAndDeviceAndFindsTheDefault) {
    const std::vector<PrinterEntry> entries = printer->printers();
    ASSERT_GE(indexOf("GREZZA"), 0);
    ASSERT_GE(indexOf("Ufficio_Fatture"), 0);
    ASSERT_GE(indexOf("RIFIUTA"), 0);
    const PrinterEntry& raw = entries[indexOf("GREZZA")];
    EXPECT_EQ(raw.portName, "capture:" + PrintScheduler::folder() + "/out/GREZZA");
    EXPECT_EQ(raw.driverName, "Local Raw Printer");
    EXPECT_EQ(printer->defaultPrinterIndex(), indexOf("GREZZA"));

    // LPDEST names the default as for the lp command, in any case.
    ::setenv("LPDEST", "ufficio_fatture", 1);
    const int chosen = printer->defaultPrinterIndex();
    ::unsetenv("LPDEST");
    EXPECT_EQ(chosen, indexOf("Ufficio_Fatture"));
}

TEST_F(CupsPrinterTest, MeasuresARawQueueAsA4At300Dpi) {
    EXPECT_EQ(printer->pageMetrics("GREZZA"), PageMetricsFor(300, 300, {21000, 29700, 0, 0, 0, 0}));
    EXPECT_FALSE(printer->pageMetrics("NESSUNA").has_value());
}

TEST_F(CupsPrinterTest, SendsTheDrawnPagesAsOneJobAndCancelsABlankOne) {
    const int before = PrintScheduler::LastJobId("GREZZA");
    ASSERT_TRUE(printer->beginDoc("GREZZA", "Prova di stampa"));
    EXPECT_FALSE(printer->beginDoc("GREZZA", "a second job at once"));
    EXPECT_EQ(printer->jobMetrics().resolutionX, 300);
    for (int page = 0; page < 3; ++page) {
        if (page > 0) {
            ASSERT_TRUE(printer->newPage());
        }
        DrawingCanvas* canvas = printer->page()->canvas();
        ASSERT_NE(canvas, nullptr);
        canvas->setBrush(DrawBrush{DrawBrush::Kind::Solid, kDrawBlack, nullptr});
        canvas->fillRect({100, 100, 1000, 400});
    }
    ASSERT_TRUE(printer->endDoc());
    EXPECT_FALSE(printer->endDoc());

    // A job on which nothing was drawn reaches no sheet.
    ASSERT_TRUE(printer->beginDoc("GREZZA", "Vuoto"));
    EXPECT_TRUE(printer->endDoc());

    PrintScheduler::WaitForQueue("GREZZA");
    const std::vector<PrintScheduler::Job> jobs = PrintScheduler::JobsAfter("GREZZA", before);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].title, "Prova di stampa");
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED);
    EXPECT_EQ(jobs[1].state, IPP_JSTATE_CANCELED);
    EXPECT_EQ(PrintScheduler::CapturedBytes("GREZZA", jobs[1].id), "");

    const std::string pdf = PrintScheduler::CapturedPath("GREZZA", jobs[0].id);
    FILE* info = ::popen(("pdfinfo '" + pdf + "' 2>&1 | grep -E '^(Pages|Page size):'").c_str(), "r");
    ASSERT_NE(info, nullptr);
    char buffer[512] = {};
    const std::string text(buffer, std::fread(buffer, 1, sizeof buffer - 1, info));
    ::pclose(info);
    EXPECT_NE(text.find("Pages:           3"), std::string::npos) << text;
    EXPECT_NE(text.find("595.2 x 841.92 pts"), std::string::npos) << text;
}

TEST_F(CupsPrinterTest, ARejectingQueueOrAnUnknownOneOpensNoJob) {
    EXPECT_FALSE(printer->beginDoc("RIFIUTA", "Rifiutato"));
    EXPECT_FALSE(printer->beginDoc("NESSUNA", "Sconosciuta"));
    EXPECT_EQ(printer->page(), nullptr);
    EXPECT_FALSE(printer->newPage());
    EXPECT_FALSE(printer->endDoc());
}

TEST(CupsPrinterWithoutScheduler, FindsNoPrinterAndOpensNoJob) {
    const char* saved = std::getenv("CUPS_SERVER");
    const std::string server = saved != nullptr ? saved : "";
    ::setenv("CUPS_SERVER", "/nonexistent/stampadoc/cups.sock", 1);
    std::unique_ptr<TPrinter> printer = MakeSystemPrinter();
    const bool listed = !printer->printers().empty();
    const int defaultIndex = printer->defaultPrinterIndex();
    const bool opened = printer->beginDoc("GREZZA", "Nessuno");
    if (saved != nullptr)
        ::setenv("CUPS_SERVER", server.c_str(), 1);
    else
        ::unsetenv("CUPS_SERVER");
    EXPECT_FALSE(listed);
    EXPECT_EQ(defaultIndex, -1);
    EXPECT_FALSE(opened);
}

} // namespace
