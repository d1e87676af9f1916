#include <gtest/gtest.h>

#include "pdf/model/writer_support.h"
#include "pdf/text/font.h"
#include "pdf/toolkit.h"

namespace {

const std::string& PageContent(TPDFToolkit& toolkit) {
    return toolkit.SelectedDocument()->pageTree.contentStreams.back()->data;
}

// Times-Roman at 6 points, centred: the credit-line set-up.
TPDFFont* SetUpCreditLineFont(TPDFToolkit& toolkit) {
    TPDFFont* font = toolkit.AddStandardFont(8);
    toolkit.SetTextSize(6);
    toolkit.SetTextAlign(1);
    return font;
}

TEST(RotatedText, ExactOperatorSequenceAtNinetyDegrees) {
    TPDFToolkit toolkit;
    TPDFFont* font = SetUpCreditLineFont(toolkit);
    ASSERT_EQ(toolkit.DrawRotatedText(300, 400, 90, "Ruvo"), 1);
    // Width of "Ruvo" in Times-Roman: (667 + 500 + 500 + 500) * 6 / 1000 = 13.002; centred: x = -6.501.
    std::string expected = "0 1 -1 0  300 400 cm\n"
                           "0 Tr\n"
                           "/" +
                           font->resourceName +
                           " 6 Tf\n"
                           "0 0 0 rg\n"
                           "100 Tz\n"
                           "0 Ts\n"
                           "0 Tw 0 Tc\n"
                           "BT\n"
                           "1 0 0 1 -6.501 0 Tm\n"
                           "(Ruvo)Tj\n"
                           "ET\n"
                           "0 -1 1 0  0 0 cm\n"
                           "1 0 0 1 -300 -400 cm\n";
    EXPECT_EQ(PageContent(toolkit), expected);
    EXPECT_EQ(toolkit.SelectedDocument()->pageTree.Painter().Content(), expected);
}

TEST(RotatedText, EightDecimalsDuringTheOperationOnly) {
    TPDFToolkit toolkit;
    TPDFFont* font = toolkit.AddStandardFont(0); // Courier: 600 per code
    ASSERT_EQ(toolkit.DrawRotatedText(100.123456789, 20.5, 45, "ab"), 1);
    std::string expected = "0.70710678 0.70710678 -0.70710678 0.70710678  100.12345678 20.5 cm\n"
                           "0 Tr\n"
                           "/" +
                           font->resourceName +
                           " 12 Tf\n"
                           "0 0 0 rg\n100 Tz\n0 Ts\n0 Tw 0 Tc\nBT\n"
                           "1 0 0 1 0 0 Tm\n"
                           "(ab)Tj\n"
                           "ET\n"
                           "0.70710678 -0.70710678 0.70710678 0.70710678  0 0 cm\n"
                           "1 0 0 1 -100.12345678 -20.5 cm\n";
    EXPECT_EQ(PageContent(toolkit), expected);
    EXPECT_EQ(toolkit.SelectedDocument()->pageTree.Painter().Precision(), 4);
}

TEST(RotatedText, RightAlignmentMovesByWholeWidth) {
    TPDFToolkit toolkit;
    toolkit.AddStandardFont(0);
    toolkit.SetTextSize(10);
    toolkit.SetTextAlign(2);
    ASSERT_EQ(toolkit.DrawRotatedText(0, 0, 0, "abc"), 1);
    EXPECT_NE(PageContent(toolkit).find("\nBT\n1 0 0 1 -18 0 Tm\n(abc)Tj\n"), std::string::npos)
        << PageContent(toolkit);
    EXPECT_EQ(PageContent(toolkit).substr(0, 16), "1 0 0 1  0 0 cm\n"); // -sin 0 is written 0, not -0
}

TEST(RotatedText, UnitsAndOriginOfCreditLine) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    SetUpCreditLineFont(toolkit);
    ASSERT_EQ(toolkit.DrawRotatedText(8, 5, 90, "x"), 1);
    // 8 inches = 576 points; 5 inches from the top of a 792-point page = 432.
    EXPECT_EQ(PageContent(toolkit).substr(0, 21), "0 1 -1 0  576 432 cm\n");
    EXPECT_NE(PageContent(toolkit).find("1 0 0 1 -576 -432 cm\n"), std::string::npos);
}

TEST(RotatedText, RefusedAnglesAndEmptyText) {
    TPDFToolkit toolkit;
    SetUpCreditLineFont(toolkit);
    EXPECT_EQ(toolkit.DrawRotatedText(1, 1, -0.5, "a"), 0);
    EXPECT_EQ(toolkit.DrawRotatedText(1, 1, 360.5, "a"), 0);
    EXPECT_EQ(toolkit.DrawRotatedText(1, 1, 90, ""), 0);
    EXPECT_EQ(PageContent(toolkit), "");
    EXPECT_EQ(toolkit.DrawRotatedText(1, 1, 360, "a"), 1);
    EXPECT_EQ(toolkit.DrawRotatedText(1, 1, 0, "a"), 1);
}

TEST(RotatedText, ControlCharactersOnlyGiveEmptyString) {
    TPDFToolkit toolkit;
    SetUpCreditLineFont(toolkit);
    EXPECT_EQ(toolkit.DrawRotatedText(10, 10, 90, "\r\n\t\x01"), 1);
    EXPECT_NE(PageContent(toolkit).find("\n1 0 0 1 0 0 Tm\n()Tj\nET\n"), std::string::npos)
        << PageContent(toolkit);
}

TEST(RotatedText, StringEscapesAndDroppedCodes) {
    TPDFToolkit toolkit;
    toolkit.AddStandardFont(4);
    toolkit.SetTextAlign(0);
    EXPECT_EQ(toolkit.DrawRotatedText(0, 0, 90, "a(b)\\c\x81\x7F\xE8"), 1);
    EXPECT_NE(PageContent(toolkit).find("\n(a\\(b\\)\\\\c\xE8)Tj\n"), std::string::npos)
        << PageContent(toolkit);
}

TEST(RotatedText, HelveticaAddedWhenDocumentHasNoFont) {
    TPDFToolkit toolkit;
    EXPECT_EQ(toolkit.DrawRotatedText(10, 10, 90, "a"), 1);
    ASSERT_EQ(toolkit.SelectedDocument()->fonts.size(), 1u);
    EXPECT_EQ(toolkit.SelectedFont()->baseFont, "Helvetica");
    EXPECT_NE(PageContent(toolkit).find("/" + toolkit.SelectedFont()->resourceName + " 12 Tf\n"),
              std::string::npos);
}

TEST(RotatedText, SecondTextWritesOnlyStillPendingStateAndNewTextObject) {
    TPDFToolkit toolkit;
    TPDFFont* font = SetUpCreditLineFont(toolkit);
    toolkit.DrawRotatedText(300, 400, 90, "a");
    std::size_t firstLength = PageContent(toolkit).size();
    toolkit.DrawRotatedText(300, 400, 90, "a");
    std::string second = PageContent(toolkit).substr(firstLength);
    // The state lines were written once; a rotated text never continues the previous text object.
    EXPECT_EQ(second, "0 1 -1 0  300 400 cm\n0 Tr\nBT\n1 0 0 1 -1.332 0 Tm\n(a)Tj\nET\n"
                      "0 -1 1 0  0 0 cm\n1 0 0 1 -300 -400 cm\n");
    // A new size makes the font line pending again.
    toolkit.SetTextSize(8);
    toolkit.DrawRotatedText(300, 400, 90, "a");
    EXPECT_NE(PageContent(toolkit).find("/" + font->resourceName + " 8 Tf\nBT\n"), std::string::npos);
}

TEST(RotatedText, StoredStreamIsUncompressedWithLength) {
    TPDFToolkit toolkit;
    SetUpCreditLineFont(toolkit);
    toolkit.DrawRotatedText(300, 400, 90, "Ruvo");
    TPDFStream* stream = toolkit.SelectedDocument()->pageTree.contentStreams.back();
    EXPECT_EQ(stream->dictionary->Get("Filter"), nullptr);
    EXPECT_EQ(AsNumeric(stream->dictionary->Get("Length"))->value, static_cast<double>(stream->data.size()));
    EXPECT_EQ(stream->data.back(), '\n');
    EXPECT_NE(AsName(stream->dictionary->Get("LC")), nullptr);
}

TEST(RotatedText, TextAppendedToExistingContentAfterReselecting) {
    TPDFToolkit toolkit;
    SetUpCreditLineFont(toolkit);
    toolkit.DrawRotatedText(300, 400, 90, "one");
    std::string first = PageContent(toolkit);
    toolkit.NewPage();
    toolkit.SelectPage(1);
    toolkit.DrawRotatedText(300, 400, 90, "two");
    EXPECT_EQ(PageContent(toolkit).substr(0, first.size()), first);
    EXPECT_NE(PageContent(toolkit).find("(two)Tj"), std::string::npos);
}

TEST(RotatedText, PdftotextReadsRotatedTimesRomanBack) {
    pdftest::ScratchDirectory dir;
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    toolkit.SetPageSize("A4");
    toolkit.AddStandardFont(8);
    toolkit.SetTextSize(6);
    toolkit.SetTextAlign(1);
    ASSERT_EQ(toolkit.DrawRotatedText(8, 5.8, 90, "Documento generato da stampadoc"), 1);
    ASSERT_EQ(toolkit.SaveToFile((dir / "credit.pdf").string()), 1);
    EXPECT_EQ(pdftest::CheckWithTools(dir / "credit.pdf"), "");
    auto text = pdftest::RunTool("pdftotext -enc UTF-8 " + ShellQuoted(dir / "credit.pdf") + " -");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.output.find("Documento generato da stampadoc"), std::string::npos) << text.output;
    // The text runs bottom to top along x = 576 points, centred on y = 841.89 - 417.6 points.
    auto box = pdftest::RunTool("pdftotext -bbox " + ShellQuoted(dir / "credit.pdf") + " -");
    EXPECT_NE(box.output.find(">Documento<"), std::string::npos) << box.output;
}

TEST(Painter, TextAtPointContinuesTextObjectWhenNothingIsPending) {
    TPDFPainter painter;
    painter.Reset(4);
    painter.Load("BT\n(x)Tj\nET\n");
    // With a state line pending a new text object is opened.
    painter.DrawTextAt(1, 2, "y");
    EXPECT_EQ(painter.Content(),
              "BT\n(x)Tj\nET\n0 Tr\n0 0 0 rg\n100 Tz\n0 Ts\n0 Tw 0 Tc\nBT\n1 0 0 1 1 2 Tm\n(y)Tj\nET\n");
}

TEST(Painter, ImageOperators) {
    TPDFPainter painter;
    painter.Reset(4);
    painter.DrawXObject("RuvoIm0c41d2aa", 10, 800, 595.2755905, 841.88976);
    EXPECT_EQ(painter.Content(), "q\n595.2755 0 0 841.8897 10 -41.8897 cm\n/RuvoIm0c41d2aa Do\nQ\n");
}

} // namespace
