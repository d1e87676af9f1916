#include <gtest/gtest.h>

#include "docdata/document_record.h"

namespace {

TRecDocObjectBase RecordWithThreeLines() {
    TRecDocObjectBase doc;
    doc.DocTitle = "FATTURA";
    doc.DocKind = 3;
    doc.AltPriceMode = 1;
    doc.ReservedInt = 7;
    doc.ReservedText3 = "SPARE";
    doc.DocDate = EncodeDay(5, 3, 2007);
    doc.SetDueDate(2, EncodeDay(30, 4, 2007));
    doc.SetDueAmount(5, 125);
    doc.VatRows[0] = {"22", 1000, 220};
    doc.VatDescriptions[4] = "ESENTE";
    doc.AltVatCodes = {"22"};
    doc.AltVatTaxables = {"10"};
    doc.AltVatTaxes = {"2,2"};
    for (int i = 0; i < 3; ++i) {
        const int index = doc.Lines.Add("S" + std::to_string(i));
        SetLineArticleCode(doc.Lines, index, "ART" + std::to_string(i));
        SetLineAmount(doc.Lines, index, 100.0 * (i + 1));
        SetLineAmount2(doc.Lines, index, 1.5);
        SetLineColumn7(doc.Lines, index, "C7");
    }
    return doc;
}

TEST(DocumentRecord, NewRecordIsCleared) {
    const TRecDocObjectBase doc;
    EXPECT_EQ(doc.DocDate, NullDate);
    EXPECT_EQ(doc.ReservedDate, NullDate);
    EXPECT_EQ(doc.AuxDate65, NullDate);
    EXPECT_EQ(doc.TransportDate, NullDate);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(doc.GetDueDate(i), NullDate);
        EXPECT_EQ(doc.GetDueAmount(i), 0);
    }
    EXPECT_EQ(doc.DocKind, 0);
    EXPECT_EQ(doc.GrandTotal, 0);
    EXPECT_TRUE(doc.DocTitle.empty());
    EXPECT_EQ(doc.Lines.Count(), 0);
    EXPECT_TRUE(doc.AltVatCodes.empty());
    EXPECT_EQ(FormatDateLong(doc.DocDate), "");
}

TEST(DocumentRecord, ClearResetsEveryKindOfField) {
    TRecDocObjectBase doc = RecordWithThreeLines();
    doc.Clear();
    EXPECT_EQ(doc.DocDate, NullDate);
    EXPECT_EQ(doc.GetDueDate(2), NullDate);
    EXPECT_EQ(doc.GetDueAmount(5), 0);
    EXPECT_EQ(doc.DocKind, 0);
    EXPECT_EQ(doc.AltPriceMode, 0);
    EXPECT_EQ(doc.ReservedInt, 0);
    EXPECT_TRUE(doc.ReservedText3.empty());
    EXPECT_TRUE(doc.VatRows[0].Code.empty());
    EXPECT_EQ(doc.VatRows[0].Tax, 0);
    EXPECT_TRUE(doc.VatDescriptions[4].empty());
    EXPECT_EQ(doc.Lines.Count(), 0);
    EXPECT_TRUE(doc.AltVatCodes.empty());
    EXPECT_TRUE(doc.AltVatTaxables.empty());
    EXPECT_TRUE(doc.AltVatTaxes.empty());
    // Clearing an empty record is harmless and the lists stay usable.
    doc.Clear();
    EXPECT_EQ(doc.Lines.Add(""), 0);
}

TEST(DocumentRecord, DueDatesAndAmountsOutsideOneToFive) {
    TRecDocObjectBase doc;
    doc.SetDueDate(0, 100);
    doc.SetDueDate(6, 100);
    EXPECT_EQ(doc.GetDueDate(0), NullDate);
    EXPECT_EQ(doc.GetDueDate(6), NullDate);
    doc.SetDueAmount(6, 50);
    doc.SetDueAmount(-1, 50);
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(doc.GetDueAmount(i), 0);
    EXPECT_EQ(doc.GetDueAmount(6), 0);
    doc.SetDueAmount(1, 50);
    doc.SetDueDate(5, 200);
    EXPECT_EQ(doc.GetDueAmount(1), 50);
    EXPECT_EQ(doc.GetDueDate(5), 200);
    EXPECT_EQ(doc.DueAmounts[0], 50);
    EXPECT_EQ(doc.DueDates[4], 200);
}

TEST(DocumentRecordAssign, CopiesEveryFieldAndEveryLine) {
    const TRecDocObjectBase source = RecordWithThreeLines();
    TRecDocObjectBase copy;
    copy.DocTitle = "OLD";
    copy.Lines.Add("");
    copy.Assign(source);
    EXPECT_EQ(copy.DocTitle, "FATTURA");
    EXPECT_EQ(copy.AltPriceMode, 1);
    EXPECT_EQ(copy.ReservedInt, 7);
    EXPECT_EQ(copy.ReservedText3, "SPARE");
    EXPECT_EQ(copy.DocDate, source.DocDate);
    EXPECT_EQ(copy.GetDueDate(2), source.GetDueDate(2));
    EXPECT_EQ(copy.GetDueAmount(5), 125);
    EXPECT_EQ(copy.VatRows[0].Tax, 220);
    EXPECT_EQ(copy.VatDescriptions[4], "ESENTE");
    EXPECT_EQ(copy.AltVatTaxes, source.AltVatTaxes);
    ASSERT_EQ(copy.Lines.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(copy.Lines.Strings(i), "S" + std::to_string(i));
        EXPECT_EQ(GetLineArticleCode(copy.Lines, i), "ART" + std::to_string(i));
        EXPECT_EQ(GetLineAmount(copy.Lines, i), 100.0 * (i + 1));
        EXPECT_EQ(GetLineAmount2(copy.Lines, i), 1.5);
        EXPECT_EQ(GetLineColumn7(copy.Lines, i), "C7");
        EXPECT_NE(copy.Lines.Line(i), source.Lines.Line(i)); // new line objects
    }
}

TEST(DocumentRecordAssign, RecordsShareNothingAfterwards) {
    TRecDocObjectBase source = RecordWithThreeLines();
    TRecDocObjectBase copy;
    copy.Assign(source);
    copy.Lines.Delete(1);
    SetLineDescription(copy.Lines, 0, "CHANGED");
    copy.AltVatCodes.push_back("4");
    ASSERT_EQ(source.Lines.Count(), 3);
    EXPECT_EQ(GetLineArticleCode(source.Lines, 1), "ART1");
    EXPECT_EQ(GetLineDescription(source.Lines, 0), "");
    EXPECT_EQ(source.AltVatCodes.size(), 1u);
    source.Clear();
    EXPECT_EQ(copy.Lines.Count(), 2);
    EXPECT_EQ(GetLineArticleCode(copy.Lines, 1), "ART2");
}

TEST(DocumentRecordAssign, AssignFromItselfKeepsTheLines) {
    TRecDocObjectBase doc = RecordWithThreeLines();
    doc.Assign(doc);
    EXPECT_EQ(doc.Lines.Count(), 3);
    doc.Lines.Assign(doc.Lines);
    EXPECT_EQ(GetLineArticleCode(doc.Lines, 2), "ART2");
}

TEST(LineList, AddInsertDeleteKeepLinesWithTheirEntries) {
    TListaRigheDoc list;
    EXPECT_EQ(list.Add("A"), 0);
    EXPECT_EQ(list.Add("C"), 1);
    SetLineUnit(list, 0, "PZ");
    SetLineUnit(list, 1, "KG");
    list.Insert(1, "B");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(1), "B");
    EXPECT_EQ(GetLineUnit(list, 1), ""); // the inserted entry has a new cleared line
    EXPECT_EQ(GetLineUnit(list, 2), "KG");
    list.Insert(7, "X"); // outside 0..Count: ignored
    list.Insert(-1, "X");
    EXPECT_EQ(list.Count(), 3);
    list.Delete(0);
    EXPECT_EQ(list.Strings(0), "B");
    EXPECT_EQ(GetLineUnit(list, 1), "KG");
    list.Delete(5);
    EXPECT_EQ(list.Count(), 2);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(LineList, AccessorsOutsideTheListDoNothing) {
    TListaRigheDoc list;
    list.Add("");
    EXPECT_EQ(GetLineArticleCode(list, 1), ""); // index equal to the count
    EXPECT_EQ(GetLineArticleCode(list, -1), "");
    EXPECT_EQ(GetLineAmount(list, 1), 0);
    SetLineArticleCode(list, 1, "X");
    SetLineAmount(list, -1, 5);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(GetLineArticleCode(list, 0), "");
    EXPECT_EQ(list.Line(1), nullptr);
    EXPECT_EQ(list.Strings(3), "");
}

TEST(LineList, EveryColumnHasItsOwnAccessors) {
    TListaRigheDoc list;
    const int i = list.Add("");
    SetLineArticleCode(list, i, "1");
    SetLineDescription(list, i, "2");
    SetLineUnit(list, i, "3");
    SetLineQuantity(list, i, "4");
    SetLineColumn5(list, i, "5");
    SetLineColumn6(list, i, "6");
    SetLineColumn7(list, i, "7");
    SetLineUnitPrice(list, i, "8");
    SetLineDiscount(list, i, "9");
    SetLineVatCode(list, i, "10");
    SetLineColumn11(list, i, "11");
    SetLineAltPrice(list, i, "12");
    SetLineAmount(list, i, 13);
    SetLineAmount2(list, i, 14);
    const TRecRigaDocObject& line = *list.Line(i);
    EXPECT_EQ(line.ArticleCode + line.Description + line.Unit + line.Quantity + line.Column5 + line.Column6 +
                  line.Column7 + line.UnitPrice + line.Discount + line.VatCode + line.Column11 +
                  line.AltPrice,
              "123456789101112");
    EXPECT_EQ(line.Amount, 13);
    EXPECT_EQ(line.Amount2, 14);
    list.Line(i)->Clear();
    EXPECT_EQ(GetLineAltPrice(list, i), "");
    EXPECT_EQ(GetLineAmount2(list, i), 0);
}

} // namespace
