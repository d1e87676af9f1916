#include "pdf/images/image.h"
#include "pdf/toolkit.h"

#include "pdf/images/image_helpers.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TPDFImage* AddImage(TPDFToolkit& toolkit, const std::string& bytes) {
    std::istringstream stream(bytes);
    return toolkit.AddImageFromStream(stream, 0);
}

std::string PageContent(TPDFToolkit& toolkit) {
    return toolkit.SelectedDocument()->pageTree.Painter().Content();
}

// The data of the selected page's last content stream, as it will be saved.
std::string StoredContent(TPDFToolkit& toolkit) {
    return toolkit.SelectedDocument()->pageTree.contentStreams.back()->Data();
}

std::string XObjectResources(TPDFToolkit& toolkit) {
    TPDFDocument* document = toolkit.SelectedDocument();
    TPDFDictionary* page = document->pageTree.SelectedPage();
    TPDFDictionary* resources = document->ResolveDictionary(page->Get("Resources"));
    TPDFDictionary* xobjects = resources ? document->ResolveDictionary(resources->Get("XObject")) : nullptr;
    return xobjects ? xobjects->ToText() : std::string();
}

// A 200 x 100 pixel one-bit bitmap.
std::string WideBitmap() {
    return QuadrantBitmap(200, 100, true);
}

} // namespace

TEST(ImageDrawing, NothingIsDrawnWithoutASelectedImage) {
    TPDFToolkit toolkit;
    const std::string before = PageContent(toolkit);
    EXPECT_EQ(toolkit.DrawImage(0, 0, 10, 10), 0);
    EXPECT_EQ(toolkit.FitImage(0, 0, 10, 10, 0, 0, 0), 0);
    EXPECT_EQ(PageContent(toolkit), before);
    EXPECT_EQ(XObjectResources(toolkit), "");
}

TEST(ImageDrawing, DrawImageInPointsFromTheBottomLeft) {
    TPDFToolkit toolkit;
    TPDFImage* image = AddImage(toolkit, WideBitmap());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(toolkit.DrawImage(10, 700, 100, 50), 1);
    const std::string expected = "q\n100 0 0 50 10 650 cm\n/" + image->resourceName + " Do\nQ\n";
    EXPECT_EQ(PageContent(toolkit), expected);
    EXPECT_EQ(StoredContent(toolkit), expected);
    EXPECT_EQ(XObjectResources(toolkit),
              "<<\n/" + image->resourceName + " " + std::to_string(image->reference.number) + " 0 R\n>>\n");
}

TEST(ImageDrawing, DrawImageOverAWholeLetterPageInInchesFromTheTop) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    TPDFImage* image = AddImage(toolkit, WideBitmap());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(toolkit.DrawImage(0, 0, 8.5, 11), 1);
    EXPECT_EQ(PageContent(toolkit), "q\n612 0 0 792 0 0 cm\n/" + image->resourceName + " Do\nQ\n");
}

TEST(ImageDrawing, NumbersAreCutToTheDocumentPrecision) {
    TPDFToolkit toolkit;
    TPDFImage* image = AddImage(toolkit, WideBitmap());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(toolkit.DrawImage(1.123456, 100.99999, 0.00001, 20.5), 1);
    EXPECT_EQ(PageContent(toolkit), "q\n0 0 0 20.5 1.1234 80.4999 cm\n/" + image->resourceName + " Do\nQ\n");
}

TEST(ImageDrawing, FitImageCentresTheExampleImage) {
    // 200 x 100 pixels into a 2 x 2 inch box at (1, 1) inch from the top-left corner: 2 x 1 inch,
    // the top edge half an inch below the box's.
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    TPDFImage* image = AddImage(toolkit, WideBitmap());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(toolkit.FitImage(1, 1, 2, 2, 1, 1, 0), 1);
    EXPECT_EQ(PageContent(toolkit), "q\n144 0 0 72 72 612 cm\n/" + image->resourceName + " Do\nQ\n");
}

TEST(ImageDrawing, FitImageTurned) {
    TPDFToolkit toolkit;
    toolkit.SetMeasurementUnits(2);
    toolkit.SetOrigin(1);
    TPDFImage* image = AddImage(toolkit, WideBitmap());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(toolkit.FitImage(1, 1, 2, 2, 0, 0, 1), 1);
    EXPECT_EQ(PageContent(toolkit), "q\n0 144 -72 0 144 576 cm\n/" + image->resourceName + " Do\nQ\n");
}

TEST(ImageDrawing, FitImageRefusesCodesOutOfRange) {
    TPDFToolkit toolkit;
    ASSERT_NE(AddImage(toolkit, WideBitmap()), nullptr);
    EXPECT_EQ(toolkit.FitImage(1, 1, 2, 2, 0, 0, 4), 0);
    EXPECT_EQ(toolkit.FitImage(1, 1, 2, 2, 3, 0, 0), 0);
    EXPECT_EQ(toolkit.FitImage(1, 1, 2, 2, 0, 3, 0), 0);
    EXPECT_EQ(PageContent(toolkit), "");
    EXPECT_EQ(XObjectResources(toolkit), "");
}

TEST(ImageDrawing, ResourceIsListedOncePerPageAndOnEveryPageThatUsesIt) {
    TPDFToolkit toolkit;
    TPDFImage* image = AddImage(toolkit, WideBitmap());
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(toolkit.DrawImage(0, 100, 10, 10), 1);
    ASSERT_EQ(toolkit.DrawImage(0, 200, 10, 10), 1);
    const std::string entry =
        "/" + image->resourceName + " " + std::to_string(image->reference.number) + " 0 R\n";
    EXPECT_EQ(XObjectResources(toolkit), "<<\n" + entry + ">>\n");
    ASSERT_EQ(toolkit.NewPage(), 2);
    EXPECT_EQ(XObjectResources(toolkit), "");
    ASSERT_EQ(toolkit.DrawImage(0, 100, 10, 10), 1);
    EXPECT_EQ(XObjectResources(toolkit), "<<\n" + entry + ">>\n");
}

TEST(ImageDrawing, TwoImagesOnOnePage) {
    TPDFToolkit toolkit;
    TPDFImage* first = AddImage(toolkit, WideBitmap());
    TPDFImage* second = AddImage(toolkit, WideBitmap());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(toolkit.DrawImage(0, 100, 10, 10), 1);
    ASSERT_EQ(toolkit.SelectImage(first), 1);
    ASSERT_EQ(toolkit.DrawImage(0, 100, 10, 10), 1);
    const std::string resources = XObjectResources(toolkit);
    EXPECT_EQ(resources, "<<\n/" + second->resourceName + " " + std::to_string(second->reference.number) +
                             " 0 R\n/" + first->resourceName + " " + std::to_string(first->reference.number) +
                             " 0 R\n>>\n");
}
