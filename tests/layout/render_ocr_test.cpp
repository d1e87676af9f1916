#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "layout/render_support.h"
#include "support/process_id.h"
#include "support/shell_command.h"

using namespace render_test;

namespace {

// Standard output of a shell command.
std::string commandOutput(const std::string& command) {
    return RunShell(command).output;
}

bool tesseractAvailable() {
    return !commandOutput("command -v tesseract 2>/dev/null").empty();
}

} // namespace

// The rendered invoice page read back by OCR: the form's captions, the customer and the total.
TEST(RenderPageOcr, AnInvoicePageIsReadable) {
    if (!tesseractAvailable()) {
        GTEST_SKIP() << "tesseract is not installed";
    }
    RenderedDocument doc("fattura.txt");
    doc.renderFirstPage();
    ASSERT_FALSE(doc.engine.formStream.empty());
    const std::string picture = (std::filesystem::temp_directory_path() /
                                 ("stampadoc-ocr-" + std::to_string(CurrentProcessId()) + ".bmp"))
                                    .string();
    {
        std::ofstream out(picture, std::ios::binary);
        out << doc.engine.formStream;
    }
    const std::string text =
        commandOutput("tesseract " + ShellQuoted(picture) + " stdout -l ita --dpi 600 2>/dev/null");
    std::filesystem::remove(picture);
    // Compared without blanks: OCR puts a blank after the decimal comma of the fixed-pitch amounts
    // ("366, 00") and may split a small caption drawn with hinted glyphs ("DOCU MENTO").
    std::string compact;
    for (char c : text) {
        if (c != ' ') {
            compact += c;
        }
    }
    for (const char* expected :
         {"DOCUMENTO", "PARTITAIVACLIENTE", "CODICECLIENTE", "IMPONIBILE", "SCADENZA", "BIANCHIMARIO"}) {
        EXPECT_NE(compact.find(expected), std::string::npos) << expected << "\n--- OCR text:\n" << text;
    }
    EXPECT_NE(compact.find("TOTALE366,00"), std::string::npos) << "--- OCR text:\n" << text;
}
