#include <gtest/gtest.h>

#include "layout/pagina.h"
#include "layout/tav_perso_stampante_fatt.h"

TEST(TPagina, NewBufferHas72ClearedRows) {
    TPagina page;
    EXPECT_EQ(page.lineCount(), 72);
    EXPECT_EQ(page.rowText(0), std::string(175, ' '));
    EXPECT_EQ(page.rowText(71), std::string(175, ' '));
    EXPECT_TRUE(page.rowSecondPitch(71));
}

TEST(TPagina, TextIsCutAtTheLastColumn) {
    TPagina page;
    page.putText(0, 170, "ABCDEFGH", false);
    EXPECT_EQ(page.rowText(0).size(), 175u);
    EXPECT_EQ(page.rowText(0).substr(169), "ABCDEF");
    EXPECT_EQ(page.rowText(0).substr(0, 169), std::string(169, ' '));
    EXPECT_FALSE(page.rowSecondPitch(0));
}

TEST(TPagina, WriteKeepsTheRestOfTheRow) {
    TPagina page;
    page.putText(3, 1, "XXXXXXXX", true);
    page.putText(3, 3, "ab", false);
    EXPECT_EQ(page.rowText(3).substr(0, 9), "XXabXXXX ");
    EXPECT_FALSE(page.rowSecondPitch(3));
}

TEST(TPagina, ColumnBeyondTheRowChangesNothing) {
    TPagina page;
    page.putText(0, 176, "A", false);
    EXPECT_EQ(page.rowText(0), std::string(175, ' '));
    EXPECT_TRUE(page.rowSecondPitch(0));
}

TEST(TPagina, RowsOutsideTheBufferChangeNothing) {
    TPagina page;
    page.setLineCount(5);
    page.putText(-1, 1, "A", false);
    page.putText(5, 1, "A", false);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(page.rowText(row), std::string(175, ' '));
        EXPECT_TRUE(page.rowSecondPitch(row));
    }
    EXPECT_EQ(page.rowText(5), std::string(175, ' '));
}

TEST(TPagina, EmptyWriteStillSetsThePitch) {
    TPagina page;
    page.putText(2, 10, "", false);
    EXPECT_FALSE(page.rowSecondPitch(2));
    EXPECT_EQ(page.rowText(2), std::string(175, ' '));
}

TEST(TPagina, ZeroRowsGiveBlankRowsEverywhere) {
    TPagina page;
    page.setLineCount(0);
    EXPECT_EQ(page.lineCount(), 0);
    EXPECT_EQ(page.rowText(0), std::string(175, ' '));
    EXPECT_TRUE(page.rowSecondPitch(0));
    EXPECT_TRUE(page.rowSecondPitch(-3));
}

TEST(TPagina, ClearRestoresEveryRow) {
    TPagina page;
    page.putText(1, 1, "TEXT", false);
    page.clear();
    EXPECT_EQ(page.rowText(1), std::string(175, ' '));
    EXPECT_TRUE(page.rowSecondPitch(1));
    EXPECT_EQ(TPagina::blanks(4), "    ");
    EXPECT_EQ(TPagina::blanks(-1), "");
}

TEST(TTavPersoStampanteFatt, DefaultCaptions) {
    TTavPersoStampanteFatt captions;
    captions.setDefaults(false);
    EXPECT_EQ(captions.codeCaption, "CODICE");
    EXPECT_EQ(captions.descriptionCaption, "DESCRIZIONE");
    EXPECT_EQ(captions.unitCaption, "UM");
    EXPECT_EQ(captions.quantityCaption, "QTA'");
    EXPECT_EQ(captions.priceCaption, "PREZZO");
    EXPECT_EQ(captions.discountCaption, "SCONTO");
    EXPECT_EQ(captions.amountCaption, "IMPORTO");
    EXPECT_EQ(captions.vatCaption, "IVA");
    EXPECT_EQ(captions.fourthCaption, "QTA'ACC");
    EXPECT_EQ(captions.commissionCaption, "PROVVIG");
    EXPECT_FALSE(captions.printLetterhead);
    captions.setDefaults(true);
    EXPECT_TRUE(captions.printLetterhead);
}
