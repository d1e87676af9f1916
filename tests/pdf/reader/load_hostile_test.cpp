// Damaged and hostile files: nothing may crash or hang the loader, and the files of other producers
// installed on this machine load, take a page and save cleanly.

#include "pdf/reader/load_support.h"
#include "pdf/toolkit.h"

#include <filesystem>

using loadtest::AddOnePageDocument;
using loadtest::PdfText;
using loadtest::TempFolder;

TEST(LoadHostile, AbsurdNumbersInTheTableAndTrailer) {
    TempFolder folder;
    TPDFToolkit toolkit;
    {
        PdfText pdf;
        AddOnePageDocument(pdf);
        const std::size_t at = pdf.text.size();
        pdf.text += "xref\n0 99999999999\n" + PdfText::Entry(0, 65535, 'f') +
                    PdfText::Entry(pdf.offsets[1], 0, 'n') + PdfText::Entry(pdf.offsets[2], 0, 'n') +
                    PdfText::Entry(pdf.offsets[3], 0, 'n') + PdfText::Entry(pdf.offsets[4], 0, 'n');
        pdf.text += "trailer\n<< /Size 5 /Root 1 0 R /Prev 99999999999999999999 >>\n";
        pdf.StartXref(at);
        EXPECT_EQ(toolkit.LoadFromFile(folder.Write("count.pdf", pdf.text)), 1);
        EXPECT_EQ(toolkit.PageCount(), 1);
    }
    {
        PdfText pdf;
        AddOnePageDocument(pdf);
        const std::size_t at = pdf.text.size();
        pdf.text += "xref\n2147483647 2\n" + PdfText::Entry(pdf.offsets[1], 0, 'n') +
                    PdfText::Entry(pdf.offsets[2], 99999999, 'n');
        pdf.text += "trailer\n<< /Size 5 /Root 1 0 R >>\n";
        pdf.StartXref(at);
        EXPECT_EQ(toolkit.LoadFromFile(folder.Write("numbers.pdf", pdf.text)), 0); // no catalog object
    }
    {
        PdfText pdf;
        AddOnePageDocument(pdf);
        pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
        std::string huge = pdf.text;
        huge.replace(huge.rfind("startxref\n") + 10, std::string::npos, "184467440737095516150\n%%EOF\n");
        EXPECT_EQ(toolkit.LoadFromFile(folder.Write("startxref.pdf", huge)), 0);
    }
}

TEST(LoadHostile, DeeplyNestedObjectDoesNotExhaustTheStack) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 100 100 ] /Deep 4 0 R >>");
    pdf.Object(4, std::string(200000, '[') + std::string(200000, ']'));
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("deep.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.SelectedDocument()->ObjectValue(4), nullptr);
    // The unreadable object is carried over as it stands.
    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_NE(loadtest::ReadFile(saved).find(std::string(200000, '[')), std::string::npos);
}

TEST(LoadHostile, ReferenceCyclesAndPageTreeLoops) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R 2 0 R 5 0 R ] /Count 2 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox 6 0 R >>");
    pdf.Object(5, "<< /Type /Pages /Kids [ 2 0 R ] /Parent 5 0 R >>");
    pdf.Object(6, "7 0 R");
    pdf.Object(7, "6 0 R");
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("cycles.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.PageCount(), 1);
    EXPECT_GT(toolkit.PageWidth(), 0);
}

TEST(LoadHostile, FilesOfOtherProducersOnThisMachine) {
    std::vector<std::string> found;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator("/usr/share/doc", error);
         !error && it != std::filesystem::recursive_directory_iterator() && found.size() < 3;
         it.increment(error)) {
        if (it->is_regular_file(error) && it->path().extension() == ".pdf" && it->file_size(error) < 4000000)
            found.push_back(it->path().string());
    }
    if (found.empty())
        GTEST_SKIP() << "no PDF file under /usr/share/doc";
    TempFolder folder;
    for (const std::string& file : found) {
        SCOPED_TRACE(file);
        const int pages = loadtest::QpdfPages(file);
        TPDFToolkit toolkit;
        ASSERT_EQ(toolkit.LoadFromFile(file), 1);
        EXPECT_EQ(toolkit.PageCount(), pages);
        EXPECT_EQ(toolkit.NewPage(), pages + 1);
        const std::string saved = folder.File("saved.pdf");
        ASSERT_EQ(toolkit.SaveToFile(saved), 1);
        EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
        EXPECT_EQ(loadtest::QpdfPages(saved), pages + 1);
    }
}
