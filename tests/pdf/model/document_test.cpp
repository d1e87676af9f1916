#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "pdf/model/date.h"
#include "pdf/model/doc_encoding.h"
#include "pdf/model/document.h"
#include "pdf/model/page_sizes.h"
#include "pdf/toolkit.h"
#include "support/environment.h"

namespace {

std::string PageText(TPDFDocument& document, int page) {
    return document.pageTree.Page(page)->ToText(document.structure.Precision());
}

// "D:" + 14 digits + "Z" or a signed "hh'mm'" zone.
bool LooksLikePDFDate(const std::string& text) {
    auto digits = [&](std::size_t from, std::size_t count) {
        for (std::size_t i = from; i < from + count; ++i)
            if (i >= text.size() || text[i] < '0' || text[i] > '9')
                return false;
        return true;
    };
    if (text.size() < 17 || text.compare(0, 2, "D:") != 0 || !digits(2, 14))
        return false;
    if (text.size() == 17)
        return text[16] == 'Z';
    return text.size() == 23 && (text[16] == '+' || text[16] == '-') && digits(17, 2) && text[19] == '\'' &&
           digits(20, 2) && text[22] == '\'';
}

TEST(Skeleton, NewDocumentHasObjectsOneToFive) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->objects.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(doc->objects[static_cast<std::size_t>(i)]->number, i + 1);
        EXPECT_EQ(doc->objects[static_cast<std::size_t>(i)]->generation, 0);
    }
    EXPECT_EQ(doc->objects[0]->value->ToText(), "<<\n/Type /Pages\n/Count 1\n/Kids [ 2 0 R ]\n>>\n");
    EXPECT_EQ(doc->objects[2]->value->ToText(), "<<\n/Type /Catalog\n/Pages 1 0 R\n>>\n");
    EXPECT_EQ(doc->objects[4]->value->ToText(), "<<\n/Length 0\n/LC /Ruvo\n>>\nstream\n\nendstream");
    EXPECT_EQ(doc->version, "1.4");
    EXPECT_EQ(toolkit.PageCount(), 1);
    EXPECT_EQ(doc->pageTree.SelectedPageNumber(), 1);
    // Trailer entries in the order Size, Root, Info, ID.
    ASSERT_EQ(doc->trailer->entries.size(), 4u);
    EXPECT_EQ(doc->trailer->entries[0].key.bytes, "Size");
    EXPECT_EQ(doc->trailer->entries[1].key.bytes, "Root");
    EXPECT_EQ(doc->trailer->entries[2].key.bytes, "Info");
    EXPECT_EQ(doc->trailer->entries[3].key.bytes, "ID");
    EXPECT_EQ(AsNumeric(doc->trailer->Get("Size"))->value, 6);
    TPDFArray* id = AsArray(doc->trailer->Get("ID"));
    ASSERT_NE(id, nullptr);
    ASSERT_EQ(id->Count(), 2u);
    EXPECT_EQ(AsString(id->Item(0))->bytes.size(), 16u);
    EXPECT_EQ(AsString(id->Item(0))->mode, TPDFString::HexMode);
    EXPECT_EQ(AsString(id->Item(0))->bytes, AsString(id->Item(1))->bytes);
}

TEST(Skeleton, InformationEntriesInOrder) {
    TPDFToolkit toolkit;
    TPDFDictionary* info = toolkit.SelectedDocument()->InfoDictionary(false);
    ASSERT_NE(info, nullptr);
    ASSERT_EQ(info->entries.size(), 4u);
    EXPECT_EQ(info->entries[0].key.bytes, "Producer");
    EXPECT_EQ(info->entries[1].key.bytes, "Creator");
    EXPECT_EQ(info->entries[2].key.bytes, "CreationDate");
    EXPECT_EQ(info->entries[3].key.bytes, "ModDate");
    EXPECT_EQ(toolkit.GetInformation(6), WriterIdString);
    EXPECT_EQ(toolkit.GetInformation(5), WriterIdString);
    EXPECT_TRUE(LooksLikePDFDate(AsString(info->Get("CreationDate"))->bytes));
}

TEST(Numbering, RegisteringContinuesAfterHighestNumber) {
    TPDFDocument doc;
    TPDFIndObj loaded;
    loaded.number = 40;
    doc.AddLoadedObject(loaded);
    loaded.number = 7;
    doc.AddLoadedObject(loaded);
    EXPECT_EQ(doc.trailer->Get("Size"), nullptr); // loaded records leave /Size alone
    TPDFIndRef ref = doc.Register(doc.structure.NewNull());
    EXPECT_EQ(ref.number, 41);
    EXPECT_EQ(ref.generation, 0);
    EXPECT_EQ(AsNumeric(doc.trailer->Get("Size"))->value, 42);
    EXPECT_EQ(doc.objects.back()->number, 41);
    EXPECT_TRUE(doc.objects.back()->parsed);
    EXPECT_EQ(doc.FindObject(7), doc.objects[1].get());
}

TEST(Numbering, ObjectsParsedOnDemandThroughHook) {
    TPDFDocument doc;
    TPDFIndObj loaded;
    loaded.number = 3;
    doc.AddLoadedObject(loaded);
    int calls = 0;
    doc.parseObject = [&](TPDFDocument& d, TPDFIndObj& record) {
        ++calls;
        record.value = d.structure.NewNumeric(42);
        record.parsed = true;
        return true;
    };
    TPDFIndRef ref(3, 0);
    EXPECT_EQ(AsNumeric(doc.Resolve(&ref))->value, 42);
    EXPECT_EQ(AsNumeric(doc.Resolve(&ref))->value, 42);
    EXPECT_EQ(calls, 1);
    TPDFIndRef dangling(99, 0);
    EXPECT_EQ(doc.Resolve(&dangling), nullptr);
}

TEST(Numbering, ReferenceLoopDoesNotHang) {
    TPDFDocument doc;
    TPDFIndRef toSelf(1, 0);
    TPDFIndObj loaded;
    loaded.number = 1;
    loaded.value = &toSelf;
    loaded.parsed = true;
    doc.AddLoadedObject(loaded);
    EXPECT_EQ(doc.Resolve(&toSelf), nullptr);
}

TEST(Documents, NewSelectRemove) {
    TPDFToolkit toolkit;
    TPDFDocument* first = toolkit.SelectedDocument();
    EXPECT_EQ(toolkit.RemoveDocument(first), 0); // the only document stays
    TPDFDocument* second = toolkit.NewDocument();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(toolkit.SelectedDocument(), second);
    EXPECT_EQ(toolkit.Documents().size(), 2u);
    EXPECT_EQ(toolkit.SelectDocument(first), 1);
    EXPECT_EQ(toolkit.SelectedDocument(), first);
    TPDFDocument stranger;
    EXPECT_EQ(toolkit.SelectDocument(&stranger), 0);
    EXPECT_EQ(toolkit.RemoveDocument(&stranger), 0);
    EXPECT_EQ(toolkit.SelectedDocument(), first);
    // Removing the first document while it is selected selects the second.
    EXPECT_EQ(toolkit.RemoveDocument(first), 1);
    EXPECT_EQ(toolkit.SelectedDocument(), second);
    EXPECT_EQ(toolkit.Documents().size(), 1u);
}

TEST(Documents, RemovingSelectedSelectsThePreviousOne) {
    TPDFToolkit toolkit;
    TPDFDocument* first = toolkit.SelectedDocument();
    TPDFDocument* second = toolkit.NewDocument();
    TPDFDocument* third = toolkit.NewDocument();
    EXPECT_EQ(toolkit.RemoveDocument(third), 1);
    EXPECT_EQ(toolkit.SelectedDocument(), second);
    EXPECT_EQ(toolkit.RemoveDocument(first), 1); // not selected: selection stays
    EXPECT_EQ(toolkit.SelectedDocument(), second);
}

TEST(Documents, SelectingPicksFirstFontOfThatDocument) {
    TPDFToolkit toolkit;
    TPDFDocument* first = toolkit.SelectedDocument();
    TPDFFont* courier = toolkit.AddStandardFont(0);
    toolkit.AddStandardFont(1);
    toolkit.NewDocument();
    EXPECT_EQ(toolkit.SelectedFont(), nullptr);
    toolkit.SelectDocument(first);
    EXPECT_EQ(toolkit.SelectedFont(), courier);
}

TEST(Pages, NewPageAppendsAndSelects) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    ASSERT_EQ(toolkit.SetPageSize("A4"), 1);
    EXPECT_EQ(toolkit.NewPage(), 2);
    EXPECT_EQ(toolkit.PageCount(), 2);
    EXPECT_EQ(doc->pageTree.SelectedPageNumber(), 2);
    // Page object 6, its content stream 7.
    EXPECT_EQ(PageText(*doc, 2), "<<\n/Type /Page\n/Parent 1 0 R\n/MediaBox [ 0 0 595.2755 841.8897 ]\n"
                                 "/CropBox [ 0 0 595.2755 841.8897 ]\n/Rotate 0\n"
                                 "/Resources <<\n/ProcSet [ /PDF /Text /ImageB /ImageC /ImageI ]\n>>\n"
                                 "/Contents [ 7 0 R ]\n>>\n");
    EXPECT_EQ(doc->objects[0]->value->ToText(), "<<\n/Type /Pages\n/Count 2\n/Kids [ 2 0 R 6 0 R ]\n>>\n");
    EXPECT_EQ(doc->objects[6]->value->ToText(), "<<\n/Length 0\n/LC /Ruvo\n>>\nstream\n\nendstream");
    EXPECT_EQ(toolkit.NewPage(), 3);
    EXPECT_EQ(toolkit.PageCount(), 3);
}

TEST(Pages, SelectPageOutOfRangeKeepsSelection) {
    TPDFToolkit toolkit;
    toolkit.NewPage();
    toolkit.NewPage();
    toolkit.SelectPage(2);
    EXPECT_EQ(toolkit.SelectedDocument()->pageTree.SelectedPageNumber(), 2);
    toolkit.SelectPage(0);
    toolkit.SelectPage(4);
    EXPECT_EQ(toolkit.SelectedDocument()->pageTree.SelectedPageNumber(), 2);
}

TEST(Pages, SelectingPageWithFullStreamStartsNewOne) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    doc->pageTree.contentStreams.back()->SetData(std::string(500001, ' '));
    toolkit.NewPage();
    toolkit.SelectPage(1);
    EXPECT_EQ(doc->pageTree.contentStreams.size(), 2u);
    EXPECT_NE(PageText(*doc, 1).find("/Contents [ 5 0 R 8 0 R ]"), std::string::npos) << PageText(*doc, 1);
    // A stream of exactly the limit is still appended to.
    doc->pageTree.contentStreams.back()->SetData(std::string(500000, ' '));
    toolkit.SelectPage(1);
    EXPECT_EQ(doc->pageTree.contentStreams.size(), 2u);
    EXPECT_EQ(doc->pageTree.Painter().Content().size(), 500001u); // a line end is added to foreign text
}

TEST(Pages, ForeignContentGetsOwnStreamAndSingleReferenceBecomesArray) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    TPDFStream* foreign = doc->structure.NewStream();
    foreign->SetData("0 0 m\n");
    TPDFIndRef ref = doc->Register(foreign); // object 6
    doc->pageTree.Page(1)->Set("Contents", doc->structure.NewIndRef(ref.number));
    toolkit.SelectPage(1);
    EXPECT_NE(PageText(*doc, 1).find("/Contents [ 6 0 R 7 0 R ]"), std::string::npos) << PageText(*doc, 1);
    EXPECT_EQ(doc->pageTree.Painter().Content(), "");
}

TEST(PageSizes, AllFortyNineNames) {
    const char* names[] = {
        "LETTER", "LEGAL", "STATEMENT", "TABLOID", "LEDGER", "EXECUTIVE", "FOLIO", "A0",    "A1",    "A2",
        "A3",     "A4",    "A5",        "A6",      "A7",     "A8",        "A9",    "A10",   "B0",    "B1",
        "B2",     "B3",    "B4",        "B5",      "B6",     "B7",        "B8",    "B9",    "B10",   "ISOB0",
        "ISOB1",  "ISOB2", "ISOB3",     "ISOB4",   "ISOB5",  "ISOB6",     "ISOB7", "ISOB8", "ISOB9", "ISOB10",
        "C0",     "C1",    "C2",        "C3",      "C4",     "C5",        "C6",    "C7",    "DL"};
    EXPECT_EQ(std::size(names), 49u);
    for (const char* name : names)
        EXPECT_TRUE(LookupPageSize(name).has_value()) << name;
    EXPECT_FALSE(LookupPageSize("A11").has_value());
    EXPECT_FALSE(LookupPageSize("").has_value());
    EXPECT_FALSE(LookupPageSize("ISOB11").has_value());
}

TEST(PageSizes, MillimetresToPoints) {
    auto a4 = LookupPageSize("A4");
    EXPECT_NEAR(a4->width, 595.2755905511812, 1e-9);
    EXPECT_NEAR(a4->height, 841.8897637795276, 1e-9);
    auto isob5 = LookupPageSize("ISOB5");
    EXPECT_NEAR(isob5->width, 176 / 25.4 * 72, 1e-9);
    EXPECT_NEAR(isob5->height, 250 / 25.4 * 72, 1e-9);
    auto b5 = LookupPageSize("B5");
    EXPECT_NEAR(b5->width, 182 / 25.4 * 72, 1e-9);
    auto dl = LookupPageSize("DL");
    EXPECT_NEAR(dl->height, 220 / 25.4 * 72, 1e-9);
}

TEST(PageSizes, LandscapeInLowerCase) {
    TPDFToolkit toolkit;
    ASSERT_EQ(toolkit.SetPageSize("a4 landscape"), 1);
    EXPECT_NE(PageText(*toolkit.SelectedDocument(), 1).find("/MediaBox [ 0 0 841.8897 595.2755 ]"),
              std::string::npos);
    EXPECT_NE(PageText(*toolkit.SelectedDocument(), 1).find("/CropBox [ 0 0 841.8897 595.2755 ]"),
              std::string::npos);
}

TEST(PageSizes, LedgerLandscapeStaysPortrait) {
    auto plain = LookupPageSize("LEDGER");
    auto landscape = LookupPageSize("LEDGER LANDSCAPE");
    ASSERT_TRUE(plain && landscape);
    EXPECT_DOUBLE_EQ(plain->width, landscape->width);
    EXPECT_DOUBLE_EQ(plain->height, landscape->height);
    EXPECT_NEAR(plain->width, 431.8 / 25.4 * 72, 1e-9);
    auto tabloid = LookupPageSize("landscape tabloid");
    EXPECT_NEAR(tabloid->width, 431.8 / 25.4 * 72, 1e-9);
}

TEST(PageSizes, UnknownNameLeavesPage) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SetPageSize("A44"), 0);
    EXPECT_DOUBLE_EQ(toolkit.PageWidth(), 612);
    EXPECT_DOUBLE_EQ(toolkit.PageHeight(), 792);
}

TEST(Units, PageSizeInEachUnit) {
    TPDFToolkit toolkit;
    toolkit.SetPageSize("A4");
    EXPECT_EQ(toolkit.SetMeasurementUnits(2), 1);
    EXPECT_NEAR(toolkit.PageWidth(), 8.26771653, 1e-8);
    EXPECT_NEAR(toolkit.PageHeight(), 11.69291338, 1e-8);
    EXPECT_EQ(toolkit.SetMeasurementUnits(1), 1);
    EXPECT_NEAR(toolkit.PageWidth(), 210, 1e-9);
    EXPECT_NEAR(toolkit.PageHeight(), 297, 1e-9);
    EXPECT_EQ(toolkit.SetMeasurementUnits(7), 1); // taken as points
    EXPECT_NEAR(toolkit.PageWidth(), 595.2755905511812, 1e-9);
}

TEST(Units, NewPageTakesSizeOfSelectedPage) {
    TPDFToolkit toolkit;
    toolkit.SetPageSize("A5");
    toolkit.NewPage();
    toolkit.SetMeasurementUnits(1);
    EXPECT_NEAR(toolkit.PageWidth(), 148, 1e-9);
    EXPECT_NEAR(toolkit.PageHeight(), 210, 1e-9);
}

TEST(Origin, EachCornerConvertsCoordinates) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    toolkit.SetMeasurementUnits(2); // inches on a 612 x 792 page
    toolkit.SetOrigin(0);
    EXPECT_DOUBLE_EQ(doc->ToPointsX(1), 72);
    EXPECT_DOUBLE_EQ(doc->ToPointsY(2), 144);
    toolkit.SetOrigin(1);
    EXPECT_DOUBLE_EQ(doc->ToPointsX(1), 72);
    EXPECT_DOUBLE_EQ(doc->ToPointsY(2), 792 - 144);
    toolkit.SetOrigin(2);
    EXPECT_DOUBLE_EQ(doc->ToPointsX(1), 612 - 72);
    EXPECT_DOUBLE_EQ(doc->ToPointsY(2), 792 - 144);
    toolkit.SetOrigin(3);
    EXPECT_DOUBLE_EQ(doc->ToPointsX(1), 612 - 72);
    EXPECT_DOUBLE_EQ(doc->ToPointsY(2), 144);
    EXPECT_EQ(toolkit.SetOrigin(4), 1);
    EXPECT_EQ(doc->origin, 0);
    EXPECT_EQ(toolkit.SetOrigin(-1), 1);
    EXPECT_EQ(doc->origin, 0);
    EXPECT_DOUBLE_EQ(doc->ToPointsLength(0.5), 36);
}

TEST(Information, SetAndGetEntries) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SetInformation(1, "Mario Rossi"), 1);
    EXPECT_EQ(toolkit.SetInformation(2, "Fattura n\xB0 12 \x80 (copia)"), 1);
    EXPECT_EQ(toolkit.GetInformation(1), "Mario Rossi");
    EXPECT_EQ(toolkit.GetInformation(2), "Fattura n\xB0 12 \x80 (copia)");
    TPDFDictionary* info = toolkit.SelectedDocument()->InfoDictionary(false);
    // The euro sign is stored as PDFDocEncoding A0.
    EXPECT_EQ(AsString(info->Get("Title"))->bytes, "Fattura n\xB0 12 \xA0 (copia)");
    EXPECT_EQ(info->entries.back().key.bytes, "Title");
    // Updating keeps the entry's place.
    EXPECT_EQ(toolkit.SetInformation(1, "Luigi"), 1);
    EXPECT_EQ(info->entries[4].key.bytes, "Author");
}

TEST(Information, EmptyTextRemovesEntry) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SetInformation(4, "fattura"), 1);
    EXPECT_EQ(toolkit.SetInformation(4, ""), 1);
    EXPECT_EQ(toolkit.SelectedDocument()->InfoDictionary(false)->Get("Keywords"), nullptr);
    EXPECT_EQ(toolkit.GetInformation(4), "");
}

TEST(Information, IndexOutOfRange) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.LastErrorCode(), 0);
    EXPECT_EQ(toolkit.SetInformation(7, "x"), 0);
    EXPECT_EQ(toolkit.LastErrorCode(), 202);
    EXPECT_EQ(toolkit.SetInformation(-1, "x"), 0);
    EXPECT_EQ(toolkit.LastErrorCode(), 202);
    EXPECT_EQ(toolkit.GetInformation(7), "");
}

TEST(Information, EncryptedDocumentRefused) {
    TPDFToolkit toolkit;
    toolkit.SelectedDocument()->encrypted = true;
    EXPECT_EQ(toolkit.SetInformation(1, "x"), 0);
    EXPECT_EQ(toolkit.LastErrorCode(), 201);
}

TEST(Information, VersionOnlyFromAcceptedList) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.GetInformation(0), "1.4");
    EXPECT_EQ(toolkit.SetInformation(0, "1.3"), 1);
    EXPECT_EQ(toolkit.GetInformation(0), "1.3");
    EXPECT_EQ(toolkit.SetInformation(0, "1.6"), 0);
    EXPECT_EQ(toolkit.SetInformation(0, "2.0"), 0);
    EXPECT_EQ(toolkit.GetInformation(0), "1.3");
}

TEST(Information, MissingInfoDictionaryIsCreated) {
    TPDFToolkit toolkit;
    TPDFDocument* doc = toolkit.SelectedDocument();
    doc->trailer->Remove("Info");
    EXPECT_EQ(toolkit.GetInformation(1), "");
    EXPECT_EQ(toolkit.SetInformation(1, "a"), 1);
    EXPECT_EQ(AsIndRef(doc->trailer->Get("Info"))->number, 6);
}

TEST(Information, UnicodeTextIsStoredUnchanged) {
    TPDFToolkit toolkit;
    std::string utf16("\xFE\xFF\x00\x41\x20\xAC", 6); // "A" and the euro sign
    // Read back as Windows-1252 the text differs from what was passed, so the answer is 0.
    EXPECT_EQ(toolkit.SetInformation(2, utf16), 0);
    EXPECT_EQ(AsString(toolkit.SelectedDocument()->InfoDictionary(false)->Get("Title"))->bytes, utf16);
    EXPECT_EQ(toolkit.GetInformation(2), "A\x80");
}

TEST(CustomInformation, StandardKeysAndPrefixesRefused) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SetCustomInformation("Title", "x"), 0);
    EXPECT_EQ(toolkit.SetCustomInformation("", "x"), 0);
    EXPECT_EQ(toolkit.SetCustomInformation("Auth", "x"), 0);
    EXPECT_EQ(toolkit.SetCustomInformation("Producer", "x"), 0);
    EXPECT_EQ(toolkit.GetCustomInformation("Producer"), "");
}

TEST(CustomInformation, KeysWithBlanksBecomeEscapedNames) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.SetCustomInformation("Numero Documenti Nel File", "3"), 1);
    EXPECT_EQ(toolkit.GetCustomInformation("Numero Documenti Nel File"), "3");
    EXPECT_EQ(toolkit.GetCustomInformation("Dati documento 12"), "");
    std::string infoText = toolkit.SelectedDocument()->InfoDictionary(false)->ToText();
    EXPECT_NE(infoText.find("/Numero#20Documenti#20Nel#20File (3)\n"), std::string::npos) << infoText;
    EXPECT_EQ(toolkit.SetCustomInformation("Numero Documenti Nel File", "4"), 1);
    EXPECT_EQ(toolkit.GetCustomInformation("Numero Documenti Nel File"), "4");
    EXPECT_EQ(toolkit.SetCustomInformation("Numero Documenti Nel File", ""), 1);
    EXPECT_EQ(toolkit.GetCustomInformation("Numero Documenti Nel File"), "");
}

TEST(DocEncoding, ThirtyFourPairsAndIdentityElsewhere) {
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    std::string doc = AnsiToPDFDocEncoding(all);
    int changed = 0;
    for (int i = 0; i < 256; ++i)
        if (doc[static_cast<std::size_t>(i)] != all[static_cast<std::size_t>(i)])
            ++changed;
    EXPECT_EQ(changed, 34);
    EXPECT_EQ(PDFDocEncodingToAnsi(doc), all); // the reverse table is the inverse
    EXPECT_EQ(AnsiToPDFDocEncoding("\x1A\x1F\x80\x95\x9F\xA0\xAD"), "\x9F\x87\xA0\x80\x98\x9A\x9B");
    EXPECT_EQ(AnsiToPDFDocEncoding("Aa\xE8"), "Aa\xE8");
}

TEST(PDFDates, ZoneFormats) {
    EXPECT_EQ(FormatPDFZone(0), "Z");
    EXPECT_EQ(FormatPDFZone(60), "+01'00'");
    EXPECT_EQ(FormatPDFZone(-300), "-05'00'");
    EXPECT_EQ(FormatPDFZone(330), "+05'30'");
}

TEST(PDFDates, LocalTimeWithOffset) {
    TimeZoneOverride zone("CET-1CEST,M3.5.0,M10.5.0/3");
    // 2024-12-31 22:59:59 UTC is 23:59:59 in winter time in Rome.
    EXPECT_EQ(FormatPDFDate(1735685999), "D:20241231235959+01'00'");
    // 2024-07-01 10:00:00 UTC is 12:00 in summer time.
    EXPECT_EQ(FormatPDFDate(1719828000), "D:20240701120000+02'00'");
}

TEST(PDFDates, WestOfUtcAndUtc) {
    {
        TimeZoneOverride zone("EST5");
        EXPECT_EQ(FormatPDFDate(1735685999), "D:20241231175959-05'00'");
    }
    TimeZoneOverride zone("UTC0");
    EXPECT_EQ(FormatPDFDate(0), "D:19700101000000Z");
}

TEST(PDFDates, DayNumberCountsFrom1899) {
    TimeZoneOverride zone("UTC0");
    EXPECT_DOUBLE_EQ(LocalDayNumber(0), 25569);
    EXPECT_DOUBLE_EQ(LocalDayNumber(43200), 25569.5);
}

} // namespace
