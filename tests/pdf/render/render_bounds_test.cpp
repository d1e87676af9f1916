// Hostile content: the renderer's bounds hold, every save the sink gets is restored, and what the bounds
// cut off makes the page partial rather than a crash or a hang.

#include "pdf/render/render_support.h"
#include "support/checking_render_sink.h"

namespace {

struct Drawn {
    RenderOutcome outcome;
    std::size_t calls;
    std::size_t glyphs;
    std::vector<std::string> problems;
};

Drawn DrawPage(const std::string& pdf, const RenderLimits& limits = RenderLimits(), int page = 1) {
    auto document = rendertest::Load(pdf);
    if (!document) {
        ADD_FAILURE() << "the test file does not load";
        return {};
    }
    CheckingRenderSink sink;
    const RenderOutcome outcome = RenderPdfPage(*document, page, sink, RenderMatrix(), limits);
    sink.Finish();
    return {outcome, sink.Calls(), sink.Glyphs(), sink.Problems()};
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(RenderBounds, OperatorsGlyphsAndPointsStopThePage) {
    RenderLimits limits;
    limits.maxOperators = 1000;
    const Drawn operators = DrawPage(rendertest::OnePagePdf(Repeat("0 0 m 1 1 l S ", 2000)), limits);
    EXPECT_EQ(operators.outcome, RenderOutcome::Partial);
    EXPECT_LE(operators.calls, 1000u / 3 + 4);
    EXPECT_TRUE(operators.problems.empty());

    limits = RenderLimits();
    limits.maxGlyphs = 50;
    const Drawn glyphs =
        DrawPage(rendertest::OnePagePdf("BT /F1 10 Tf " + Repeat("(0123456789) Tj ", 20) + "ET",
                                        "/Font << /F1 << /Subtype /Type1 /BaseFont /Courier >> >>"),
                 limits);
    EXPECT_EQ(glyphs.outcome, RenderOutcome::Partial);
    EXPECT_EQ(glyphs.glyphs, 50u);

    limits = RenderLimits();
    limits.maxPathPoints = 100;
    const Drawn points =
        DrawPage(rendertest::OnePagePdf(Repeat("0 0 m " + Repeat("1 1 l ", 30) + "S ", 10)), limits);
    EXPECT_EQ(points.outcome, RenderOutcome::Partial);
    EXPECT_LE(points.calls, 3u + 4);
}

TEST(RenderBounds, DeepNestingIsCutAndStaysPaired) {
    RenderLimits limits;
    const Drawn saves =
        DrawPage(rendertest::OnePagePdf(Repeat("q ", 5000) + "0 0 m 1 1 l S" + Repeat(" Q", 5000)));
    EXPECT_TRUE(saves.problems.empty()) << saves.problems.front();
    EXPECT_EQ(saves.calls,
              2u * (limits.maxSavedStates + 1) + 2); // saves, restores, the page clip, the stroke

    // Arrays nested far deeper than the parser keeps, unclosed: they take the first numbers after them
    // (the first line loses its start), and the operators after them still run.
    const Drawn arrays =
        DrawPage(rendertest::OnePagePdf(Repeat("[", 200000) + " 0 0 m 1 1 l S 0 0 m 2 2 l S"));
    EXPECT_TRUE(arrays.problems.empty());
    EXPECT_EQ(arrays.calls, 4u);
}

TEST(RenderBounds, FormsCallingFormsStopAtTheDepthBound) {
    // Form n draws form n + 1, 30 deep; every form is object 5 + n.
    std::vector<std::string> forms;
    for (int n = 0; n < 30; ++n)
        forms.push_back(
            rendertest::StreamBody("/Subtype /Form /BBox [ 0 0 9 9 ] /Resources << /XObject << /X " +
                                       std::to_string(6 + n) + " 0 R >> >>",
                                   "0 0 m 1 1 l S /X Do"));
    forms.push_back("<< /Subtype /Form >>");
    const Drawn drawn = DrawPage(rendertest::OnePagePdf("/X Do", "/XObject << /X 5 0 R >>", forms));
    EXPECT_EQ(drawn.outcome, RenderOutcome::Partial);
    EXPECT_TRUE(drawn.problems.empty());
    // The page's save, clip and restore, and for each form drawn its save, clip, line and restore.
    EXPECT_EQ(drawn.calls, 3u + 4u * static_cast<std::size_t>(RenderLimits().maxFormDepth));
}

TEST(RenderBounds, ImagesBeyondTheirBoundsAreLeftOut) {
    RenderLimits limits;
    limits.maxImagePixels = 64;
    const std::string image =
        rendertest::StreamBody("/Subtype /Image /Width 9 /Height 9 /ColorSpace /DeviceGray "
                               "/BitsPerComponent 8",
                               std::string(81, '\x80'));
    const std::string pdf = rendertest::OnePagePdf("/Im Do /Im Do", "/XObject << /Im 5 0 R >>", {image});
    EXPECT_EQ(DrawPage(pdf, limits).outcome, RenderOutcome::Partial);
    EXPECT_EQ(DrawPage(pdf, limits).calls, 3u);
    limits = RenderLimits();
    limits.maxImagePixelsDrawn = 100; // one drawing of the 81 pixels, not two
    const Drawn drawn = DrawPage(pdf, limits);
    EXPECT_EQ(drawn.outcome, RenderOutcome::Partial);
    EXPECT_EQ(drawn.calls, 4u);
}

TEST(RenderBounds, InlineImageWithoutEndSwallowsTheRest) {
    const Drawn drawn =
        DrawPage(rendertest::OnePagePdf("0 0 m 1 1 l S BI /W 4 /H 4 /CS /G /F /FlateDecode ID xx 0 0 m S"));
    EXPECT_TRUE(drawn.problems.empty());
    EXPECT_EQ(drawn.calls, 4u);
}

TEST(RenderBounds, MissingPagesAndEncryptedFilesFail) {
    const std::string pdf = rendertest::OnePagePdf("0 0 m 1 1 l S");
    EXPECT_EQ(DrawPage(pdf, RenderLimits(), 2).outcome, RenderOutcome::Failed);
    EXPECT_EQ(DrawPage(pdf, RenderLimits(), 0).outcome, RenderOutcome::Failed);
    EXPECT_EQ(DrawPage(pdf).outcome, RenderOutcome::Complete);
    auto document = rendertest::Load(pdf);
    document->encrypted = true;
    CheckingRenderSink sink;
    EXPECT_EQ(RenderPdfPage(*document, 1, sink, RenderMatrix()), RenderOutcome::Failed);
    EXPECT_EQ(sink.Calls(), 0u);
}

} // namespace
