// Saving a loaded file: never-parsed objects copied byte for byte, parsed ones written anew, one fresh
// cross-reference table, new objects numbered after the highest.

#include "pdf/model/file_writer.h"
#include "pdf/reader/load_support.h"
#include "pdf/toolkit.h"

#include <set>

using loadtest::AddOnePageDocument;
using loadtest::PdfText;
using loadtest::TempFolder;

namespace {

// Entries of the one classic table of a saved file, read independently of the loader.
std::map<int, std::size_t> ReadTable(const std::string& file) {
    std::map<int, std::size_t> offsets;
    const std::size_t startxref = file.rfind("startxref");
    if (startxref == std::string::npos)
        return offsets;
    std::size_t at = std::stoul(file.substr(startxref + 10));
    if (file.compare(at, 5, "xref\n") != 0)
        return offsets;
    at += 5;
    const std::size_t space = file.find(' ', at);
    const int first = std::stoi(file.substr(at, space - at));
    const std::size_t lineEnd = file.find('\n', at);
    const int count = std::stoi(file.substr(space + 1, lineEnd - space - 1));
    at = lineEnd + 1;
    for (int i = 0; i < count; ++i, at += 20) {
        if (file[at + 17] == 'n')
            offsets[first + i] = std::stoul(file.substr(at, 10));
    }
    return offsets;
}

// A three-page file written by our own writer, with text on every page and a custom entry.
std::string WriteOwnFile(const TempFolder& folder) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    toolkit.DrawRotatedText(1, 1, 0, "Pagina 1");
    for (int page = 2; page <= 3; ++page) {
        EXPECT_EQ(toolkit.NewPage(), page);
        toolkit.DrawRotatedText(1, 1, 90, "Pagina " + std::to_string(page));
    }
    EXPECT_EQ(toolkit.SetCustomInformation("Numero Documenti Nel File", "1"), 1);
    const std::string fileName = folder.File("own.pdf");
    EXPECT_EQ(toolkit.SaveToFile(fileName), 1);
    return fileName;
}

} // namespace

TEST(LoadSave, AppendedPageRaisesTheCountAndUntouchedObjectsKeepTheirBytes) {
    TempFolder folder;
    const std::string original = WriteOwnFile(folder);
    ASSERT_EQ(loadtest::QpdfCheck(original), 0);
    ASSERT_EQ(loadtest::PdfinfoPages(original), 3);

    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(original), 1);
    ASSERT_EQ(toolkit.PageCount(), 3);
    EXPECT_EQ(toolkit.GetCustomInformation("Numero Documenti Nel File"), "1");
    const int32_t highest = toolkit.SelectedDocument()->HighestObjectNumber();
    ASSERT_EQ(toolkit.NewPage(), 4);
    toolkit.DrawRotatedText(1, 1, 0, "Pagina 4");
    EXPECT_GT(toolkit.SelectedDocument()->pageTree.SelectedPageReference().number, highest);
    ASSERT_EQ(toolkit.SetCustomInformation("Numero Documenti Nel File", "2"), 1);

    // What the loaded file held for each object that was never parsed.
    TPDFDocument* document = toolkit.SelectedDocument();
    std::map<int, std::string> untouched;
    std::set<int> loadedNumbers;
    for (const auto& record : document->objects) {
        if (record->offset >= 0)
            loadedNumbers.insert(record->number);
        if (!record->parsed && record->offset >= 0)
            untouched[record->number] =
                std::string(document->fileBytes.substr(record->offset, record->length));
    }
    // Pages 2 and 3 keep their content streams untouched.
    ASSERT_GE(untouched.size(), 2u);

    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
    EXPECT_EQ(loadtest::PdfinfoPages(saved), 4);

    const std::string text = loadtest::ReadFile(saved);
    const std::map<int, std::size_t> table = ReadTable(text);
    for (const auto& [number, bytes] : untouched) {
        auto entry = table.find(number);
        ASSERT_NE(entry, table.end()) << number;
        EXPECT_EQ(text.compare(entry->second, bytes.size(), bytes), 0) << "object " << number;
    }
    // Every object of the loaded file keeps its number.
    for (int number : loadedNumbers)
        EXPECT_TRUE(table.count(number)) << number;
    // One cross-reference section, no chain.
    EXPECT_EQ(text.find("/Prev"), std::string::npos);
    std::size_t sections = 0;
    for (std::size_t p = text.find("\nxref\n"); p != std::string::npos; p = text.find("\nxref\n", p + 1))
        ++sections;
    EXPECT_EQ(sections, 1u);

    TPDFToolkit again;
    ASSERT_EQ(again.LoadFromFile(saved), 1);
    EXPECT_EQ(again.PageCount(), 4);
    EXPECT_EQ(again.GetCustomInformation("Numero Documenti Nel File"), "2");
}

TEST(LoadSave, SavingWithoutChangesKeepsPagesAndEntries) {
    TempFolder folder;
    const std::string original = WriteOwnFile(folder);
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(original), 1);
    const std::string saved = folder.File("same.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
    EXPECT_EQ(loadtest::PdfinfoPages(saved), 3);
    std::string output;
    ASSERT_EQ(loadtest::Run("pdftotext " + loadtest::ShellQuote(saved) + " -", &output), 0);
    EXPECT_NE(output.find("Pagina 1"), std::string::npos);
    EXPECT_NE(output.find("Pagina 3"), std::string::npos);
}

TEST(LoadSave, IncrementalUpdateOfAnotherProducerBecomesOneTable) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    pdf.Object(5, "<< /Producer (first) >>");
    const std::size_t first = pdf.ClassicXref("/Root 1 0 R /Info 5 0 R");
    pdf.StartXref(first);
    // The update replaces the pages node by one with a second page.
    const std::size_t two = pdf.text.size();
    pdf.text += "2 0 obj\n<< /Type /Pages /Kids [ 3 0 R 6 0 R ] /Count 2 >>\nendobj\n";
    const std::size_t six = pdf.text.size();
    pdf.text += "6 0 obj\n<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 300 300 ] >>\nendobj\n";
    const std::size_t second = pdf.text.size();
    pdf.text += "xref\n0 1\n" + PdfText::Entry(0, 65535, 'f') + "2 1\n" + PdfText::Entry(two, 0, 'n') +
                "6 1\n" + PdfText::Entry(six, 0, 'n');
    pdf.text += "trailer\n<< /Size 7 /Root 1 0 R /Info 5 0 R /Prev " + std::to_string(first) + " >>\n";
    pdf.StartXref(second);

    TempFolder folder;
    const std::string input = folder.Write("update.pdf", pdf.text);
    ASSERT_EQ(loadtest::PdfinfoPages(input), 2);
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(input), 1);
    EXPECT_EQ(toolkit.PageCount(), 2);
    ASSERT_EQ(toolkit.NewPage(), 3);
    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
    EXPECT_EQ(loadtest::PdfinfoPages(saved), 3);
    const std::string text = loadtest::ReadFile(saved);
    EXPECT_EQ(text.find("/Prev"), std::string::npos);
}

TEST(LoadSave, GenerationsAreKept) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 100 100 ] /Annots [ 4 3 R ] >>");
    pdf.Object(4, "<< /Type /Annot /Subtype /Text /Rect [ 0 0 10 10 ] >>", 3);
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("gen.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.SelectedDocument()->FindObject(4)->generation, 3);
    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
    const std::string text = loadtest::ReadFile(saved);
    const std::size_t at = text.find("4 3 obj");
    ASSERT_NE(at, std::string::npos);
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00003 n", at);
    EXPECT_NE(text.find(entry), std::string::npos);
}

// Large neighbouring objects are copied from file to file in one range; the file saved is the text the
// writer makes in memory for the same document.
TEST(LoadSave, LargeUntouchedObjectsCopiedFromFileToFile) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    std::string big(3 << 20, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 13 + i / 5003);
    pdf.Stream(5, "/Type /XObject", big);
    pdf.Stream(6, "/Type /XObject", big.substr(7));
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("big.pdf", pdf.text)), 1);
    ASSERT_EQ(toolkit.NewPage(), 2);
    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    const std::string text = loadtest::ReadFile(saved);
    EXPECT_EQ(text, SerializeDocument(*toolkit.SelectedDocument()));
    const std::size_t five = pdf.offsets[5];
    const std::string objects = pdf.text.substr(five, pdf.text.find("xref\n", five) - five);
    EXPECT_NE(text.find(objects), std::string::npos);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
}
