// Loading: header and version, the "%%EOF"/startxref search, classic tables, /Prev chains, the object
// list and its offsets.

#include "pdf/reader/load_support.h"
#include "pdf/reader/loader.h"
#include "pdf/reader/xref.h"
#include "pdf/toolkit.h"

using loadtest::AddOnePageDocument;
using loadtest::PdfText;
using loadtest::TempFolder;

namespace {

std::string OnePageFile(const std::string& header = "%PDF-1.4\n") {
    PdfText pdf(header);
    AddOnePageDocument(pdf);
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    return pdf.text;
}

} // namespace

TEST(LoadHeader, VersionIsTakenFromTheHeader) {
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("a.pdf", OnePageFile("%PDF-1.6\n"))), 1);
    EXPECT_EQ(toolkit.SelectedDocument()->version, "1.6");
    EXPECT_EQ(toolkit.GetInformation(0), "1.6");
}

TEST(LoadHeader, HeaderMayFollowJunkAndPostScriptHeaderIsAccepted) {
    EXPECT_EQ(TPDFLoader::ReadVersion("garbage line\n%PDF-1.3\n"), "1.3");
    EXPECT_EQ(TPDFLoader::ReadVersion("%!PS-Adobe-3.0 PDF-1.2\n"), "1.2");
    EXPECT_EQ(TPDFLoader::ReadVersion("%PDF-2.0"), "2.0");
    EXPECT_EQ(TPDFLoader::ReadVersion(std::string(1030, ' ') + "%PDF-1.4\n"), "");
}

TEST(LoadHeader, HeaderWithoutAValidVersionFails) {
    EXPECT_EQ(TPDFLoader::ReadVersion("%PDF-x\n"), "");
    EXPECT_EQ(TPDFLoader::ReadVersion("%PDF-\n"), "");
    EXPECT_EQ(TPDFLoader::ReadVersion("%PDF-1.4.1\n"), "");
    EXPECT_EQ(TPDFLoader::ReadVersion("%PDF-.\n"), "");
    TempFolder folder;
    TPDFToolkit toolkit;
    TPDFDocument* before = toolkit.SelectedDocument();
    std::string file = OnePageFile("%PDF-x\n");
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("bad.pdf", file)), 0);
    EXPECT_EQ(toolkit.SelectedDocument(), before);
    EXPECT_EQ(toolkit.Documents().size(), 1u);
}

TEST(LoadHeader, MissingFileAndFolderFail) {
    TempFolder folder;
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.LoadFromFile(folder.File("absent.pdf")), 0);
    EXPECT_EQ(toolkit.LoadFromFile(folder.path.string()), 0);
    EXPECT_EQ(toolkit.Documents().size(), 1u);
}

TEST(LoadStartXref, NumberBeforeTheLastEofCounts) {
    EXPECT_EQ(TPDFXrefReader::FindStartXref("startxref\n1234\n%%EOF\n"), 1234);
    EXPECT_EQ(TPDFXrefReader::FindStartXref("startxref\n1\n%%EOF\nstartxref\n77 \r\n%%EOF"), 77);
    EXPECT_EQ(TPDFXrefReader::FindStartXref("startxref\n12\n"), -1);
    // "%%EOF" must stand within the last 1024 bytes.
    EXPECT_EQ(TPDFXrefReader::FindStartXref("startxref\n12\n%%EOF" + std::string(1100, '\n')), -1);
    EXPECT_EQ(TPDFXrefReader::FindStartXref("startxref\n12\n%%EOF" + std::string(1000, '\n')), 12);
}

TEST(LoadStartXref, FileWithoutEofOrTableFails) {
    TempFolder folder;
    TPDFToolkit toolkit;
    std::string file = OnePageFile();
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("noeof.pdf", file.substr(0, file.rfind("%%EOF")))), 0);
    std::string wrong = file;
    wrong.replace(wrong.rfind("startxref\n") + 10, std::string::npos, "5\n%%EOF\n");
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("wrongxref.pdf", wrong)), 0);
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("truncated.pdf", file.substr(0, file.size() / 2))), 0);
    EXPECT_EQ(toolkit.Documents().size(), 1u);
}

TEST(LoadStartXref, OffsetSlightlyOffStillFindsTheTable) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    const std::size_t at = pdf.ClassicXref("/Root 1 0 R");
    pdf.StartXref(at - 3);
    TempFolder folder;
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("off.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.PageCount(), 1);
}

TEST(LoadClassicTable, SubsectionsAreRead) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    const std::size_t at = pdf.text.size();
    // Three subsections in an unusual order, one with a free entry.
    pdf.text += "xref\n0 1\n" + PdfText::Entry(0, 65535, 'f');
    pdf.text += "3 2\n" + PdfText::Entry(pdf.offsets[3], 0, 'n') + PdfText::Entry(pdf.offsets[4], 0, 'n');
    pdf.text += "1 2\r\n" + PdfText::Entry(pdf.offsets[1], 0, 'n') + PdfText::Entry(pdf.offsets[2], 0, 'n');
    pdf.text += "trailer\n<< /Size 5 /Root 1 0 R >>\n";
    pdf.StartXref(at);
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("sub.pdf", pdf.text)), 1);
    TPDFDocument* document = toolkit.SelectedDocument();
    ASSERT_GE(document->objects.size(), 4u);
    for (int n = 1; n <= 4; ++n) {
        const TPDFIndObj* record = document->FindObject(n);
        ASSERT_NE(record, nullptr) << n;
        EXPECT_EQ(record->offset, static_cast<int64_t>(pdf.offsets[n])) << n;
    }
}

TEST(LoadClassicTable, ObjectListIsSortedByOffsetWithLengthsToTheNextObject) {
    PdfText pdf;
    // Objects written in the order 4 3 2 1 so that list order and number order differ.
    pdf.Stream(4, "", "0 0 m 10 10 l S");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 200 200 ] /Contents 4 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.text += "% a comment between the objects and the table\n";
    const std::size_t at = pdf.ClassicXref("/Root 1 0 R");
    pdf.StartXref(at);
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("order.pdf", pdf.text)), 1);
    TPDFDocument* document = toolkit.SelectedDocument();
    std::vector<int> order;
    for (const auto& record : document->objects)
        if (record->offset >= 0)
            order.push_back(record->number);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 4), (std::vector<int>{4, 3, 2, 1}));
    // Each object's text ends with its "endobj".
    for (int n = 1; n <= 4; ++n) {
        const TPDFIndObj* record = document->FindObject(n);
        const std::string text(document->fileBytes.substr(record->offset, record->length));
        EXPECT_EQ(text.rfind(std::to_string(n) + " 0 obj", 0), 0u) << text;
        EXPECT_EQ(text.substr(text.size() - 6), "endobj") << text;
    }
}

TEST(LoadClassicTable, WrongOffsetsAreFoundAgainInTheFile) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    const std::size_t realOffset = pdf.offsets[2];
    pdf.offsets[2] += 5;     // points into the middle of object 2
    pdf.offsets[3] = 999999; // beyond the end of the file
    const std::size_t at = pdf.ClassicXref("/Root 1 0 R");
    pdf.StartXref(at);
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("offsets.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.PageCount(), 1);
    EXPECT_EQ(toolkit.SelectedDocument()->FindObject(2)->offset, static_cast<int64_t>(realOffset));
}

TEST(LoadPrevChain, NewestSectionWinsAndOlderObjectsStay) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    pdf.Object(5, "<< /Title (old) >>");
    const std::size_t first = pdf.ClassicXref("/Root 1 0 R /Info 5 0 R");
    pdf.StartXref(first);
    // Incremental update: object 5 replaced, object 6 added.
    const std::size_t newFive = pdf.text.size();
    pdf.text += "5 0 obj\n<< /Title (new) >>\nendobj\n";
    const std::size_t six = pdf.text.size();
    pdf.text += "6 0 obj\n(extra)\nendobj\n";
    const std::size_t second = pdf.text.size();
    pdf.text += "xref\n0 1\n" + PdfText::Entry(0, 65535, 'f') + "5 2\n" + PdfText::Entry(newFive, 0, 'n') +
                PdfText::Entry(six, 0, 'n');
    pdf.text += "trailer\n<< /Size 7 /Root 1 0 R /Info 5 0 R /Prev " + std::to_string(first) + " >>\n";
    pdf.StartXref(second);
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("update.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.GetInformation(2), "new");
    TPDFDocument* document = toolkit.SelectedDocument();
    EXPECT_EQ(document->FindObject(5)->offset, static_cast<int64_t>(newFive));
    EXPECT_NE(document->FindObject(1), nullptr);
    EXPECT_NE(document->FindObject(6), nullptr);
    // The trailer kept is the newest one, without the chain's own entries.
    EXPECT_FALSE(document->trailer->Has("Prev"));
    EXPECT_TRUE(document->trailer->Has("Root"));
    // The old text of object 5 is no object of its own any more.
    for (const auto& record : document->objects)
        EXPECT_NE(record->offset, static_cast<int64_t>(pdf.offsets[5]));
}

TEST(LoadPrevChain, LoopsInPrevEnd) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    const std::size_t at = pdf.ClassicXref("/Root 1 0 R /Prev " + std::to_string(pdf.text.size()));
    pdf.StartXref(at);
    TempFolder folder;
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("selfloop.pdf", pdf.text)), 1);

    // Two sections pointing at each other.
    PdfText two;
    AddOnePageDocument(two);
    const std::size_t firstAt = two.text.size();
    two.text += "xref\n0 3\n" + PdfText::Entry(0, 65535, 'f') + PdfText::Entry(two.offsets[1], 0, 'n') +
                PdfText::Entry(two.offsets[2], 0, 'n');
    std::string secondOffset = "SECONDXREF";
    two.text += "trailer\n<< /Size 5 /Root 1 0 R /Prev " + secondOffset + " >>\n";
    const std::size_t secondAt = two.text.size();
    two.text +=
        "xref\n3 2\n" + PdfText::Entry(two.offsets[3], 0, 'n') + PdfText::Entry(two.offsets[4], 0, 'n');
    two.text += "trailer\n<< /Size 5 /Root 1 0 R /Prev " + std::to_string(firstAt) + " >>\n";
    char padded[16];
    std::snprintf(padded, sizeof padded, "%010zu", secondAt);
    two.text.replace(two.text.find(secondOffset), secondOffset.size(), padded);
    two.StartXref(secondAt);
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("loop.pdf", two.text)), 1);
    EXPECT_EQ(toolkit.PageCount(), 1);
}

TEST(LoadPrevChain, UnreadableOlderSectionFails) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    const std::size_t at = pdf.ClassicXref("/Root 1 0 R /Prev 30");
    pdf.StartXref(at);
    TempFolder folder;
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("badprev.pdf", pdf.text)), 0);
}

TEST(LoadFlags, LinearizedFlagNeedsTheDictionaryEntry) {
    PdfText pdf;
    pdf.Object(7, "<< /Linearized 1 /L 1000 /O 3 /N 1 >>");
    AddOnePageDocument(pdf);
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("lin.pdf", pdf.text)), 1);
    EXPECT_TRUE(toolkit.SelectedDocument()->linearized);

    PdfText mention;
    mention.text += "% /Linearized only in a comment\n";
    AddOnePageDocument(mention);
    mention.StartXref(mention.ClassicXref("/Root 1 0 R"));
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("notlin.pdf", mention.text)), 1);
    EXPECT_FALSE(toolkit.SelectedDocument()->linearized);
}

TEST(LoadFlags, EncryptedFileIsFlagged) {
    PdfText pdf;
    AddOnePageDocument(pdf);
    pdf.Object(5, "<< /Filter /Standard /V 1 /R 2 /O <00> /U <00> /P -4 >>");
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R /Encrypt 5 0 R /ID [ <01> <01> ]"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("enc.pdf", pdf.text)), 1);
    EXPECT_TRUE(toolkit.SelectedDocument()->encrypted);
    EXPECT_EQ(toolkit.SetInformation(2, "x"), 0);
    EXPECT_EQ(toolkit.LastErrorCode(), TPDFToolkit::ErrorEncrypted);
}

TEST(LoadSelection, LoadedDocumentIsSelectedOnPageOne) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R 5 0 R ] /Count 2 /MediaBox [ 0 0 300 400 ] >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /Contents 4 0 R >>");
    pdf.Stream(4, "", "");
    pdf.Object(5, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 100 100 ] >>");
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    TPDFDocument* first = toolkit.SelectedDocument();
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("two.pdf", pdf.text)), 1);
    EXPECT_NE(toolkit.SelectedDocument(), first);
    EXPECT_EQ(toolkit.Documents().size(), 2u);
    EXPECT_EQ(toolkit.PageCount(), 2);
    EXPECT_EQ(toolkit.SelectedDocument()->pageTree.SelectedPageNumber(), 1);
    EXPECT_DOUBLE_EQ(toolkit.PageWidth(), 300);
    EXPECT_DOUBLE_EQ(toolkit.PageHeight(), 400);
}

TEST(LoadSelection, FileWithoutPagesFails) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ ] /Count 0 >>");
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.LoadFromFile(folder.Write("nopages.pdf", pdf.text)), 0);
    EXPECT_EQ(toolkit.Documents().size(), 1u);
}
