// What reaches the sink for small content streams: one table row per operator group, each a content
// stream (with the resources it needs) and the sink calls it must give, in order.

#include "pdf/render/render_support.h"

namespace {

using namespace std::string_literals;
using rendertest::Render;

const char* const kHelvetica =
    "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>";
const char* const kFontResource = "/Font << /F1 5 0 R >>";

struct OperatorCase {
    const char* name;
    std::string content;
    std::string resources;
    std::vector<std::string> extra;
    std::vector<std::string> expected;
};

const std::string kPlain = " w=1 cap=0 join=0 miter=10 dash=[] 0 ";

std::string NameOf(const testing::TestParamInfo<OperatorCase>& info) {
    return info.param.name;
}

class ContentOperators : public testing::TestWithParam<OperatorCase> {};

TEST_P(ContentOperators, ReachTheSink) {
    const OperatorCase& c = GetParam();
    EXPECT_EQ(Render(c.content, c.resources, c.extra), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ContentOperators,
    testing::Values(
        OperatorCase{"RectangleFilledInRgb",
                     "1 0 0 rg 10 20 30 40 re f",
                     "",
                     {},
                     {"fill nonzero rgb(1,0,0) [1 0 0 1 0 0] M 10 20 L 40 20 L 40 60 L 10 60 Z"}},
        OperatorCase{"StrokeWithLineStyle",
                     "2 w 1 J 2 j 5 M [3 1] 2 d 0.5 G 0 0 m 100 0 l S",
                     "",
                     {},
                     {"stroke gray(0.5) w=2 cap=1 join=2 miter=5 dash=[3 1] 2 [1 0 0 1 0 0] M 0 0 L 100 0"}},
        OperatorCase{"MatrixInsideSavedState",
                     "q 1 0 0 1 10 0 cm 2 0 0 2 0 0 cm 0 0 m 1 1 l S Q 0 0 m 1 1 l S",
                     "",
                     {},
                     {"save", "stroke gray(0)" + kPlain + "[2 0 0 2 10 0] M 0 0 L 1 1", "restore",
                      "stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 1 1"}},
        OperatorCase{"CloseFillStrokeEvenOdd",
                     "0 0 m 10 0 l 10 10 l b*",
                     "",
                     {},
                     {"fill evenodd gray(0) [1 0 0 1 0 0] M 0 0 L 10 0 L 10 10 Z",
                      "stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 10 0 L 10 10 Z"}},
        OperatorCase{
            "CurvesWithImplicitControlPoints",
            "0 0 m 1 1 2 2 v 3 3 4 4 y h 5 5 l S",
            "",
            {},
            {"stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 C 0 0 1 1 2 2 C 3 3 4 4 4 4 Z M 0 0 L 5 5"}},
        OperatorCase{"ClipTakesEffectAfterThePaintingOperator",
                     "q 0 0 10 10 re W n 1 g 0 0 5 5 re f Q",
                     "",
                     {},
                     {"save", "clip nonzero [1 0 0 1 0 0] M 0 0 L 10 0 L 10 10 L 0 10 Z",
                      "fill nonzero gray(1) [1 0 0 1 0 0] M 0 0 L 5 0 L 5 5 L 0 5 Z", "restore"}},
        OperatorCase{
            "UnbalancedRestoresIgnoredAndOpenSavesClosed",
            "Q q q 0 0 m 1 1 l S",
            "",
            {},
            {"save", "save", "stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 1 1", "restore", "restore"}},
        OperatorCase{"UnknownOperatorsAndBadOperandsSkipped",
                     "foo 1 2 bar (x) 0 0 m /N 5 l 1 1 l ] >> S",
                     "",
                     {},
                     {"stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 1 1"}},
        OperatorCase{"LineWithoutCurrentPointDropped",
                     "5 5 l 0 0 m 1 1 l S",
                     "",
                     {},
                     {"stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 1 1"}},
        OperatorCase{"SingularMatrixDrawsNothing", "0 0 0 0 0 0 cm 0 0 1 1 re f", "", {}, {}}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    Colours, ContentOperators,
    testing::Values(OperatorCase{"CmykConvertedToRgb",
                                 "1 0 0 0.5 k 0 0 1 1 re f",
                                 "",
                                 {},
                                 {"fill nonzero rgb(0,0.5,0.5) [1 0 0 1 0 0] M 0 0 L 1 0 L 1 1 L 0 1 Z"}},
                    OperatorCase{"DeviceSpacesByName",
                                 "/DeviceRGB cs 0 0.5 1 sc /DeviceGray CS 0.25 SC 0 0 1 1 re B",
                                 "",
                                 {},
                                 {"fill nonzero rgb(0,0.5,1) [1 0 0 1 0 0] M 0 0 L 1 0 L 1 1 L 0 1 Z",
                                  "stroke gray(0.25)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 1 0 L 1 1 L 0 1 Z"}},
                    OperatorCase{"IndexedSpaceOfTheResources",
                                 "/P cs 1 scn 0 0 1 1 re f",
                                 "/ColorSpace << /P [ /Indexed /DeviceRGB 1 <FF000000FF00> ] >>",
                                 {},
                                 {"fill nonzero rgb(0,1,0) [1 0 0 1 0 0] M 0 0 L 1 0 L 1 1 L 0 1 Z"}},
                    OperatorCase{"PatternFillSkipped",
                                 "/Pattern cs /P0 scn 0 0 1 1 re f 0 g 0 0 2 2 re f",
                                 "",
                                 {},
                                 {"fill nonzero gray(0) [1 0 0 1 0 0] M 0 0 L 2 0 L 2 2 L 0 2 Z"}},
                    OperatorCase{
                        "ExtGStateLineParameters",
                        "/GS1 gs 0 0 m 1 1 l S",
                        "/ExtGState << /GS1 << /LW 3 /LC 2 /LJ 1 /ML 4 /D [ [ 2 ] 1 ] >> >>",
                        {},
                        {"stroke gray(0) w=3 cap=2 join=1 miter=4 dash=[2] 1 [1 0 0 1 0 0] M 0 0 L 1 1"}}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    Text, ContentOperators,
    testing::Values(
        OperatorCase{"StringAtAPoint",
                     "BT /F1 10 Tf 100 700 Td (AB) Tj ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [10 0 0 10 100 700] A@0 B@0.667"}},
        OperatorCase{"SpacingScalingAndRise",
                     "BT /F1 10 Tf 2 Tc 3 Tw 50 Tz 1 Ts (A B) Tj ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [5 0 0 10 0 1] A@0  @0.867 B@1.645"}},
        OperatorCase{"ArrayAdjustments",
                     "BT /F1 10 Tf [(A) -500 (B)] TJ ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [10 0 0 10 0 0] A@0 B@1.167"}},
        OperatorCase{"LinesByLeading",
                     "BT /F1 10 Tf 12 TL 0 100 Td (A) Tj T* (B) Tj (C) ' 5 -20 TD (D) Tj T* (E) Tj ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [10 0 0 10 0 100] A@0",
                      "text Helvetica fill gray(0) [10 0 0 10 0 88] B@0",
                      "text Helvetica fill gray(0) [10 0 0 10 0 76] C@0",
                      "text Helvetica fill gray(0) [10 0 0 10 5 56] D@0",
                      "text Helvetica fill gray(0) [10 0 0 10 5 36] E@0"}},
        OperatorCase{"QuoteSetsSpacings",
                     "BT /F1 10 Tf 14 TL 0 100 Td 1 2 (AB) \" ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [10 0 0 10 0 86] A@0 B@0.867"}},
        OperatorCase{"RenderingModes",
                     "BT /F1 10 Tf 1 Tr (A) Tj 3 Tr (B) Tj 2 Tr 1 0 0 rg (C) Tj ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica stroke gray(0) [10 0 0 10 0 0] A@0",
                      "text Helvetica fillstroke rgb(1,0,0) [10 0 0 10 13.34 0] C@0"}},
        OperatorCase{"TextMatrixUnderTheCurrentMatrix",
                     "2 0 0 2 0 0 cm BT /F1 10 Tf 1 0 0 1 5 5 Tm (A) Tj ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [20 0 0 20 10 10] A@0"}},
        OperatorCase{"RotatedLikeTheCreditLine",
                     "BT /F1 6 Tf 0 1 -1 0 100 200 Tm (A) Tj ET",
                     kFontResource,
                     {kHelvetica},
                     {"text Helvetica fill gray(0) [0 6 -6 0 100 200] A@0"}},
        OperatorCase{"AliasNamesItsStandardFont",
                     "BT /F1 10 Tf (A) Tj ET",
                     kFontResource,
                     {"<< /Type /Font /Subtype /TrueType /BaseFont /ABCDEF+Arial,Bold >>"},
                     {"text Helvetica-Bold fill gray(0) [10 0 0 10 0 0] A@0"}},
        OperatorCase{"MissingFontShowsNothing", "BT /F9 10 Tf (A) Tj ET", kFontResource, {kHelvetica}, {}}),
    NameOf);

INSTANTIATE_TEST_SUITE_P(
    XObjects, ContentOperators,
    testing::Values(
        OperatorCase{"InlineImageDrawnAndSkipped",
                     "q 10 0 0 10 0 0 cm BI /W 2 /H 1 /CS /G /BPC 8 ID \x00\xff EI Q 0 0 m 1 1 l S"s,
                     "",
                     {},
                     {"save", "image gray8 2x1 [10 0 0 10 0 0]", "restore",
                      "stroke gray(0)" + kPlain + "[1 0 0 1 0 0] M 0 0 L 1 1"}},
        OperatorCase{"FormWithMatrixAndBoundingBox",
                     "/Fm Do",
                     "/XObject << /Fm 5 0 R >>",
                     {rendertest::StreamBody(
                         "/Type /XObject /Subtype /Form /BBox [ 0 0 10 10 ] /Matrix [ 2 0 0 2 5 5 ]",
                         "0 0 m 1 1 l S")},
                     {"save", "clip nonzero [2 0 0 2 5 5] M 0 0 L 10 0 L 10 10 L 0 10 Z",
                      "stroke gray(0)" + kPlain + "[2 0 0 2 5 5] M 0 0 L 1 1", "restore"}},
        OperatorCase{"FormDrawingItselfStopsAtOnce",
                     "/Fm Do",
                     "/XObject << /Fm 5 0 R >>",
                     {rendertest::StreamBody("/Type /XObject /Subtype /Form /BBox [ 0 0 10 10 ] "
                                             "/Resources << /XObject << /Fm 5 0 R >> >>",
                                             "q /Fm Do Q")},
                     {"save", "clip nonzero [1 0 0 1 0 0] M 0 0 L 10 0 L 10 10 L 0 10 Z", "save", "restore",
                      "restore"}}),
    NameOf);

} // namespace
