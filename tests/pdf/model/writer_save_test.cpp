#include <gtest/gtest.h>

#include <stdexcept>

#include "pdf/model/file_writer.h"
#include "pdf/model/number.h"
#include "pdf/model/writer_support.h"
#include "pdf/toolkit.h"
#include "support/environment.h"
#include "support/shell_command.h"

namespace {

using pdftest::CheckWithTools;
using pdftest::DirectoryEntries;
using pdftest::ReadFileBytes;
using pdftest::ScratchDirectory;
using pdftest::WriteFileBytes;

// Replaces the date digits and the identifier digits, which change from run to run, by zeros.
std::string MaskVariableParts(std::string text) {
    for (std::size_t at = text.find("(D:"); at != std::string::npos; at = text.find("(D:", at + 1)) {
        for (std::size_t i = at + 3; i < at + 17 && i < text.size(); ++i)
            text[i] = '0';
    }
    std::size_t id = text.find("/ID [ <");
    if (id != std::string::npos) {
        std::size_t first = id + 7;
        std::size_t second = first + 32 + 3;
        for (std::size_t i = 0; i < 32 && second + i < text.size(); ++i)
            text[first + i] = text[second + i] = '0';
    }
    return text;
}

// Every in-use cross-reference entry must point at "<n> <g> obj"; returns a complaint or "".
std::string CheckCrossReference(const std::string& file) {
    std::size_t startxref = file.rfind("startxref\n");
    if (startxref == std::string::npos)
        return "no startxref";
    std::size_t xref = std::stoul(file.substr(startxref + 10));
    if (file.compare(xref, 5, "xref\n") != 0)
        return "startxref does not point at xref";
    std::size_t pos = xref + 5;
    std::size_t space = file.find(' ', pos);
    std::size_t first = std::stoul(file.substr(pos, space - pos));
    std::size_t lineEnd = file.find('\n', pos);
    std::size_t count = std::stoul(file.substr(space + 1, lineEnd - space - 1));
    pos = lineEnd + 1;
    for (std::size_t i = 0; i < count; ++i, pos += 20) {
        std::string entry = file.substr(pos, 20);
        if (entry.size() != 20 || entry[10] != ' ' || entry[16] != ' ' || entry[18] != ' ' ||
            entry[19] != '\n')
            return "malformed entry " + entry;
        if (entry[17] != 'n')
            continue;
        std::size_t offset = std::stoul(entry.substr(0, 10));
        std::string expected =
            std::to_string(first + i) + " " + std::to_string(std::stoul(entry.substr(11, 5))) + " obj";
        if (file.compare(offset, expected.size(), expected) != 0)
            return "entry " + std::to_string(first + i) + " points at the wrong place";
    }
    if (file.compare(pos, 8, "trailer\n") != 0)
        return "no trailer after the table";
    return {};
}

// The value of one "Label:   value" line of pdfinfo.
std::string InfoField(const std::string& output, const std::string& label) {
    std::size_t at = output.find("\n" + label + ":");
    if (at == std::string::npos && output.compare(0, label.size() + 1, label + ":") == 0)
        at = 0;
    else if (at != std::string::npos)
        ++at;
    if (at == std::string::npos)
        return {};
    std::size_t start = output.find_first_not_of(' ', at + label.size() + 1);
    std::size_t end = output.find('\n', start);
    return output.substr(start, end - start);
}

class ThrowingValue : public TPDFObject {
public:
    void Serialize(std::string&, int, bool) const override { throw std::runtime_error("broken"); }
    TPDFObjectKind Kind() const override { return TPDFObjectKind::Null; }
};

TEST(SaveNewDocument, ExactBytesOfDocumentSavedAtOnce) {
    TimeZoneOverride utc("UTC0");
    ScratchDirectory dir;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.SaveToFile((dir / "new.pdf").string()), 1);
    std::string saved = ReadFileBytes(dir / "new.pdf");
    std::string golden =
        ReadFileBytes(std::filesystem::path(STAMPADOC_TEST_DATA) / "pdf/model/new_document_masked.pdf");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(MaskVariableParts(saved), golden);
    EXPECT_EQ(CheckCrossReference(saved), "");
    EXPECT_EQ(CheckWithTools(dir / "new.pdf"), "");
}

TEST(SaveNewDocument, ModDateIsSetOnSaveAndDocumentStaysUsable) {
    ScratchDirectory dir;
    TPDFToolkit toolkit;
    TPDFDictionary* info = toolkit.SelectedDocument()->InfoDictionary(false);
    AsString(info->Get("ModDate"))->bytes = "D:19990101000000Z";
    ASSERT_EQ(toolkit.SaveToFile((dir / "a.pdf").string()), 1);
    EXPECT_NE(AsString(info->Get("ModDate"))->bytes, "D:19990101000000Z");
    EXPECT_EQ(info->entries.back().key.bytes, "ModDate"); // updated in place
    EXPECT_EQ(toolkit.NewPage(), 2);
    ASSERT_EQ(toolkit.SaveToFile((dir / "a.pdf").string()), 1);
    std::string saved = ReadFileBytes(dir / "a.pdf");
    EXPECT_NE(saved.find("/Count 2"), std::string::npos);
    EXPECT_EQ(CheckCrossReference(saved), "");
    EXPECT_EQ(CheckWithTools(dir / "a.pdf"), "");
}

TEST(SaveNewDocument, RichDocumentPassesTools) {
    ScratchDirectory dir;
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    toolkit.SetPageSize("A4");
    toolkit.AddStandardFont(8);
    for (int page = 0; page < 3; ++page) {
        if (page > 0) {
            ASSERT_GT(toolkit.NewPage(), 0);
        }
        toolkit.SetTextSize(6);
        toolkit.SetTextAlign(1);
        ASSERT_EQ(toolkit.DrawRotatedText(8, 5, 90, "Stampato con stampadoc (pagina) \\ \xE8"), 1);
    }
    toolkit.SetInformation(2, "Fattura \x80 (prova)");
    toolkit.SetCustomInformation("Numero Documenti Nel File", "1");
    toolkit.SetCustomInformation("Dati documento 12", "F;12;01/02/2024");
    ASSERT_EQ(toolkit.SaveToFile((dir / "rich.pdf").string()), 1);
    EXPECT_EQ(CheckWithTools(dir / "rich.pdf"), "");
    EXPECT_EQ(CheckCrossReference(ReadFileBytes(dir / "rich.pdf")), "");
    auto info = pdftest::RunTool("pdfinfo -enc UTF-8 " + ShellQuoted(dir / "rich.pdf"));
    EXPECT_EQ(InfoField(info.output, "Pages"), "3") << info.output;
    EXPECT_EQ(InfoField(info.output, "Title"), "Fattura \xE2\x82\xAC (prova)") << info.output;
    EXPECT_EQ(InfoField(info.output, "Page size"), "595.276 x 841.89 pts (A4)") << info.output;
}

TEST(SaveFailures, FailedSerialisationLeavesExistingFileUntouched) {
    ScratchDirectory dir;
    std::filesystem::path target = dir / "archive.pdf";
    WriteFileBytes(target, "earlier documents");
    TPDFToolkit toolkit;
    ThrowingValue broken;
    toolkit.SelectedDocument()->Register(&broken);
    EXPECT_EQ(toolkit.SaveToFile(target.string()), 0);
    EXPECT_EQ(ReadFileBytes(target), "earlier documents");
    EXPECT_EQ(DirectoryEntries(dir.path), std::vector<std::string>{"archive.pdf"});
}

TEST(SaveFailures, MissingDirectoryOrDirectoryTarget) {
    ScratchDirectory dir;
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SaveToFile((dir / "no-such-dir" / "a.pdf").string()), 0);
    EXPECT_EQ(toolkit.SaveToFile(dir.path.string()), 0);
    EXPECT_EQ(toolkit.SaveToFile(""), 0);
    EXPECT_TRUE(DirectoryEntries(dir.path).empty());
}

// A document that stands for a loaded file: its bytes, records with offsets, one record parsed.
TEST(SaveLoaded, NeverParsedObjectsCopiedByteForByte) {
    std::string object1 = "1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n";
    std::string object2 = "2 0 obj\n<< /Type /Pages /Kids [] /Count 0 >>\nendobj\n";
    std::string object4 = "4 1 obj\n(kept  as   is)\nendobj"; // no line end before the table
    std::string object5 = "5 0 obj\r\n[1 2 3]\r\nendobj\r";   // ends in a carriage return
    std::string header = "%PDF-1.3\n";
    std::string fileBytes = header + object1 + object2 + object4 + object5 + "xref\n...";

    TPDFDocument doc;
    doc.fileBytes = fileBytes;
    doc.version = "1.3";
    std::size_t offset = header.size();
    auto addRecord = [&](int number, int generation, const std::string& text) {
        TPDFIndObj record;
        record.number = number;
        record.generation = generation;
        record.offset = static_cast<int64_t>(offset);
        record.length = static_cast<int64_t>(text.size());
        offset += text.size();
        return &doc.AddLoadedObject(record);
    };
    addRecord(1, 0, object1);
    TPDFIndObj* pages = addRecord(2, 0, object2);
    addRecord(4, 1, object4);
    addRecord(5, 0, object5);
    TPDFIndObj empty;
    empty.number = 6; // a record whose text is empty
    doc.AddLoadedObject(empty);
    // Object 2 was parsed and changed: it is written anew.
    TPDFDictionary* pagesValue = doc.structure.NewDictionary();
    pagesValue->Set("Type", doc.structure.NewName("Pages"));
    pagesValue->Set("Count", doc.structure.NewNumeric(0));
    pages->value = pagesValue;
    pages->parsed = true;
    doc.trailer->Set("Size", doc.structure.NewNumeric(7));
    doc.trailer->Set("Root", doc.structure.NewIndRef(1));
    doc.trailer->Set("Prev", doc.structure.NewNumeric(12345));
    TPDFIndRef added = doc.Register(doc.structure.NewString("new"));
    EXPECT_EQ(added.number, 7);

    std::string out = SerializeDocument(doc);
    std::string expectedObjects = header + "%\xE2\xE3\xCF\xD3\n" + object1 +
                                  "2 0 obj\n<<\n/Type /Pages\n/Count 0\n>>\nendobj\n" + object4 + "\n" +
                                  object5 + "7 0 obj\n(new)\nendobj\n";
    ASSERT_EQ(out.substr(0, expectedObjects.size()), expectedObjects);
    std::string table = out.substr(expectedObjects.size());
    std::size_t o1 = header.size() + 6;
    std::size_t o2 = o1 + object1.size();
    std::size_t o4 = o2 + std::string("2 0 obj\n<<\n/Type /Pages\n/Count 0\n>>\nendobj\n").size();
    std::size_t o5 = o4 + object4.size() + 1;
    std::size_t o7 = o5 + object5.size();
    auto entry = [](std::size_t off, int gen, char kind) {
        return FormatPaddedInteger(static_cast<int64_t>(off), 10) + " " + FormatPaddedInteger(gen, 5) + " " +
               kind + " \n";
    };
    std::string expectedTable = "xref\n0 8\n" + entry(0, 65535, 'f') + entry(o1, 0, 'n') + entry(o2, 0, 'n') +
                                entry(0, 0, 'f') + entry(o4, 1, 'n') + entry(o5, 0, 'n') + entry(0, 0, 'f') +
                                entry(o7, 0, 'n') + "trailer\n<<\n/Size 8\n/Root 1 0 R\n>>\nstartxref\n" +
                                std::to_string(expectedObjects.size()) + "\n%%EOF\n";
    EXPECT_EQ(table, expectedTable);
}

TEST(SaveLoaded, ObjectStreamMembersWrittenAsOrdinaryObjects) {
    TPDFDocument doc;
    TPDFIndObj member;
    member.number = 3;
    member.objectStreamNumber = 9;
    member.objectStreamIndex = 0;
    doc.AddLoadedObject(member);
    TPDFIndObj unreadable;
    unreadable.number = 4;
    unreadable.objectStreamNumber = 9;
    unreadable.objectStreamIndex = 1;
    doc.AddLoadedObject(unreadable);
    doc.parseObject = [](TPDFDocument& d, TPDFIndObj& record) {
        if (record.number != 3)
            return false;
        record.value = d.structure.NewNumeric(42);
        record.parsed = true;
        return true;
    };
    std::string out = SerializeDocument(doc);
    EXPECT_NE(out.find("3 0 obj\n42\nendobj\n"), std::string::npos);
    EXPECT_EQ(out.find("4 0 obj"), std::string::npos);
    EXPECT_NE(out.find("xref\n0 5\n"), std::string::npos);
    EXPECT_EQ(CheckCrossReference(out), "");
}

} // namespace
