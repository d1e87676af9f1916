// Loading: stream data and its /Length, decoding through filters, cross-reference streams and objects
// inside object streams.

#include "pdf/reader/filter_chain.h"
#include "pdf/reader/lexer.h"
#include "pdf/reader/load_support.h"
#include "pdf/reader/parser.h"
#include "pdf/toolkit.h"

using loadtest::AddOnePageDocument;
using loadtest::Deflate;
using loadtest::PdfText;
using loadtest::TempFolder;

namespace {

TPDFStream* ParseStreamObject(TPDFStructure& structure, const std::string& text,
                              const TPDFParser::LengthResolver& resolver = {}) {
    TPDFParser parser(structure, text);
    int32_t number = 0;
    int32_t generation = 0;
    return AsStream(parser.ParseIndirectObject(0, number, generation, resolver));
}

std::string BigEndian(uint64_t value, int width) {
    std::string out;
    for (int i = width - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

struct XrefRow {
    int type;
    uint64_t second;
    uint64_t third;
};

// Rows of a cross-reference stream with /W [ 1 4 2 ], optionally PNG-Up predicted (/Predictor 12).
std::string XrefRows(const std::vector<XrefRow>& rows, bool predictor) {
    std::string plain;
    for (const XrefRow& row : rows)
        plain += BigEndian(row.type, 1) + BigEndian(row.second, 4) + BigEndian(row.third, 2);
    if (!predictor)
        return plain;
    std::string out;
    std::string previous(7, '\0');
    for (std::size_t at = 0; at < plain.size(); at += 7) {
        out.push_back(2);
        for (std::size_t i = 0; i < 7; ++i)
            out.push_back(static_cast<char>(plain[at + i] - previous[i]));
        previous = plain.substr(at, 7);
    }
    return out;
}

// Catalog (1) and pages node (2) inside object stream 5; page (3) and content (4) plain; the
// cross-reference stream is object 6.
std::string FileWithObjectStream(bool predictor) {
    PdfText pdf("%PDF-1.5\n");
    const std::string one = "<< /Type /Catalog /Pages 2 0 R >>";
    const std::string two = "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>";
    const std::string header = "1 0 2 " + std::to_string(one.size() + 1) + " ";
    const std::string objects = header + one + "\n" + two;
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 500 600 ] /Contents 4 0 R >>");
    pdf.Stream(4, "/Filter /FlateDecode", Deflate("BT ET"));
    pdf.Stream(5, "/Type /ObjStm /N 2 /First " + std::to_string(header.size()) + " /Filter /FlateDecode",
               Deflate(objects));
    const std::size_t six = pdf.text.size();
    std::vector<XrefRow> rows = {
        {0, 0, 65535},          {2, 5, 0},  {2, 5, 1}, {1, pdf.offsets[3], 0}, {1, pdf.offsets[4], 0},
        {1, pdf.offsets[5], 0}, {1, six, 0}};
    const std::string data = Deflate(XrefRows(rows, predictor));
    std::string parms = predictor ? " /DecodeParms << /Predictor 12 /Columns 7 >>" : "";
    pdf.Stream(6, "/Type /XRef /Size 7 /W [ 1 4 2 ] /Root 1 0 R /Filter /FlateDecode" + parms, data);
    pdf.StartXref(six);
    return pdf.text;
}

} // namespace

TEST(LoadStreamLength, DeclaredLengthIsUsedWhenEndstreamFollows) {
    TPDFStructure structure;
    // The data itself contains "endstream" text; the length makes it part of the data.
    TPDFStream* stream = ParseStreamObject(
        structure, "1 0 obj\n<< /Length 13 >>\nstream\nab endstream\n\r\nendstream\nendobj\n");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Data(), "ab endstream\n");
}

TEST(LoadStreamLength, CarriageReturnLineFeedAfterStreamAndBeforeEndstream) {
    TPDFStructure structure;
    TPDFStream* stream = ParseStreamObject(
        structure, "1 0 obj\r\n<< /Length 4 >>\r\nstream\r\nabcd\r\nendstream\r\nendobj\r\n");
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Data(), "abcd");
}

TEST(LoadStreamLength, WrongOrHugeLengthFallsBackToEndstream) {
    for (const std::string length : {"2", "99999999999", "-5", "(x)"}) {
        TPDFStructure structure;
        TPDFStream* stream = ParseStreamObject(structure, "1 0 obj\n<< /Length " + length +
                                                              " >>\nstream\nabcdef\nendstream\nendobj\n");
        ASSERT_NE(stream, nullptr) << length;
        EXPECT_EQ(stream->Data(), "abcdef") << length;
        // The dictionary now tells the true length, so a save writes a consistent stream.
        auto* written = AsNumeric(stream->dictionary->Get("Length"));
        ASSERT_NE(written, nullptr);
        EXPECT_EQ(written->value, 6);
    }
}

TEST(LoadStreamLength, LengthByReferenceIsFollowed) {
    TPDFStructure structure;
    std::vector<int32_t> asked;
    auto resolver = [&](int32_t number, int32_t) -> std::optional<int64_t> {
        asked.push_back(number);
        return 3;
    };
    TPDFStream* stream = ParseStreamObject(
        structure, "1 0 obj\n<< /Length 9 0 R >>\nstream\nabc\nendstream\nendobj\n", resolver);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Data(), "abc");
    EXPECT_EQ(asked, std::vector<int32_t>{9});
}

TEST(LoadStreamLength, MissingEndstreamFails) {
    TPDFStructure structure;
    EXPECT_EQ(ParseStreamObject(structure, "1 0 obj\n<< /Length 1000 >>\nstream\nabc"), nullptr);
}

TEST(LoadStreamLength, LengthReferringToItselfDoesNotRecurse) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 100 100 ] /Contents 4 0 R >>");
    pdf.Object(4, "<< /Length 4 0 R >>\nstream\nq Q\nendstream");
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("self.pdf", pdf.text)), 1);
    auto* content = AsStream(toolkit.SelectedDocument()->ObjectValue(4));
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->Data(), "q Q");
}

TEST(LoadStreamDecoding, FilterChainIsAppliedInOrder) {
    PdfText pdf;
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 100 100 ] /Contents 4 0 R >>");
    // ASCII85 of the deflated text, marked as [ /A85 /Fl ].
    const std::string packed = Deflate("BT /F1 9 Tf (decoded) Tj ET");
    std::string a85;
    for (std::size_t i = 0; i < packed.size(); i += 4) {
        uint64_t group = 0;
        const std::size_t n = std::min<std::size_t>(4, packed.size() - i);
        for (std::size_t k = 0; k < 4; ++k)
            group = group * 256 + (k < n ? static_cast<unsigned char>(packed[i + k]) : 0);
        char digits[5];
        for (int k = 4; k >= 0; --k) {
            digits[k] = static_cast<char>('!' + group % 85);
            group /= 85;
        }
        a85.append(digits, n + 1);
    }
    a85 += "~>";
    pdf.Stream(4, "/Filter [ /A85 /Fl ]", a85);
    pdf.StartXref(pdf.ClassicXref("/Root 1 0 R"));
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("chain.pdf", pdf.text)), 1);
    TPDFDocument* document = toolkit.SelectedDocument();
    auto* content = AsStream(document->ObjectValue(4));
    ASSERT_NE(content, nullptr);
    std::string decoded;
    ASSERT_TRUE(document->DecodedStreamData(*content, decoded));
    EXPECT_EQ(decoded, "BT /F1 9 Tf (decoded) Tj ET");
}

TEST(LoadStreamDecoding, ParametersByReferenceAndUnknownFilters) {
    TPDFStructure structure;
    TPDFDictionary* parms = structure.NewDictionary();
    parms->Set("Predictor", structure.NewNumeric(12));
    parms->Set("Columns", structure.NewNumeric(2));
    TPDFDictionary* dictionary = structure.NewDictionary();
    dictionary->Set("Filter", structure.NewName("FlateDecode"));
    dictionary->Set("DecodeParms", structure.NewIndRef(8));
    auto resolve = [&](TPDFObject* value) -> TPDFObject* {
        auto* ref = AsIndRef(value);
        return ref ? (ref->number == 8 ? parms : nullptr) : value;
    };
    std::string out;
    const std::string rows = std::string("\x02\x01\x02\x02\x01\x01", 6);
    ASSERT_TRUE(DecodeStreamFilters(*dictionary, Deflate(rows), out, resolve));
    EXPECT_EQ(out, std::string("\x01\x02\x02\x03", 4));
    dictionary->Set("Filter", structure.NewName("DCTDecode"));
    EXPECT_FALSE(DecodeStreamFilters(*dictionary, "data", out, resolve));
    dictionary->Set("Filter", structure.NewNumeric(3));
    EXPECT_FALSE(DecodeStreamFilters(*dictionary, "data", out, resolve));
    dictionary->Remove("Filter");
    ASSERT_TRUE(DecodeStreamFilters(*dictionary, "data", out, resolve));
    EXPECT_EQ(out, "data");
}

TEST(LoadXrefStream, ObjectsInObjectStreamsAreRead) {
    for (bool predictor : {false, true}) {
        SCOPED_TRACE(predictor);
        TempFolder folder;
        TPDFToolkit toolkit;
        ASSERT_EQ(toolkit.LoadFromFile(folder.Write("objstm.pdf", FileWithObjectStream(predictor))), 1);
        EXPECT_EQ(toolkit.PageCount(), 1);
        EXPECT_DOUBLE_EQ(toolkit.PageWidth(), 500);
        TPDFDocument* document = toolkit.SelectedDocument();
        const TPDFIndObj* catalog = document->FindObject(1);
        ASSERT_NE(catalog, nullptr);
        EXPECT_EQ(catalog->objectStreamNumber, 5);
        EXPECT_EQ(catalog->objectStreamIndex, 0);
        EXPECT_TRUE(catalog->parsed);
        EXPECT_EQ(document->FindObject(2)->objectStreamIndex, 1);
        // The object stream and the cross-reference stream are not carried into a saved file (their numbers
        // may be taken by new objects, such as the content stream that selecting page 1 adds).
        for (int32_t n : {5, 6}) {
            const TPDFIndObj* record = document->FindObject(n);
            EXPECT_TRUE(record == nullptr || record->offset < 0) << n;
        }
        EXPECT_FALSE(document->trailer->Has("W"));
        EXPECT_FALSE(document->trailer->Has("Type"));
        EXPECT_TRUE(document->trailer->Has("Root"));
    }
}

TEST(LoadXrefStream, SavedFileHasOneClassicTableAndPassesQpdf) {
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("objstm.pdf", FileWithObjectStream(true))), 1);
    ASSERT_GT(toolkit.NewPage(), 0);
    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
    EXPECT_EQ(loadtest::PdfinfoPages(saved), 2);
    const std::string text = loadtest::ReadFile(saved);
    EXPECT_EQ(text.find("/ObjStm"), std::string::npos);
    EXPECT_EQ(text.find("/XRef"), std::string::npos);
    TPDFToolkit again;
    ASSERT_EQ(again.LoadFromFile(saved), 1);
    EXPECT_EQ(again.PageCount(), 2);
}

// An update whose classic section gives the number of the older cross-reference stream (6) to the page's
// new content: the newest revision decides, and the content is kept through a save.
TEST(LoadXrefStream, NewerRevisionReusingTheStreamNumberKeepsTheLiveObject) {
    PdfText pdf("%PDF-1.5\n");
    pdf.text = FileWithObjectStream(false);
    const std::size_t previous = pdf.text.rfind("startxref");
    const std::size_t olderTable = std::stoul(pdf.text.substr(previous + 10));
    pdf.offsets.clear();
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 500 600 ] /Contents 6 0 R >>");
    pdf.Stream(6, "", "BT (Nuovo) Tj ET");
    const std::size_t table = pdf.text.size();
    pdf.text += "xref\n3 1\n" + PdfText::Entry(pdf.offsets[3], 0, 'n') + "6 1\n" +
                PdfText::Entry(pdf.offsets[6], 0, 'n') + "trailer\n<< /Size 7 /Root 1 0 R /Prev " +
                std::to_string(olderTable) + " >>\n";
    pdf.StartXref(table);

    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("update.pdf", pdf.text)), 1);
    const std::string saved = folder.File("saved.pdf");
    ASSERT_EQ(toolkit.SaveToFile(saved), 1);
    EXPECT_EQ(loadtest::QpdfCheck(saved), 0);
    const std::string text = loadtest::ReadFile(saved);
    EXPECT_NE(text.find("6 0 obj\n<<\n/Length 16\n>>\nstream\nBT (Nuovo) Tj ET\nendstream"),
              std::string::npos);
}

TEST(LoadXrefStream, HybridFileReadsXRefStmForCompressedObjects) {
    PdfText pdf("%PDF-1.5\n");
    const std::string one = "<< /Type /Catalog /Pages 2 0 R >>";
    const std::string header = "1 0 ";
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 100 100 ] >>");
    pdf.Stream(5, "/Type /ObjStm /N 1 /First 4", header + one);
    const std::size_t stm = pdf.text.size();
    pdf.Stream(6, "/Type /XRef /Size 7 /W [ 1 4 2 ] /Index [ 1 1 ]", XrefRows({{2, 5, 0}}, false));
    const std::size_t at = pdf.text.size();
    // The classic table lists object 1 as free; the cross-reference stream tells where it really is.
    pdf.text += "xref\n0 7\n" + PdfText::Entry(0, 65535, 'f') + PdfText::Entry(0, 0, 'f') +
                PdfText::Entry(pdf.offsets[2], 0, 'n') + PdfText::Entry(pdf.offsets[3], 0, 'n') +
                PdfText::Entry(0, 0, 'f') + PdfText::Entry(pdf.offsets[5], 0, 'n') +
                PdfText::Entry(stm, 0, 'n');
    pdf.text += "trailer\n<< /Size 7 /Root 1 0 R /XRefStm " + std::to_string(stm) + " >>\n";
    pdf.StartXref(at);
    TempFolder folder;
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.LoadFromFile(folder.Write("hybrid.pdf", pdf.text)), 1);
    EXPECT_EQ(toolkit.PageCount(), 1);
    EXPECT_EQ(toolkit.SelectedDocument()->FindObject(1)->objectStreamNumber, 5);
    EXPECT_FALSE(toolkit.SelectedDocument()->trailer->Has("XRefStm"));
}

TEST(LoadXrefStream, BadWidthsOrDataFail) {
    for (const std::string widths : {"[ 1 9 2 ]", "[ 0 0 0 ]", "[ 1 2 ]", "7"}) {
        PdfText pdf("%PDF-1.5\n");
        AddOnePageDocument(pdf);
        const std::size_t at = pdf.text.size();
        pdf.Stream(5, "/Type /XRef /Size 6 /Root 1 0 R /W " + widths, "\x01\x00\x00");
        pdf.StartXref(at);
        TempFolder folder;
        TPDFToolkit toolkit;
        EXPECT_EQ(toolkit.LoadFromFile(folder.Write("badw.pdf", pdf.text)), 0) << widths;
    }
}

TEST(LoadParser, ValuesOfEveryKind) {
    TPDFStructure structure;
    const std::string text =
        "<< /A true /B -12 /C +.5 /D (x\\(y\\)\\101\\\nz) /E <41 4 > /F /N#41me /G [ 1 0 R 2 "
        "null ] /H false >>";
    TPDFParser parser(structure, text);
    TPDFLexer lexer(text);
    auto* dictionary = AsDictionary(parser.ParseValue(lexer));
    ASSERT_NE(dictionary, nullptr);
    EXPECT_TRUE(AsBoolean(dictionary->Get("A"))->value);
    EXPECT_EQ(AsNumeric(dictionary->Get("B"))->value, -12);
    EXPECT_EQ(AsNumeric(dictionary->Get("C"))->value, 0.5);
    EXPECT_EQ(AsString(dictionary->Get("D"))->bytes, "x(y)Az");
    EXPECT_EQ(AsString(dictionary->Get("E"))->bytes, "A@");
    EXPECT_EQ(AsString(dictionary->Get("E"))->mode, TPDFString::HexMode);
    EXPECT_EQ(AsName(dictionary->Get("F"))->bytes, "NAme");
    auto* array = AsArray(dictionary->Get("G"));
    ASSERT_EQ(array->Count(), 3u);
    EXPECT_EQ(AsIndRef(array->Item(0))->number, 1);
    EXPECT_EQ(AsNumeric(array->Item(1))->value, 2);
    EXPECT_EQ(array->Item(2)->Kind(), TPDFObjectKind::Null);
    EXPECT_FALSE(AsBoolean(dictionary->Get("H"))->value);
}

TEST(LoadParser, NumbersIgnoreTheCLocale) {
    bool isInteger = false;
    int64_t integer = 0;
    double real = 0;
    ASSERT_TRUE(TPDFLexer::ParseNumber("3.25", isInteger, integer, real));
    EXPECT_FALSE(isInteger);
    EXPECT_EQ(real, 3.25);
    ASSERT_TRUE(TPDFLexer::ParseNumber("-.002", isInteger, integer, real));
    EXPECT_EQ(real, -0.002);
    ASSERT_TRUE(TPDFLexer::ParseNumber("4.", isInteger, integer, real));
    EXPECT_EQ(real, 4);
    ASSERT_TRUE(TPDFLexer::ParseNumber("123456789012", isInteger, integer, real));
    EXPECT_TRUE(isInteger);
    EXPECT_EQ(integer, 123456789012);
    EXPECT_FALSE(TPDFLexer::ParseNumber("1,5", isInteger, integer, real));
    EXPECT_FALSE(TPDFLexer::ParseNumber("1.2.3", isInteger, integer, real));
    EXPECT_FALSE(TPDFLexer::ParseNumber("-", isInteger, integer, real));
}

TEST(LoadParser, DeepNestingIsRefused) {
    TPDFStructure structure;
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    TPDFParser parser(structure, deep);
    TPDFLexer lexer(deep);
    EXPECT_EQ(parser.ParseValue(lexer), nullptr);
    const std::string fine =
        std::string(TPDFParser::kMaxDepth, '[') + std::string(TPDFParser::kMaxDepth, ']');
    TPDFParser fineParser(structure, fine);
    TPDFLexer fineLexer(fine);
    EXPECT_NE(fineParser.ParseValue(fineLexer), nullptr);
}

TEST(LoadParser, UnterminatedValuesFail) {
    for (const std::string text : {"<< /A 1", "[ 1 2", "(abc", "<41", "<< 1 2 >>", ")", "<< /A >>"}) {
        TPDFStructure structure;
        TPDFParser parser(structure, text);
        TPDFLexer lexer(text);
        TPDFObject* value = parser.ParseValue(lexer);
        if (text == "<< /A >>") {
            ASSERT_NE(value, nullptr); // a key without value is dropped
            EXPECT_EQ(AsDictionary(value)->Count(), 0u);
        } else {
            EXPECT_EQ(value, nullptr) << text;
        }
    }
}
